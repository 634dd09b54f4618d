#include "maskgen/window/VNDMaskGen.h"

#include "maskgen/MaskGenerator.h"
#include "maskgen/window/MaskGenResources.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/WindowIcon.h"

namespace {

VNString FromUtf8(const std::string& utf8, const char8_t* fallback) {
    VNString text;
    if (!VNString::FromUtf8(utf8, text))
        text = VNString(fallback);
    return text;
}

void ShowError(platform::WindowHandle owner, const std::string& utf8) {
    platform::ShowMessage(owner, FromUtf8(utf8, u8"画像の処理に失敗しました。"),
                          VNString(u8"エラー"), platform::MsgButtons::Ok,
                          platform::MsgIcon::Warning);
}

// The last part of a path (the separator is never a Shift-JIS trail byte).
VNString FileNamePart(const VNString& path) {
    const std::string& bytes = path.Bytes();
    const size_t slash = bytes.rfind('/');
    return slash == std::string::npos ? path : VNString::FromBytes(bytes.substr(slash + 1));
}

// The report line of one file: the mask written, or why there is none.
VNString ReportLine(const VNString& input, maskgen::MaskResult result,
                    const maskgen::MaskFailure& why) {
    const VNString name = FileNamePart(input);
    const VNString mask = name + VNString(".msk.bmp");
    const VNString reason = FromUtf8(maskgen::MaskFailureReason(why), u8"");
    switch (result) {
    case maskgen::MaskResult::Written:
        return mask + VNString(u8" を書き出しました。");
    case maskgen::MaskResult::ReadFailed:
        return name + VNString(u8" の読み込みに失敗しました：") + reason;
    case maskgen::MaskResult::WriteFailed:
        return mask + VNString(u8" の書き込みに失敗しました：") + reason;
    }
    return VNString();
}

} // namespace

bool VNDMaskGen::OnInit() {
    platform::SetWindowIcon(Handle(), "IDI_ICON");
    return true;
}

void VNDMaskGen::OnDropFiles(const platform::DropFiles& drop) {
    VNString report;
    for (const platform::DroppedFile& file : drop.files) {
        // Messages name the file as the suite's strings show it.
        const std::string shown = file.path.ToUtf8Lossy();
        maskgen::MaskResult result = maskgen::MaskResult::ReadFailed;
        if (file.fitsShiftJis) {
            maskgen::MaskFailure why;
            result = maskgen::GenerateMaskFile(file.native, &why);
            report += ReportLine(file.path, result, why);
        } else {
            report +=
                FileNamePart(file.path) +
                VNString(u8" の読み込みに失敗しました：Shift-JISで表せない文字を含む名前です");
        }
        report += VNString("\r\n");
        // The reason is in the window while the message box is up.
        Controls().SetText(maskgen::mask_id::Report, report);
        if (result != maskgen::MaskResult::Written)
            ShowError(Handle(), maskgen::MaskFailureMessage(result, shown));
    }
}

void VNDMaskGen::OnCommand(platform::WPARAM wParam, platform::LPARAM lParam) {
    if (platform::LowWord(wParam) == maskgen::mask_id::DropArea) {
        ChooseFile();
        return;
    }
    VNDialog::OnCommand(wParam, lParam);
}

void VNDMaskGen::ChooseFile() {
    static const std::vector<platform::FileFilter> filters = {
        {VNString(u8"24ビットのBMPファイル (*.bmp)"), VNString("*.bmp")}};
    VNString chosen;
    std::string native;
    if (!platform::ChooseOpenFile(VNString(u8"BMPファイルを選択する"), filters, nullptr, chosen,
                                  Handle()) ||
        !chosen.ToUtf8(native))
        return;
    platform::DropFiles drop;
    drop.files.push_back(platform::DroppedFileFromNative(native));
    OnDropFiles(drop);
}
