// The event list's breakpoint row: breakpoints and their conditions, run to
// here, and copying and deleting events, with the breakpoints and the next
// event following the events they belong to.
#include "debugger/BreakConditionDialog.h"
#include "debugger/VNDEventList.h"
#include "resources/DebuggerResources.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

#include <algorithm>
#include <memory>

using namespace platform;
namespace id = resources::debug_id;

void VNDEventList::ToggleBreakpoint() {
    const int selection = Controls().ListGetSelection(id::List);
    if (!breakpoints_ || selection < 0) {
        return;
    }
    breakpoints_->Toggle(running_.Name(), selection);
    BreakpointsChanged(selection);
}

void VNDEventList::EditCondition() {
    const int selection = Controls().ListGetSelection(id::List);
    if (!breakpoints_ || selection < 0) {
        return;
    }
    BreakConditionDialog dialog(breakpoints_->ConditionAt(running_.Name(), selection));
    if (!dialog.Run(Handle())) {
        return;
    }
    // A condition is set on the line's breakpoint, which is made when there
    // is none yet.
    breakpoints_->Set(running_.Name(), selection, dialog.Condition());
    BreakpointsChanged(selection);
}

void VNDEventList::BreakpointsChanged(int32_t selection) {
    DialogHost& c = Controls();
    c.ListDelete(id::List, selection);
    c.ListInsert(id::List, selection, Line(selection));
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, selection);
    if (breakpointsChanged_) {
        breakpointsChanged_();
    }
}

void VNDEventList::RunToSelected() {
    const int selection = Controls().ListGetSelection(id::List);
    if (!breakpoints_ || selection < 0) {
        return;
    }
    CloseSequence();
    if (Handle()) {
        return; // the author chose to stay in the list
    }
    breakpoints_->RunTo(running_.Name(), selection);
    runTo_ = true;
}

void VNDEventList::InsertCopy() {
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0 || selection >= events_.GetCount()) {
        return;
    }
    events_.Insert(std::make_unique<VNEvent>(*events_.Get(selection)), selection);
    if (next_ >= selection) {
        ++next_;
    }
    if (breakpoints_) {
        breakpoints_->Inserted(running_.Name(), selection);
    }
    RefillFrom(selection, selection);
    EditedHere();
    if (breakpoints_ && breakpointsChanged_) {
        breakpointsChanged_();
    }
}

void VNDEventList::DeleteSelected() {
    const int selection = Controls().ListGetSelection(id::List);
    if (selection < 0 || selection >= events_.GetCount()) {
        return;
    }
    events_.Remove(selection);
    if (next_ > selection) {
        --next_;
    }
    if (breakpoints_) {
        breakpoints_->Removed(running_.Name(), selection);
    }
    RefillFrom(selection, std::min(selection, events_.GetCount() - 1));
    EditedHere();
    if (breakpoints_ && breakpointsChanged_) {
        breakpointsChanged_();
    }
}

void VNDEventList::RefillFrom(int32_t first, int32_t selection) {
    DialogHost& c = Controls();
    while (c.ListCount(id::List) > first) {
        c.ListDelete(id::List, c.ListCount(id::List) - 1);
    }
    for (int32_t i = first; i < events_.GetCount(); ++i) {
        c.ListAdd(id::List, Line(i));
    }
    c.SetFocus(id::List);
    c.ListSetSelection(id::List, selection);
}
