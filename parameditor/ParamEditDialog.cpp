#include "parameditor/ParamEditDialog.h"

#include "parameditor/TextInputDialog.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/NameWarning.h"
#include "platform/WindowIcon.h"
#include "resources/Resource.h"

#include <cstring>
#include <utility>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

constexpr int kNameField = 1002;

const std::vector<platform::FileFilter>& FlagFilters() {
    static const std::vector<platform::FileFilter> filters = {
        {VNString(u8"パラメタファイル(*.flg)"), VNString(u8"*.flg")}};
    return filters;
}

// The chosen paths are full paths in the suite's strings; files are opened
// by their native (UTF-8) name.
std::string NativePath(const VNString& path) {
    std::string native;
    if (!path.ToUtf8(native))
        native = path.ToUtf8Lossy();
    return native;
}

// A name typed with characters that have no Shift-JIS form would be stored
// with '?' in their place: it is refused with a warning instead.
bool NameFits(const VNDTextInput& input, platform::WindowHandle owner) {
    if (input.FitsShiftJis())
        return true;
    platform::WarnNameWithoutShiftJis(owner, VNString(u8"パラメタ名"), VNString(u8"vnparedit"));
    return false;
}

} // namespace

VNString SaveFailureText(const std::string& native, int error) {
    VNString reason;
    if (!VNString::FromUtf8(std::strerror(error), reason))
        reason = VNString();
    return platform::NativePathText(native) + VNString(u8" のセーブに失敗しました。\n") + reason;
}

VNString ParamLine(const VNString& name, int32_t value) {
    return name + VNString(u8"　") + VNString(value);
}

VNDParamEdit::VNDParamEdit(std::unique_ptr<VNParamFile> table, std::string fileName,
                           vn::FileStamp read)
    : table_(table ? std::move(table) : std::make_unique<VNParamFile>()),
      fileName_(std::move(fileName)),
      disk_({[this] { return Handle() != nullptr; }, [this] { return modified_; },
             [this](const std::string& path) { return Reload(path); }, [this] { UpdateTitle(); }}) {
    if (read.Path() != fileName_ || fileName_.empty())
        read = vn::FileStamp::Take(fileName_);
    disk_.Remember(read);
}

int VNDParamEdit::Run() {
    return ShowModal(VNString(u8"vnparedit"), "IDD_PARAMEDIT", nullptr);
}

bool VNDParamEdit::OnInit() {
    platform::SetWindowIcon(Handle(), "IDI_ICON");
    FillList();
    CheckFileOnDisk();
    return true;
}

void VNDParamEdit::UpdateTitle() {
    if (!Handle())
        return;
    Controls().SetCaption(disk_.NoteText() + VNString(u8"vnparedit"));
}

bool VNDParamEdit::Reload(const std::string& path) {
    auto loaded = std::make_unique<VNParamFile>();
    if (!loaded->Load(path))
        return false;
    const int selected = Controls().ListGetSelection(IDC_LIST);
    table_ = std::move(loaded);
    FillList();
    const int last = table_->GetCount() - 1;
    if (selected >= 0 && last >= 0)
        Controls().ListSetSelection(IDC_LIST, selected < last ? selected : last);
    return true;
}

void VNDParamEdit::FillList() {
    Controls().ListReset(IDC_LIST);
    for (int32_t n = 0; n < table_->GetCount(); ++n)
        Controls().ListAdd(IDC_LIST, LineOf(n));
}

VNString VNDParamEdit::LineOf(int n) const {
    return ParamLine(table_->GetName(n), table_->GetValue(n));
}

void VNDParamEdit::OnCommand(platform::WPARAM wParam, platform::LPARAM) {
    switch (platform::LowWord(wParam)) {
    case ID_OPEN:
        Open();
        break;
    case ID_SAVE:
        Save();
        break;
    case ID_SAVEAS:
        SaveAs();
        break;
    case ID_EXIT:
    case resources::IDCANCEL: // Escape asks like Exit instead of dropping the changes
        Exit();
        break;
    case resources::IDOK: // Enter in the list ends nothing
        break;
    case ID_ADD:
        AddParameter();
        break;
    case ID_RENAME:
        RenameParameter();
        break;
    case ID_SETVALUE:
        SetParameterValue();
        break;
    case ID_DELETE:
        DeleteParameter();
        break;
    default:
        break;
    }
    // The title's note that the file was read again goes with the first change.
    if (modified_)
        disk_.Modified();
}

void VNDParamEdit::OnClose() {
    Exit();
}

bool VNDParamEdit::AskAboutChanges() {
    return !modified_ || platform::ConfirmDiscardChanges(Handle(), VNString(u8"vnparedit"),
                                                         [this] { return Save(); });
}

void VNDParamEdit::Open() {
    if (!AskAboutChanges())
        return;
    VNString chosen;
    if (!platform::ChooseOpenFile(VNString(u8"ファイルを開く"), FlagFilters(), nullptr, chosen,
                                  Handle()))
        return;
    LoadFile(NativePath(chosen), u8"vnparedit");
}

void VNDParamEdit::OnDropFiles(const platform::DropFiles& drop) {
    // The file is opened by the name it has on disk, whatever its spelling.
    platform::DroppedFile file;
    if (!platform::FirstDroppedFile(drop, Handle(), VNString(u8"フラグエディタ"), file) ||
        !AskAboutChanges())
        return;
    LoadFile(file.native, u8"フラグエディタ");
}

void VNDParamEdit::LoadFile(const std::string& path, const char8_t* failureCaption) {
    const vn::FileStamp stamp = vn::FileStamp::Take(path);
    // A fresh table replaces the old one only when it loaded completely.
    auto loaded = std::make_unique<VNParamFile>();
    if (!loaded->Load(path)) {
        platform::ShowMessage(Handle(), VNString(u8"ロードに失敗しました。"),
                              VNString(failureCaption), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    table_ = std::move(loaded);
    fileName_ = path;
    FillList();
    modified_ = false;
    disk_.Remember(stamp);
    UpdateTitle();
}

bool VNDParamEdit::Save() {
    if (fileName_.empty()) {
        const VNString initial(u8"新規フラグ.flg");
        VNString chosen;
        if (!platform::ChooseSaveFile(VNString(u8"名前を付けて保存"), FlagFilters(), &initial,
                                      chosen, Handle()))
            return false;
        fileName_ = NativePath(chosen);
    } else if (!disk_.MayOverwrite(Handle(), fileName_, VNString(u8"vnparedit"))) {
        return false; // the file on disk stays as another program left it
    }
    return WriteTable();
}

bool VNDParamEdit::SaveAs() {
    // The current file is proposed by the name it has on disk, so confirming
    // it writes that file and not a differently spelled one beside it.
    std::string chosen;
    if (!platform::ChooseSaveNativeFile(VNString(u8"名前を付けて保存"), FlagFilters(), fileName_,
                                        chosen, Handle()))
        return false;
    // A failed attempt leaves the name Save writes as it was.
    std::string previous = std::exchange(fileName_, chosen);
    if (WriteTable())
        return true;
    fileName_ = std::move(previous);
    return false;
}

bool VNDParamEdit::WriteTable() {
    int error = 0;
    if (!table_->Save(fileName_, &error)) {
        platform::ShowMessage(Handle(), SaveFailureText(fileName_, error), VNString(u8"vnparedit"),
                              MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    platform::ShowMessage(Handle(), VNString(u8"ファイルに保存しました。"), VNString(u8"確認"),
                          MsgButtons::Ok, MsgIcon::None);
    modified_ = false;
    // The file holds the table now: that is what a later change is told from.
    disk_.Remember(vn::FileStamp::Take(fileName_));
    UpdateTitle();
    return true;
}

void VNDParamEdit::Exit() {
    // "Yes" saves while the window is still open: when that save fails or
    // its chooser is cancelled the window stays, with nothing lost.
    if (AskAboutChanges())
        EndDialog(0);
}

void VNDParamEdit::AddParameter() {
    VNString name;
    VNDTextInput input;
    if (!input.Run(VNString(u8"パラメタの追加"), "IDD_SETNAME", kNameField, VNString(), Handle(),
                   name) ||
        !NameFits(input, Handle()))
        return;
    if (!table_->Add(name, 0)) {
        platform::ShowMessage(Handle(), VNString(u8"同じ名前のパラメタがすでに存在しています。"),
                              VNString(u8"vnparedit"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The new parameter is selected, so that setting its value comes next.
    Controls().ListAdd(IDC_LIST, LineOf(table_->GetCount() - 1));
    Controls().SetFocus(IDC_LIST);
    Controls().ListSetSelection(IDC_LIST, table_->GetCount() - 1);
    modified_ = true;
}

void VNDParamEdit::RenameParameter() {
    const int selected = Controls().ListGetSelection(IDC_LIST);
    if (selected < 0 || selected >= table_->GetCount())
        return;
    const VNString current = table_->GetName(selected);
    VNString name;
    VNDTextInput input;
    if (!input.Run(VNString(u8"名前の変更"), "IDD_SETNAME", kNameField, current, Handle(), name) ||
        !NameFits(input, Handle()))
        return;
    if (name == current)
        return;
    if (table_->Find(name) >= 0) {
        platform::ShowMessage(Handle(), VNString(u8"同じ名前のパラメタがすでに存在しています。"),
                              VNString(u8"vnparedit"), MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    // The renamed parameter moves to the end of the table.
    const int32_t value = table_->GetValue(selected);
    table_->Remove(selected);
    Controls().ListDelete(IDC_LIST, selected);
    table_->Add(name, value);
    Controls().ListAdd(IDC_LIST, LineOf(table_->GetCount() - 1));
    Controls().SetFocus(IDC_LIST);
    Controls().ListSetSelection(IDC_LIST, table_->GetCount() - 1);
    modified_ = true;
}

void VNDParamEdit::SetParameterValue() {
    const int selected = Controls().ListGetSelection(IDC_LIST);
    if (selected < 0 || selected >= table_->GetCount())
        return;
    VNString text;
    VNDTextInput input;
    if (!input.Run(VNString(u8"値の設定"), "IDD_SETVALUE", kNameField,
                   VNString(table_->GetValue(selected)), Handle(), text))
        return;
    table_->SetValue(selected, text.ToInt());
    Controls().ListDelete(IDC_LIST, selected);
    Controls().ListInsert(IDC_LIST, selected, LineOf(selected));
    Controls().SetFocus(IDC_LIST);
    Controls().ListSetSelection(IDC_LIST, selected);
    modified_ = true;
}

void VNDParamEdit::DeleteParameter() {
    const int selected = Controls().ListGetSelection(IDC_LIST);
    if (selected < 0 || selected >= table_->GetCount())
        return;
    table_->Remove(selected);
    Controls().ListDelete(IDC_LIST, selected);
    Controls().SetFocus(IDC_LIST);
    // The line now at the same place, or the previous one after the last.
    const int count = table_->GetCount();
    Controls().ListSetSelection(IDC_LIST, selected < count ? selected : count - 1);
    modified_ = true;
}
