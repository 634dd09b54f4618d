#include "player/RollbackHistory.h"

#include <algorithm>
#include <utility>

namespace {

int32_t ValueAt(const std::vector<int32_t>& values, size_t index) {
    return index < values.size() ? values[index] : 0;
}

// A table may have grown or shrunk (vnprobe adds and removes parameters):
// values past its end stand as 0 and are not written.
void SetValue(std::vector<int32_t>& values, size_t index, int32_t value) {
    if (index < values.size()) {
        values[index] = value;
    }
}

// The heap a text holds beyond its own object (none while it fits inside).
size_t HeapBytes(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

} // namespace

void RollbackHistory::Clear() {
    steps_.clear();
    newest_ = RollbackState();
}

void RollbackHistory::Record(RollbackPlace place, const RollbackState& now) {
    // Plain copies of the bytes: no wide form comes along.
    place.fileName = VNString::FromBytes(place.fileName.Bytes());
    place.text = VNString::FromBytes(place.text.Bytes());
    Step step{std::move(place), {}, {}};
    for (uint8_t table = 0; table < RollbackState::kTableCount; ++table) {
        const std::vector<int32_t>& before = newest_.ints[table];
        const std::vector<int32_t>& after = now.ints[table];
        for (size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
            const int32_t old = ValueAt(before, i);
            const int32_t value = ValueAt(after, i);
            if (old != value) {
                step.ints.push_back({table, static_cast<int32_t>(i), old, value});
            }
        }
    }
    for (uint8_t slot = 0; slot < RollbackState::kTextCount; ++slot) {
        if (newest_.texts[slot] != now.texts[slot]) {
            step.texts.push_back({slot, newest_.texts[slot], now.texts[slot]});
        }
    }
    step.ints.shrink_to_fit();
    step.texts.shrink_to_fit();
    steps_.push_back(std::move(step));
    if (steps_.size() > kMaxSteps) {
        steps_.pop_front();
    }
    newest_ = now;
}

void RollbackHistory::Move(RollbackState& state, size_t from, size_t to) const {
    // Back: each step's changes undone, newest first; forward: made again.
    for (size_t at = from; at > to; --at) {
        const Step& step = steps_[at];
        for (const IntChange& c : step.ints) {
            SetValue(state.ints[c.table], static_cast<size_t>(c.index), c.before);
        }
        for (const TextChange& c : step.texts) {
            state.texts[c.slot] = c.before;
        }
    }
    for (size_t at = from + 1; at <= to; ++at) {
        const Step& step = steps_[at];
        for (const IntChange& c : step.ints) {
            SetValue(state.ints[c.table], static_cast<size_t>(c.index), c.after);
        }
        for (const TextChange& c : step.texts) {
            state.texts[c.slot] = c.after;
        }
    }
}

void RollbackHistory::DiscardAfter(size_t last, const RollbackState& atLast) {
    steps_.resize(std::min(steps_.size(), last + 1));
    newest_ = atLast;
}

size_t RollbackHistory::StepBytes(size_t step) const {
    const Step& s = steps_[step];
    size_t bytes = sizeof(Step) + HeapBytes(s.place.fileName.Bytes()) +
                   HeapBytes(s.place.text.Bytes()) + s.ints.capacity() * sizeof(IntChange) +
                   s.texts.capacity() * sizeof(TextChange);
    for (const TextChange& c : s.texts) {
        bytes += HeapBytes(c.before) + HeapBytes(c.after);
    }
    return bytes;
}
