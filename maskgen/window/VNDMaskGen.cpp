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
    for (const VNString& path : drop.paths) {
        std::string native;
        if (!path.ToUtf8(native)) {
            ShowError(Handle(), maskgen::MaskFailureMessage(maskgen::MaskResult::ReadFailed,
                                                            path.ToUtf8Lossy()));
            continue;
        }
        const maskgen::MaskResult result = maskgen::GenerateMaskFile(native);
        if (result != maskgen::MaskResult::Written)
            ShowError(Handle(), maskgen::MaskFailureMessage(result, native));
    }
}
