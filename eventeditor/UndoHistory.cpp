#include "eventeditor/UndoHistory.h"

#include <algorithm>

namespace {

bool SameEvent(const VNEvent& a, const VNEvent& b) {
    if (a.GetCode() != b.GetCode() || a.GetParamCount() != b.GetParamCount())
        return false;
    for (int32_t n = 0; n < a.GetParamCount(); ++n) {
        if (a.IsIntArg(n) ? a.GetInt(n) != b.GetInt(n) : !(a.GetString(n) == b.GetString(n)))
            return false;
    }
    return true;
}

std::size_t EventsOf(const ListChange& change) {
    return change.before.size() + change.after.size();
}

// Puts `to` where `from` is at `at`. Events are overwritten in place where
// both have one, so a long rewritten range moves no other event around.
void Swap(VNEventFile& events, int at, const std::vector<VNEvent>& from,
          const std::vector<VNEvent>& to) {
    const int common = static_cast<int>(std::min(from.size(), to.size()));
    for (int n = 0; n < common; ++n)
        *events.Get(at + n) = to[n];
    for (int n = static_cast<int>(from.size()) - 1; n >= common; --n)
        events.Remove(at + n);
    for (int n = common; n < static_cast<int>(to.size()); ++n)
        events.Insert(&to[n], at + n);
}

} // namespace

ListChange Difference(const VNEventFile& from, const VNEventFile& to) {
    const int fromCount = from.GetCount(), toCount = to.GetCount();
    int head = 0;
    while (head < fromCount && head < toCount && SameEvent(*from.Get(head), *to.Get(head)))
        ++head;
    int tail = 0;
    while (tail < fromCount - head && tail < toCount - head &&
           SameEvent(*from.Get(fromCount - 1 - tail), *to.Get(toCount - 1 - tail)))
        ++tail;
    ListChange change;
    change.at = head;
    for (int n = head; n < fromCount - tail; ++n)
        change.before.push_back(*from.Get(n));
    for (int n = head; n < toCount - tail; ++n)
        change.after.push_back(*to.Get(n));
    return change;
}

void UndoHistory::Record(ListChange change) {
    while (steps_.size() > position_) {
        events_ -= EventsOf(steps_.back());
        steps_.pop_back();
    }
    if (saved_ != kNowhere && saved_ > position_)
        saved_ = kNowhere; // the saved state was among the dropped changes
    events_ += EventsOf(change);
    steps_.push_back(std::move(change));
    ++position_;
    Trim();
}

void UndoHistory::Trim() {
    while (steps_.size() > kMaxSteps || (steps_.size() > kMinSteps && events_ > kEventBudget)) {
        events_ -= EventsOf(steps_.front());
        steps_.pop_front();
        --position_;
        saved_ = saved_ == 0 || saved_ == kNowhere ? kNowhere : saved_ - 1;
    }
}

int UndoHistory::Undo(VNEventFile& events) {
    if (!CanUndo())
        return -1;
    const ListChange& change = steps_[--position_];
    Swap(events, change.at, change.after, change.before);
    return change.at;
}

int UndoHistory::Redo(VNEventFile& events) {
    if (!CanRedo())
        return -1;
    const ListChange& change = steps_[position_++];
    Swap(events, change.at, change.before, change.after);
    return change.at;
}

void UndoHistory::Clear() {
    steps_.clear();
    position_ = 0;
    saved_ = 0;
    events_ = 0;
}
