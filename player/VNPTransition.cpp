// Timed changes of the screen: the loop that draws their frames, the layer
// and background transitions, the anime event's layer changes and the
// screen's return after a load.
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"

#include <algorithm>
#include <cmath>

void VNPlayer::RunTimedLoop(int64_t start, int64_t duration,
                            const std::function<bool(float)>& drawFrame) {
    // A press already held when the change began does not end its first frame.
    const bool heldAtStart = window_->Clicked();
    const uint32_t pressesAtStart = window_->PressCount();
    // A negative duration would never run out (progress would never pass 1):
    // it counts as 0, which draws no frame.
    const int64_t given = std::max<int64_t>(duration, 0);
    int64_t length = given;
    bool firstFrame = true;
    const auto clickEnds = [&] {
        return (window_->Clicked() && !(firstFrame && heldAtStart)) ||
               window_->PressCount() != pressesAtStart;
    };
    // What the wait for the next frame must not sit through.
    const auto interrupted = [&] {
        return clickEnds() || DebugPaused() || (window_->SkipActive() && length != given / 10);
    };
    // At most one frame per display refresh.
    const auto frameInterval =
        std::max<int64_t>(1, static_cast<int64_t>(std::ceil(frameIntervalMs_)));

    for (;; firstFrame = false) {
        Pump();
        if (clickEnds()) {
            break;
        }
        // Skip shortens the change to a tenth, still counted from its start.
        if (window_->SkipActive()) {
            length = given / 10;
        }
        if (DebugPaused() || length == 0) {
            break;
        }
        const int64_t now = clock_.NowMs();
        const float p = static_cast<float>(now - start) / static_cast<float>(length);
        if (p > 1.0f) {
            break;
        }
        if (drawFrame(p)) {
            if (frameObserver_) {
                frameObserver_(p, window_->BackBuffer());
            }
            window_->PresentAll();
        }
        // Until the next frame is due the loop sleeps in the message wait.
        const int64_t due = now + frameInterval;
        for (int64_t at = clock_.NowMs(); at < due; at = clock_.NowMs()) {
            Pump();
            if (interrupted()) {
                break;
            }
            IdleBetweenPasses(due - at);
        }
    }
}

void VNPlayer::LayerTransition(int64_t start, int64_t duration, const LayerMarks& marks) {
    RunTimedLoop(start, duration, [&](float p) {
        ComposeLayerFrame(window_->BackBuffer(), composition_, layers_, marks, p);
        return true;
    });
}

void VNPlayer::BackgroundTransition(int64_t start, int64_t duration, bool somethingWasVisible) {
    BackgroundFrames frames(bgFadeType_, somethingWasVisible);
    RunTimedLoop(start, duration, [&](float p) {
        return frames.Draw(window_->BackBuffer(), composition_, *layers_[kBackgroundLayer], p);
    });
}

void VNPlayer::RestoreAfterLoad(const std::array<VNString, kLayerCount>& settings) {
    LayerMarks marks{};
    for (int i = 0; i < kLayerCount; ++i) {
        // A picture that no longer loads leaves its layer without one.
        layers_[i]->ApplySetting(settings[i]);
        VNString fields = settings[i];
        marks[i] = !fields.SplitToken(VNString(",")).IsEmpty();
    }
    LayerTransition(clock_.NowMs(), 1000, marks);
    for (auto& layer : layers_) {
        layer->Commit();
    }
    FullRedraw();
    ShowScreen();
}
