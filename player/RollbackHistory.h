// The history behind rollback: what the game looked like at each of the
// last messages, kept as the changes from one message to the next (the
// parameters written, the layer settings, the music, the title and the
// fades) beside one full copy of the state at the newest message.
#pragma once

#include "scenario/VNString.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// The state rollback restores. Texts: the eleven layer settings, then the
// MIDI file, the MP3 file and the save title. Integers: the global and the
// local parameter values in declaration order, and the CD track with the
// four fade settings.
struct RollbackState {
    static constexpr size_t kLayerTexts = 11;
    static constexpr size_t kMidiText = kLayerTexts;
    static constexpr size_t kMp3Text = kLayerTexts + 1;
    static constexpr size_t kTitleText = kLayerTexts + 2;
    static constexpr size_t kTextCount = kLayerTexts + 3;
    enum IntTable : uint8_t { kGlobal, kLocal, kScalars, kTableCount };
    static constexpr size_t kCdScalar = 0;
    static constexpr size_t kFadeScalars = 1; // four from here
    static constexpr size_t kScalarCount = 5;

    std::array<std::string, kTextCount> texts; // Shift-JIS bytes
    std::array<std::vector<int32_t>, kTableCount> ints{
        std::vector<int32_t>(), std::vector<int32_t>(), std::vector<int32_t>(kScalarCount, 0)};
};

// Where a message stood: its event file and index, and its text.
struct RollbackPlace {
    VNString fileName;
    int32_t programCounter = 0;
    VNString text;
};

class RollbackHistory {
public:
    // The newest message and the hundred before it.
    static constexpr size_t kMaxSteps = 101;

    void Clear();
    // A message is shown with the game in state `now`: its step keeps what
    // changed since the previous one. The oldest step goes when full.
    void Record(RollbackPlace place, const RollbackState& now);
    size_t Count() const { return steps_.size(); }
    const RollbackPlace& PlaceOf(size_t step) const { return steps_[step].place; }
    // The state at the newest step.
    const RollbackState& Newest() const { return newest_; }
    // Turns `state`, the state at step `from`, into the state at step `to`.
    void Move(RollbackState& state, size_t from, size_t to) const;
    // Play goes on from step `last` in state `atLast`: the later steps go.
    void DiscardAfter(size_t last, const RollbackState& atLast);
    // The memory step `step` holds, its own record included.
    size_t StepBytes(size_t step) const;

private:
    struct IntChange {
        uint8_t table;
        int32_t index;
        int32_t before;
        int32_t after;
    };
    struct TextChange {
        uint8_t slot;
        std::string before;
        std::string after;
    };
    struct Step {
        RollbackPlace place;
        std::vector<IntChange> ints;
        std::vector<TextChange> texts;
    };

    std::deque<Step> steps_;
    RollbackState newest_;
};
