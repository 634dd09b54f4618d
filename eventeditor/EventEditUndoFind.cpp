// The main window's undo, redo and find commands.
#include "eventeditor/EventEditDlg.h"
#include "eventeditor/EventSearch.h"
#include "eventeditor/FindDialog.h"
#include "platform/MessageBox.h"
#include "resources/EventEditorResources.h"

namespace id = resources::event_edit;

bool EventEditDlg::UndoOrFind(int command) {
    switch (command) {
    case id::Undo:
        Undo();
        return true;
    case id::Redo:
        Redo();
        return true;
    case id::Find:
        Find();
        return true;
    case id::FindNext:
        FindAgain(true);
        return true;
    case id::FindPrevious:
        FindAgain(false);
        return true;
    default:
        return false;
    }
}

void EventEditDlg::Undo() {
    if (scriptOpen_)
        return; // the script window holds the events meanwhile
    const int at = history_.Undo(*events_);
    if (at >= 0)
        Stepped(at);
}

void EventEditDlg::Redo() {
    if (scriptOpen_)
        return;
    const int at = history_.Redo(*events_);
    if (at >= 0)
        Stepped(at);
}

void EventEditDlg::Stepped(int at) {
    Refresh(at);
    Controls().SetFocus(id::List);
    Controls().ListSetSelection(id::List, at);
    // Back where the file was saved the list holds nothing unsaved.
    modified_ = !history_.AtSaved();
    if (modified_)
        disk_.Modified();
}

void EventEditDlg::Find() {
    const FindDialog::Direction direction = FindDialog().Run(findText_, Handle());
    if (direction != FindDialog::Direction::None)
        FindAgain(direction == FindDialog::Direction::Next);
}

void EventEditDlg::FindAgain(bool forward) {
    if (findText_.GetLength() == 0) {
        Find(); // nothing looked for yet
        return;
    }
    const int found =
        FindEvent(*events_, findText_.Wide(), Controls().ListGetSelection(id::List), forward);
    if (found < 0) {
        platform::ShowMessage(
            Handle(), VNString(u8"「") + findText_ + VNString(u8"」は見つかりませんでした。"),
            VNString(u8"検索"), platform::MsgButtons::Ok, platform::MsgIcon::Information);
        return;
    }
    Controls().SetFocus(id::List);
    Controls().ListSetSelection(id::List, found);
}
