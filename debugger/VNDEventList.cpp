#include "debugger/VNDEventList.h"

#include "eventeditor/VNEventEditDlg.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "resources/BreakpointResources.h"
#include "resources/DebuggerResources.h"
#include "scenario/GamePath.h"
#include "scenario/Summary.h"
#include "scenario/VNAssert.h"
#include "scenario/VNEventFile.h"

#include <cstddef>

using namespace platform;
namespace id = resources::debug_id;
namespace bid = resources::break_id;

namespace {

// The list font: a fixed-pitch face, so the numbers and the summaries'
// full-width spaces line up.
constexpr resources::FontSpec kListFont{u8"ＭＳ ゴシック", 0, 12, false};

const VNString kSaved(u8"ファイルに保存しました。");
const VNString kSaveFailed(u8"保存に失敗しました。");

std::string NativePath(const VNString& path) {
    std::string native;
    if (!path.ToUtf8(native)) {
        native = path.ToUtf8Lossy();
    }
    return native;
}

} // namespace

VNDEventList::VNDEventList(VNEventFile& events, VNString name, std::string gameFolder,
                           int32_t initial)
    : events_(events), gameFolder_(gameFolder), own_(gameFolder), running_(own_),
      jumpIndex_(initial), next_(initial) {
    own_.Read(name, &events,
              vn::FileStamp::Take(GamePath(gameFolder_, VNString("event\\") + name)));
}

VNDEventList::VNDEventList(RunningEventFile& running, int32_t initial)
    : events_(*running.Events()), gameFolder_(running.GameFolder()), own_(std::string()),
      running_(running), jumpIndex_(initial), next_(initial) {}

VNDEventList::VNDEventList(RunningEventFile& running, int32_t initial, Breakpoints& breakpoints,
                           std::function<void()> changed)
    : VNDEventList(running, initial) {
    breakpoints_ = &breakpoints;
    breakpointsChanged_ = std::move(changed);
}

void VNDEventList::Run(WindowHandle owner) {
    ShowModal(VNString(u8"イベントリスト"), "IDD_EVENTLIST", owner);
}

VNString VNDEventList::Line(int32_t index) {
    const WindowHandle owner = Handle();
    const VNString summary =
        PlayerSummary(*events_.Get(index), [owner](const VNString& text, const VNString& caption) {
            ShowMessage(owner, text, caption, MsgButtons::Ok, MsgIcon::Warning);
        });
    const VNString line = NumberedLine(index + 1, summary);
    if (!breakpoints_ || !breakpoints_->Has(running_.Name(), index)) {
        return line;
    }
    return VNString(breakpoints_->ConditionAt(running_.Name(), index) ? u8"▲" : u8"■") + line;
}

bool VNDEventList::OnInit() {
    DialogHost& c = Controls();
    c.SetControlFont(id::List, kListFont);
    for (int32_t i = 0; i < events_.GetCount(); ++i) {
        c.ListAdd(id::List, Line(i));
    }
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, jumpIndex_);
    for (int button : {bid::Toggle, bid::Condition, bid::RunToHere}) {
        c.EnableControl(button, breakpoints_ != nullptr);
    }
    return false; // the list has the focus already
}

void VNDEventList::OnClose() {
    CloseSequence();
}

void VNDEventList::OnCommand(WPARAM wParam, LPARAM /*lParam*/) {
    switch (LowWord(wParam)) {
    case id::Edit:
        EditSelected();
        break;
    case id::Jump:
        JumpToSelected();
        break;
    case id::SaveToFile:
        SaveToFile();
        break;
    case id::SaveAs:
        SaveAs();
        break;
    case id::Back:
        CloseSequence();
        break;
    case id::List:
        if (HighWord(wParam) == LBN_F9KEY) {
            ToggleBreakpoint();
        } else if (HighWord(wParam) == LBN_DELETEKEY) {
            DeleteSelected();
        }
        break;
    case bid::Toggle:
        ToggleBreakpoint();
        break;
    case bid::Condition:
        EditCondition();
        break;
    case bid::RunToHere:
        RunToSelected();
        break;
    case bid::InsertCopy:
        InsertCopy();
        break;
    case bid::DeleteEvent:
        DeleteSelected();
        break;
    default:
        break;
    }
}

void VNDEventList::EditSelected() {
    DialogHost& c = Controls();
    const int selection = c.ListGetSelection(id::List);
    if (selection < 0) {
        return;
    }
    VNEvent* e = selection < events_.GetCount() ? events_.Get(selection) : NULL;
    VN_ASSERT(e != NULL);
    if (!VNEventEditDlg(Handle(), EventDialogSet::Probe).Edit(e)) {
        return;
    }
    c.ListDelete(id::List, selection);
    c.ListInsert(id::List, selection, Line(selection));
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, selection);
    EditedHere();
}

void VNDEventList::EditedHere() {
    modified_ = true;
    running_.MarkEdited();
}

void VNDEventList::JumpToSelected() {
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0) {
        return;
    }
    CloseSequence();
    // Also when the question was cancelled and the list stays open: the
    // choice then waits until the list is closed another way.
    jumpIndex_ = selection;
}

bool VNDEventList::SaveToFile() {
    if (!running_.Save(Handle()))
        return false;
    modified_ = false;
    return true;
}

void VNDEventList::SaveAs() {
    const std::vector<FileFilter> filters = {{VNString(u8"ｲﾍﾞﾝﾄﾌｧｲﾙ(*.evt)"), VNString(u8"*.evt")}};
    // Proposed in the game's event folder.
    VNString initial;
    if (!VNString::FromUtf8(GamePath(gameFolder_, VNString("event")) + "/", initial)) {
        initial = VNString();
    }
    initial = initial + VNString(u8"新規イベント.evt");
    VNString chosen;
    if (!ChooseSaveFile(VNString(u8"名前を付けて保存"), filters, &initial, chosen, Handle())) {
        return;
    }
    if (!events_.Save(NativePath(chosen))) {
        ShowMessage(Handle(), kSaveFailed, VNString(u8"エラー"), MsgButtons::Ok, MsgIcon::Warning);
        return;
    }
    running_.SavedAs(NativePath(chosen));
    ShowMessage(Handle(), kSaved, VNString(u8"確認"), MsgButtons::Ok, MsgIcon::None);
}

void VNDEventList::CloseSequence() {
    jumpIndex_ = -1;
    if (!modified_) {
        EndDialog(0);
        return;
    }
    // A failed save keeps the list open, so the author can try again or
    // save under another name. "No" leaves the edits in the running file:
    // they are asked about again before that file is dropped.
    if (ConfirmDiscardChanges(Handle(), VNString(u8"変更をファイルに保存しますか？"),
                              VNString(u8"vnevedit"), [this] { return SaveToFile(); })) {
        EndDialog(0);
    }
}
