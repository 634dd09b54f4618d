// The editor's undo and redo: every change of the event list as the events
// of one range before and after it, so undoing gives back the very events
// (and so the very file bytes) there were, and a change costs only the
// events it touched.
#pragma once

#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

#include <cstddef>
#include <deque>
#include <vector>

// One change: from index `at`, the events `before` were replaced by `after`.
struct ListChange {
    int at = 0;
    std::vector<VNEvent> before;
    std::vector<VNEvent> after;
};

// The change that turns `from` into `to`: the range between their common
// first and last events.
ListChange Difference(const VNEventFile& from, const VNEventFile& to);

class UndoHistory {
public:
    // At most this many changes are kept, and fewer (never under kMinSteps)
    // while the kept changes hold more than kEventBudget events.
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMinSteps = 100;
    static constexpr std::size_t kEventBudget = 200000;

    // A change made to the list; the changes undone before it are dropped.
    void Record(ListChange change);
    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ < steps_.size(); }
    // Takes back the last change (or makes the next undone one again) in
    // `events` and returns the index of its first event; -1 when there is
    // none.
    int Undo(VNEventFile& events);
    int Redo(VNEventFile& events);

    // The list as it stands is what the file holds (saved, or read).
    void MarkSaved() { saved_ = position_; }
    bool AtSaved() const { return saved_ == position_; }
    // A new list: no changes, and it is what the file holds.
    void Clear();

    std::size_t Steps() const { return steps_.size(); }

private:
    void Trim();

    std::deque<ListChange> steps_;
    std::size_t position_ = 0; // changes before it are done, from it on undone
    // Where the list is what the file holds; kNowhere once that state is
    // beyond reach (dropped redo changes, or trimmed old ones).
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);
    std::size_t saved_ = 0;
    std::size_t events_ = 0; // events held by all steps
};
