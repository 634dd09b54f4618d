#include "eventeditor/EventEditDlg.h"

#include "eventeditor/EditorFiles.h"
#include "eventeditor/InsertTypes.h"
#include "eventeditor/ScriptLossCheck.h"
#include "eventeditor/VNDScript.h"
#include "eventeditor/VNEventEditDlg.h"
#include "platform/DropFiles.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/WindowIcon.h"
#include "resources/EventEditorResources.h"
#include "resources/EventEditorUndoFind.h"
#include "scenario/ScriptText.h"
#include "scenario/Summary.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

using platform::MsgButtons;
using platform::MsgIcon;
namespace id = resources::event_edit;

namespace {

const VNString& ProgramCaption() {
    static const VNString caption(u8"vnevedit");
    return caption;
}

// The list's fixed-pitch font and line layout.
const resources::FontSpec kListFont{u8"ＭＳ ゴシック", 0, 12, false};
constexpr int kItemHeight = 17;
constexpr int kScrollExtent = 4096;

// The file-name part of the file's full path.
VNString FileNamePart(const std::string& native) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(native, error);
    if (error)
        full = native;
    return platform::NativePathText(full.filename().string());
}

} // namespace

VNString LoadFailureText(const std::string& native, const VNLoadError& why) {
    VNString reason;
    if (!VNString::FromUtf8(why.Describe(), reason))
        reason = VNString();
    return platform::NativePathText(native) + VNString(u8" を読み込めませんでした。\n") + reason;
}

EventEditDlg::EventEditDlg()
    : events_(std::make_unique<VNEventFile>()),
      disk_({[this] { return Handle() != nullptr; }, [this] { return modified_; },
             [this](const std::string& path) { return Reload(path); }, [this] { UpdateTitle(); }}) {
}

EventEditDlg::~EventEditDlg() = default;

int EventEditDlg::Run(const std::string& fileName) {
    events_ = std::make_unique<VNEventFile>();
    fileName_ = fileName;
    nameUnconfirmed_ = false;
    disk_.Remember(vn::FileStamp());
    if (!fileName_.empty()) {
        const vn::FileStamp stamp = vn::FileStamp::Take(fileName_);
        VNLoadError why;
        if (events_->Load(fileName_, &why)) {
            disk_.Remember(stamp);
        } else {
            // Reported, and never written over unasked: the list starts empty.
            platform::ShowMessage(nullptr, LoadFailureText(fileName_, why), ProgramCaption(),
                                  MsgButtons::Ok, MsgIcon::Warning);
            events_ = std::make_unique<VNEventFile>();
            nameUnconfirmed_ = true;
        }
    }
    modified_ = false;
    history_.Clear();
    for (;;) {
        const int result = ShowModal(ProgramCaption(), "IDD_EVENTEDIT", nullptr);
        // Result 1: the author chose to save on closing. A save that fails or
        // whose chooser is cancelled brings the window back, so the changes
        // are not lost.
        if (result != 1)
            return result < 0 ? result : 0;
        if (Save())
            return 0;
    }
}

bool EventEditDlg::OnInit() {
    platform::DialogHost& c = Controls();
    platform::SetWindowIcon(Handle(), "IDI_ICON");
    // Commands beyond the menu resource, which stays as it is.
    c.InsertMenuItems(id::SaveAs, resources::FileMenuAdditions());
    c.InsertMenuItems(id::EditScript, resources::EditMenuAdditions());
    UpdateTitle();
    c.SetControlFont(id::List, kListFont);
    c.ListSetItemHeight(id::List, kItemHeight);
    c.ListSetHorizontalExtent(id::List, kScrollExtent);
    Refresh(0);
    c.ComboReset(id::InsertType);
    for (const InsertType& type : InsertTypes())
        c.ComboAdd(id::InsertType, VNString(type.text));
    c.ComboSetSelection(id::InsertType, 0);
    // The window may come back after a failed save: the file may have
    // changed while it was away.
    CheckFileOnDisk();
    return true;
}

void EventEditDlg::UpdateTitle() {
    if (!Handle())
        return;
    const VNString name = fileName_.empty() ? VNString(u8"新規") : FileNamePart(fileName_);
    Controls().SetCaption(disk_.NoteText() + name + VNString(u8" - vnevedit -"));
}

bool EventEditDlg::Reload(const std::string& path) {
    auto loaded = std::make_unique<VNEventFile>();
    if (!loaded->Load(path))
        return false;
    const int selected = Controls().ListGetSelection(id::List);
    events_ = std::move(loaded);
    history_.Clear(); // the changes were made to what the file held before
    Refresh(0);
    if (selected >= 0)
        Controls().ListSetSelection(id::List, std::min(selected, events_->GetCount()));
    return true;
}

void EventEditDlg::Refresh(int from) {
    platform::DialogHost& c = Controls();
    if (from <= 0) {
        from = 0;
        c.ListReset(id::List);
    } else {
        // From the end, so no line is moved more than once.
        for (int last = c.ListCount(id::List) - 1; last >= from; --last)
            c.ListDelete(id::List, last);
    }
    const int count = events_->GetCount();
    for (int n = from; n < count; ++n)
        c.ListAdd(id::List, NumberedLine(n + 1, Summary(*events_->Get(n))));
    c.ListAdd(id::List, NumberedLine(count + 1, VNString()));
}

int EventEditDlg::SelectedEvent() const {
    const int selected = Controls().ListGetSelection(id::List);
    return selected >= 0 && selected < events_->GetCount() ? selected : -1;
}

int EventEditDlg::InsertionPoint() const {
    const int selected = Controls().ListGetSelection(id::List);
    return selected >= 0 && selected <= events_->GetCount() ? selected : events_->GetCount();
}

void EventEditDlg::EditedAt(int selected) {
    Controls().SetFocus(id::List);
    Controls().ListSetSelection(id::List, selected);
    SetModified();
}

void EventEditDlg::SetModified() {
    modified_ = true;
    disk_.Modified();
}

void EventEditDlg::OnCommand(platform::WPARAM wParam, platform::LPARAM) {
    switch (platform::LowWord(wParam)) {
    case id::Insert:
        Insert();
        break;
    case id::Change:
        Change();
        break;
    case id::Cut:
        Cut();
        break;
    case id::Copy:
        Copy();
        break;
    case id::Paste:
        Paste();
        break;
    case id::Delete:
        Delete();
        break;
    case id::Open:
        Open();
        break;
    case id::Save:
        Save();
        break;
    case id::SaveAs:
        SaveAs();
        break;
    case id::Exit:
        Close();
        break;
    case resources::IDCANCEL: // Escape: only the close box and the menu close the window
        break;
    case id::List: // a double click changes the event, the Delete key deletes it
        if (platform::HighWord(wParam) == platform::LBN_DBLCLK)
            Change();
        else if (platform::HighWord(wParam) == platform::LBN_DELETEKEY)
            Delete();
        break;
    case id::EditScript:
        EditAsScript();
        break;
    case id::CheckFile:
        CheckThisFile();
        break;
    default:
        UndoOrFind(platform::LowWord(wParam));
        break;
    }
}

void EventEditDlg::Insert() {
    const int at = InsertionPoint();
    const int entry = Controls().ComboGetSelection(id::InsertType);
    const auto types = InsertTypes();
    if (entry < 0 || entry >= static_cast<int>(types.size()) || types[entry].code == 0)
        return; // a separator line
    VNEvent event(types[entry].code);
    if (!VNEventEditDlg(Handle(), EventDialogSet::Editor).Edit(&event))
        return;
    events_->Insert(&event, at);
    history_.Record({at, {}, {event}});
    Refresh(at);
    EditedAt(at + 1); // the line that was selected, one further down
}

void EventEditDlg::Change() {
    const int n = SelectedEvent();
    if (n < 0)
        return;
    VNEvent copy(*events_->Get(n));
    if (!VNEventEditDlg(Handle(), EventDialogSet::Editor).Edit(&copy))
        return;
    history_.Record({n, {*events_->Get(n)}, {copy}});
    events_->Replace(&copy, n);
    platform::DialogHost& c = Controls();
    if (c.ListDelete(id::List, n) < 0)
        Refresh(0);
    else
        c.ListInsert(id::List, n, NumberedLine(n + 1, Summary(*events_->Get(n))));
    EditedAt(n);
}

void EventEditDlg::Copy() {
    const int n = SelectedEvent();
    if (n >= 0)
        clipboard_ = std::make_unique<VNEvent>(*events_->Get(n));
}

void EventEditDlg::Paste() {
    if (!clipboard_)
        return;
    const int at = InsertionPoint();
    events_->Insert(clipboard_.get(), at);
    history_.Record({at, {}, {*clipboard_}});
    Refresh(at);
    EditedAt(at);
}

void EventEditDlg::Delete() {
    const int n = SelectedEvent();
    if (n < 0)
        return;
    history_.Record({n, {*events_->Get(n)}, {}});
    events_->Remove(n);
    Refresh(n);
    EditedAt(n); // the next event now, or the end line
}

void EventEditDlg::Cut() {
    if (SelectedEvent() < 0)
        return;
    Copy();
    Delete();
}

bool EventEditDlg::ConfirmDiscard() {
    return !modified_ ||
           platform::ConfirmDiscardChanges(Handle(), ProgramCaption(), [this] { return Save(); });
}

void EventEditDlg::Open() {
    if (!ConfirmDiscard())
        return;
    VNString chosen;
    if (platform::ChooseOpenFile(VNString(u8"ファイルを開く"), EventFileFilters(), nullptr, chosen,
                                 Handle()))
        LoadFile(NativePathOf(chosen));
}

void EventEditDlg::OnDropFiles(const platform::DropFiles& drop) {
    if (scriptOpen_)
        return; // the script window holds the events meanwhile
    // The file is opened by the name it has on disk, whatever its spelling.
    platform::DroppedFile file;
    if (!platform::FirstDroppedFile(drop, Handle(), ProgramCaption(), file) || !ConfirmDiscard())
        return;
    LoadFile(file.native);
}

void EventEditDlg::LoadFile(const std::string& native) {
    const vn::FileStamp stamp = vn::FileStamp::Take(native);
    // A fresh list replaces the old one only when it loaded completely.
    auto loaded = std::make_unique<VNEventFile>();
    VNLoadError why;
    if (!loaded->Load(native, &why)) {
        platform::ShowMessage(Handle(), LoadFailureText(native, why), ProgramCaption(),
                              MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    events_ = std::move(loaded);
    fileName_ = native;
    nameUnconfirmed_ = false;
    modified_ = false;
    history_.Clear();
    disk_.Remember(stamp);
    Refresh(0);
    UpdateTitle();
}

bool EventEditDlg::Save() {
    if (fileName_.empty() || nameUnconfirmed_) {
        const VNString title(u8"名前を付けて保存");
        std::string chosen;
        if (nameUnconfirmed_) {
            // The file that did not load is proposed by its name on disk;
            // the chooser asks before it is replaced.
            if (!platform::ChooseSaveNativeFile(title, EventFileFilters(), fileName_, chosen,
                                                Handle()))
                return false;
        } else {
            const VNString initial(u8"新規イベント.evt");
            VNString path;
            if (!platform::ChooseSaveFile(title, EventFileFilters(), &initial, path, Handle()))
                return false;
            chosen = NativePathOf(path);
        }
        fileName_ = chosen;
        nameUnconfirmed_ = false;
        UpdateTitle();
    } else if (!disk_.MayOverwrite(Handle(), fileName_, ProgramCaption())) {
        return false; // the file on disk stays as another program left it
    }
    if (!events_->Save(fileName_)) {
        platform::ShowMessage(Handle(), VNString(u8"保存に失敗しました。"), ProgramCaption(),
                              MsgButtons::Ok, MsgIcon::Warning);
        return false;
    }
    modified_ = false;
    history_.MarkSaved();
    disk_.Remember(vn::FileStamp::Take(fileName_));
    UpdateTitle();
    platform::ShowMessage(Handle(), VNString(u8"ファイルに保存しました。"), VNString(u8"確認"),
                          MsgButtons::Ok, MsgIcon::None);
    return true;
}

void EventEditDlg::SaveAs() {
    const std::string remembered = fileName_;
    const bool unconfirmed = nameUnconfirmed_;
    fileName_.clear();
    nameUnconfirmed_ = false;
    if (!Save()) {
        fileName_ = remembered;
        nameUnconfirmed_ = unconfirmed;
        UpdateTitle();
    }
}

void EventEditDlg::OnClose() {
    Close();
}

void EventEditDlg::Close() {
    if (!modified_) {
        EndDialog(0);
        return;
    }
    switch (platform::ShowMessage(Handle(), VNString(u8"変更を保存しますか？"), ProgramCaption(),
                                  MsgButtons::YesNoCancel, MsgIcon::Question)) {
    case platform::IDYES:
        EndDialog(1); // saved once the window has gone (Run)
        break;
    case platform::IDNO:
        EndDialog(0);
        break;
    default:
        break;
    }
}

void EventEditDlg::EditAsScript() {
    std::string text = ToScriptText(*events_);
    const ScriptLossCheck check(*events_);
    scriptOpen_ = true;
    VNDScript script;
    const bool applied = script.Run(text, check, Handle());
    scriptOpen_ = false;
    if (!applied)
        return;
    auto rebuilt = std::make_unique<VNEventFile>();
    FromScriptText(text, *rebuilt);
    history_.Record(Difference(*events_, *rebuilt));
    events_ = std::move(rebuilt);
    Refresh(0);
    SetModified();
}
