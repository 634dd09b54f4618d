#include "player/Rollback.h"

#include "graphics/PixelOps.h"
#include "player/GameSound.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/Stage.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "scenario/VNParamFile.h"

#include <algorithm>
#include <utility>

namespace {

using State = RollbackState;
static_assert(State::kLayerTexts == kLayerCount);

void ReadValues(const VNParamFile* table, std::vector<int32_t>& values) {
    values.clear();
    if (table) {
        values.reserve(static_cast<size_t>(table->GetCount()));
        for (int32_t i = 0; i < table->GetCount(); ++i) {
            values.push_back(table->GetValue(i));
        }
    }
}

void WriteValues(VNParamFile* table, const std::vector<int32_t>& values) {
    if (!table) {
        return;
    }
    const size_t count = std::min(values.size(), static_cast<size_t>(table->GetCount()));
    for (size_t i = 0; i < count; ++i) {
        const auto index = static_cast<int32_t>(i);
        if (table->GetValue(index) != values[i]) {
            table->SetValue(index, values[i]);
        }
    }
}

} // namespace

void Rollback::Record(const Game& game, RollbackPlace place) {
    context_.Window()->TakeRollbackSteps();
    history_.Record(std::move(place), Capture(game));
}

std::optional<RollbackPlace> Rollback::TakePlayOn() {
    return std::exchange(playOn_, std::nullopt);
}

bool Rollback::Serve(const Game& game) {
    const int32_t steps = context_.Window()->TakeRollbackSteps();
    if (steps <= 0 || history_.Count() < 2) {
        return false;
    }
    if (context_.Debug() && context_.Debug()->State() != DEBUG_STATE_PLAYING) {
        return false;
    }
    return Browse(game, steps);
}

bool Rollback::Browse(const Game& game, int32_t steps) {
    VNPWindow& window = *context_.Window();
    // The present comes back as it was left: its state and its screen.
    const State present = Capture(game);
    Surface screen;
    if (!screen.Create(window.BackBuffer().Width(), window.BackBuffer().Height())) {
        return false;
    }
    Copy(screen, 0, 0, window.BackBuffer());
    window.SetCommandsEnabled(false);

    const auto newest = static_cast<int64_t>(history_.Count()) - 1;
    State state = history_.Newest();
    int64_t at = newest;
    const uint32_t presses = window.PressCount();
    for (;;) {
        const int64_t target = std::clamp<int64_t>(at - steps, 0, newest);
        if (target == newest) {
            Apply(game, present);
            Copy(window.BackBuffer(), 0, 0, screen);
            window.PresentAll();
            window.SetCommandsEnabled(true);
            return false;
        }
        if (target != at) {
            history_.Move(state, static_cast<size_t>(at), static_cast<size_t>(target));
            at = target;
            Apply(game, state);
            message_.ShowMessageAtOnce(history_.PlaceOf(static_cast<size_t>(at)).text);
        }
        context_.IdleBetweenPasses(PlayerContext::kPassIntervalMs);
        context_.Pump();
        context_.Time().NowMs();
        steps = window.TakeRollbackSteps();
        if (context_.DebugPaused()) {
            steps = -static_cast<int32_t>(RollbackHistory::kMaxSteps); // back to the present
        } else if (window.PressCount() != presses && !window.Clicked()) {
            history_.DiscardAfter(static_cast<size_t>(at), state);
            playOn_ = history_.PlaceOf(static_cast<size_t>(at));
            return true;
        }
    }
}

RollbackState Rollback::Capture(const Game& game) const {
    State state;
    ReadValues(game.global, state.ints[State::kGlobal]);
    ReadValues(game.local, state.ints[State::kLocal]);
    const std::array<VNString, kLayerCount> layers = stage_.DescribeLayers();
    for (size_t i = 0; i < State::kLayerTexts; ++i) {
        state.texts[i] = layers[i].Bytes();
    }
    state.texts[State::kMidiText] = sound_.MidiFile().Bytes();
    state.texts[State::kMp3Text] = sound_.Mp3File().Bytes();
    state.texts[State::kTitleText] = game.title.Bytes();
    std::vector<int32_t>& scalars = state.ints[State::kScalars];
    scalars[State::kCdScalar] = sound_.CdTrack();
    const Stage::Fades& fades = stage_.GetFades();
    std::copy(fades.begin(), fades.end(), scalars.begin() + State::kFadeScalars);
    return state;
}

void Rollback::Apply(const Game& game, const RollbackState& state) {
    WriteValues(game.global, state.ints[State::kGlobal]);
    WriteValues(game.local, state.ints[State::kLocal]);
    std::array<VNString, kLayerCount> layers;
    for (size_t i = 0; i < State::kLayerTexts; ++i) {
        layers[i] = VNString::FromBytes(state.texts[i]);
    }
    stage_.SetLayers(layers);
    const std::vector<int32_t>& scalars = state.ints[State::kScalars];
    Stage::Fades fades{};
    std::copy_n(scalars.begin() + State::kFadeScalars, fades.size(), fades.begin());
    stage_.SetFades(fades);
    game.title = VNString::FromBytes(state.texts[State::kTitleText]);
    // Music that plays on unchanged is not started again.
    if (sound_.MidiFile().Bytes() != state.texts[State::kMidiText]) {
        sound_.PlayMidi(VNString::FromBytes(state.texts[State::kMidiText]), true);
    }
    if (sound_.Mp3File().Bytes() != state.texts[State::kMp3Text]) {
        sound_.PlayMp3(VNString::FromBytes(state.texts[State::kMp3Text]));
    }
    if (sound_.CdTrack() != scalars[State::kCdScalar]) {
        sound_.PlayCdTrack(scalars[State::kCdScalar]);
    }
}
