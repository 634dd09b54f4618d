#include "eventeditor/VNDScript.h"

#include "eventeditor/EditorFiles.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "resources/EventEditorResources.h"
#include "scenario/AtomicFile.h"
#include "scenario/RegularFile.h"

#include <cstdio>

using platform::MsgButtons;
using platform::MsgIcon;
namespace id = resources::script_edit;

namespace {

const VNString& ScriptCaption() {
    static const VNString caption(u8"スクリプト編集");
    return caption;
}

void ShowError(platform::WindowHandle owner, const char8_t* text) {
    platform::ShowMessage(owner, VNString(text), VNString(u8"エラー"), MsgButtons::Ok,
                          MsgIcon::Warning);
}

bool Confirm(platform::WindowHandle owner, const VNString& text) {
    return platform::ShowMessage(owner, text, ScriptCaption(), MsgButtons::YesNo,
                                 MsgIcon::Warning) == platform::IDYES;
}

} // namespace

bool VNDScript::Run(std::string& text, const ScriptLossCheck& check, platform::WindowHandle owner) {
    text_ = text;
    check_ = &check;
    if (ShowModal(ScriptCaption(), "IDD_SCRIPTINPUT", owner) != 1)
        return false;
    text = std::move(text_);
    return true;
}

bool VNDScript::OnInit() {
    Controls().SetText(id::Text, VNString::FromBytes(text_));
    Controls().SetFocus(id::Text);
    return true;
}

void VNDScript::OnSize(int width, int height) {
    Controls().MoveControl(id::Text, 0, 0, width, height);
}

void VNDScript::OnCommand(platform::WPARAM wParam, platform::LPARAM) {
    switch (platform::LowWord(wParam)) {
    case id::Apply:
        Apply();
        break;
    case id::Abandon:
        AskToAbandon();
        break;
    case id::LoadText:
        LoadText();
        break;
    case id::SaveText:
        SaveText();
        break;
    default:
        break;
    }
}

void VNDScript::OnClose() {
    AskToAbandon();
}

void VNDScript::AskToAbandon() {
    if (platform::ShowMessage(Handle(), VNString(u8"変更は適用されません。よろしいですか？"),
                              ScriptCaption(), MsgButtons::YesNo,
                              MsgIcon::Question) == platform::IDYES)
        EndDialog(0);
}

void VNDScript::Apply() {
    // Characters the suite's text cannot hold would become '?', and lines
    // that lose words or change their events would do so silently: the
    // author decides first, and "no" goes back to the text.
    if (!Controls().TextFitsShiftJis(id::Text) &&
        !Confirm(Handle(), VNString(u8"Shift-JISで表せない文字は「?」に置き換わります。\n"
                                    u8"このまま変更を適用しますか？")))
        return;
    const VNString text = Controls().GetText(id::Text);
    if (const auto loss = check_->FirstLoss(text.Bytes());
        loss && !Confirm(Handle(), ScriptLossWarning(*loss)))
        return;
    text_ = text.Bytes();
    EndDialog(1);
}

void VNDScript::LoadText() {
    VNString chosen;
    if (platform::ChooseOpenFile(VNString(u8"スクリプトを開く"),
                                 {{VNString(u8"テキストファイル (*.txt)"), VNString(u8"*.txt")}},
                                 nullptr, chosen, Handle()))
        LoadFile(NativePathOf(chosen));
}

void VNDScript::OnDropFiles(const platform::DropFiles& drop) {
    platform::DroppedFile file;
    if (platform::FirstDroppedFile(drop, Handle(), ScriptCaption(), file))
        LoadFile(file.native);
}

void VNDScript::LoadFile(const std::string& native) {
    // The whole file, however long: a text cut short would lose the events
    // at its end once applied.
    std::string bytes;
    const bool read = vn::ReadRegularFile(native, bytes);
    if (!read) {
        ShowError(Handle(), u8"ファイルを開けませんでした。");
        return;
    }
    Controls().SetText(id::Text, VNString::FromBytes(bytes));
}

void VNDScript::SaveText() {
    // The file is written in Shift-JIS: characters it cannot hold would be
    // saved as '?', so the author is asked first, as before applying.
    if (!Controls().TextFitsShiftJis(id::Text) &&
        !Confirm(Handle(), VNString(u8"Shift-JISで表せない文字は「?」に置き換わります。\n"
                                    u8"このまま保存しますか？")))
        return;
    const VNString initial(u8"新規スクリプト.txt");
    VNString chosen;
    if (!platform::ChooseSaveFile(VNString(u8"スクリプトを保存する"),
                                  {{VNString(u8"テキストファイル(*.txt)"), VNString(u8"*.txt")}},
                                  &initial, chosen, Handle()))
        return;
    const std::string bytes = Controls().GetText(id::Text).Bytes();
    vn::AtomicFile file;
    if (!file.Open(NativePathOf(chosen))) {
        ShowError(Handle(), u8"ファイルを作成できませんでした。");
        return;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.Stream()) == bytes.size();
    if (!written || !file.Commit())
        ShowError(Handle(), u8"ファイルの書き込みに失敗しました。");
}
