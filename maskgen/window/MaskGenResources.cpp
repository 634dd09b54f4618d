#include "maskgen/window/MaskGenResources.h"

#include "resources/ProgramIcons.h"

namespace maskgen {

namespace {

using namespace resources;

ResourceSet MakeMaskGenResources() {
    ResourceSet set("vnmaskgen");
    set.AddDialog(
        "IDD_MAIN",
        DialogTemplate(
            u8"立ち絵マスク生成", 186, 150,
            {
                // The drop area: its hints in the middle, and over them a
                // sunken frame that takes the clicks.
                Label(u8"ここに画像をドロップしてください。", 8, 18, 170, 9, cf::AlignCenter),
                Label(u8"クリックするとファイルを選択できます。", 8, 30, 170, 9, cf::AlignCenter),
                Label(u8"", 7, 7, 172, 42, cf::Sunken | cf::Notify, mask_id::DropArea),
                Label(u8"24ビットのBMPファイルから、\nグレースケールマスクBMPを生成します。", 7, 56,
                      172, 18),
                Label(u8"画像左下の点の色を透過色にします。", 7, 80, 172, 9),
                MultiLineEdit(mask_id::Report, 7, 94, 172, 49, cf::ReadOnly),
            },
            {}, df::AcceptFiles));
    set.AddIcon("IDI_ICON", MakeProgramIcon(ProgramIcon::MaskGenerator));
    return set;
}

} // namespace

const ResourceSet& MaskGenResources() {
    static const ResourceSet set = MakeMaskGenResources();
    return set;
}

} // namespace maskgen
