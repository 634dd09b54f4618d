#include "maskgen/window/VNDMaskGen.h"

#include "maskgen/MaskGenerator.h"
#include "platform/MessageBox.h"
#include "platform/WindowIcon.h"

namespace {

void ShowError(platform::WindowHandle owner, const std::string& utf8) {
    VNString text;
    if (!VNString::FromUtf8(utf8, text))
        text = VNString(u8"画像の処理に失敗しました。");
    platform::ShowMessage(owner, text, VNString(u8"エラー"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Warning);
}

} // namespace

bool VNDMaskGen::OnInit() {
    platform::SetWindowIcon(Handle(), "IDI_ICON");
    return true;
}

void VNDMaskGen::OnDropFiles(const platform::DropFiles& drop) {
    for (const platform::DroppedFile& file : drop.files) {
        // Messages name the file as the suite's strings show it.
        const std::string shown = file.path.ToUtf8Lossy();
        if (!file.fitsShiftJis) {
            ShowError(Handle(),
                      maskgen::MaskFailureMessage(maskgen::MaskResult::ReadFailed, shown));
            continue;
        }
        const maskgen::MaskResult result = maskgen::GenerateMaskFile(file.native);
        if (result != maskgen::MaskResult::Written)
            ShowError(Handle(), maskgen::MaskFailureMessage(result, shown));
    }
}
