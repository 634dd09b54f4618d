#include "player/Stage.h"

#include "graphics/PixelOps.h"
#include "platform/DisplayRefresh.h"
#include "player/PlayerContext.h"
#include "player/Reports.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "scenario/EventLists.h"
#include "scenario/OptionRules.h"
#include "scenario/VNAssert.h"

#include <algorithm>
#include <cmath>

namespace {

// The settings the player builds itself: the background of a background
// change or of an animation, and the two images of a button choice.
VNString BackgroundSetting(const VNString& image, int32_t kind) {
    return image + VNString(",,") + VNString(kind) + VNString(",0,0,100,100,0,0,0,255");
}
VNString ButtonImageSetting(const VNString& image, int32_t alpha) {
    return image + VNString(",,0,0,0,100,100,0,0,0,") + VNString(alpha);
}

VNString OutOfRange(const char8_t* item, int32_t value) {
    return VNString(item) + VNString(u8"：規定外の値（") + VNString(value) + VNString(u8"）");
}

} // namespace

bool Stage::Create() {
    const GameConfig& config = context_.Config();
    if (!composition_.Create(config.windowWidth, config.windowHeight)) {
        return false;
    }
    for (int32_t i = 0; i < kLayerCount; ++i) {
        layers_[i] = std::make_unique<Layer>(i, config.windowWidth, config.windowHeight,
                                             GameFolderImages(context_.GameFolder()));
    }
    for (auto& layer : layers_) {
        layer->Commit();
    }
    context_.Window()->BackBuffer().Clear();
    frameIntervalMs_ = platform::DisplayRefreshIntervalMs();
    return true;
}

void Stage::Release() {
    for (auto& layer : layers_) {
        layer.reset();
    }
    composition_.Release();
}

std::array<VNString, kLayerCount> Stage::DescribeLayers() const {
    std::array<VNString, kLayerCount> settings;
    for (int32_t i = 0; i < kLayerCount; ++i) {
        settings[static_cast<size_t>(i)] = GetLayer(i).Describe();
    }
    return settings;
}

void Stage::FullRedraw() {
    ComposeSettled(context_.Window()->BackBuffer(), layers_);
}

void Stage::ShowScreen() {
    context_.Window()->PresentAll();
    context_.Pump();
}

void Stage::DiscardAllPending() {
    for (auto& layer : layers_) {
        layer->DiscardPending();
    }
}

bool Stage::FailLayerLoad(const Layer& layer) {
    const VNString image = layer.PendingName();
    const VNString mask = layer.PendingMask();
    DiscardAllPending();
    reports_.ReportImageLoadError(image, mask);
    return false;
}

bool Stage::FailLayerUnchanged(const Layer& layer) {
    const VNString image = layer.PendingName();
    const VNString mask = layer.PendingMask();
    DiscardAllPending();
    reports_.ReportImageAlreadyLoaded(layer.Index(), image, mask);
    return false;
}

bool Stage::CharacterChange(const VNString& image, const VNString& mask, int32_t position,
                            int32_t alignment) {
    VN_ASSERT(position >= 0 && position <= 2);
    Layer& layer = *layers_[position + 1];
    LayerMarks marks{};
    marks[layer.Index()] = true;
    if (!layer.SetForCharacter(image, mask, position, alignment, fades_[0])) {
        return FailLayerLoad(layer);
    }
    if (!layer.Animated() && !layer.Changed()) {
        return FailLayerUnchanged(layer);
    }
    LayerTransition(context_.Time().NowMs(), fades_[1], marks);
    layer.Commit();
    FullRedraw();
    ShowScreen();
    return true;
}

bool Stage::BackgroundChange(const VNString& image) {
    Layer& background = *layers_[kBackgroundLayer];
    int32_t visible = 0;
    for (int i = 1; i < kLayerCount; ++i) {
        visible += layers_[i]->State() != 0 ? 1 : 0;
    }
    if (visible == 0 && background.CommittedName() == image) {
        DiscardAllPending();
        reports_.ReportImageAlreadyLoaded(kBackgroundLayer, image, VNString());
        return false;
    }
    // The old screen, kept for the transition to draw from.
    if (const Surface* old = background.CommittedImage()) {
        ++visible;
        Copy(composition_, 0, 0, *old);
    } else {
        composition_.Clear();
    }
    DrawCharacterLayers(composition_, layers_);
    // Nothing is pending, so this empties every layer: the characters leave.
    for (auto& layer : layers_) {
        if (layer->State() != 0) {
            layer->Commit();
        }
    }
    if (!background.ApplySetting(BackgroundSetting(image, fades_[2]))) {
        return FailLayerLoad(background);
    }
    BackgroundTransition(context_.Time().NowMs(), fades_[3], visible != 0);
    background.Commit();
    FullRedraw();
    ShowScreen();
    return true;
}

void Stage::ShowButtonChoice(const VNString& baseImage, const VNString& pointedImage) {
    for (auto& layer : layers_) {
        if (layer->State() != 0) {
            layer->Commit();
        }
    }
    // A picture that does not load leaves its layer empty; the choice goes on.
    Layer& base = *layers_[kBackgroundLayer];
    base.ApplySetting(ButtonImageSetting(baseImage, 255));
    base.Commit();
    Layer& pointed = *layers_[kLayerCount - 1];
    pointed.ApplySetting(ButtonImageSetting(pointedImage, 0));
    pointed.Commit();
    if (const Surface* image = base.CommittedImage()) {
        Copy(context_.Window()->BackBuffer(), 0, 0, *image);
    }
    context_.Window()->PresentAll();
}

void Stage::PointButton(const std::vector<ChoiceButton>& buttons, int32_t previous, int32_t next) {
    const auto copyFrom = [&](const Layer& layer, int32_t index) {
        const Surface* image = layer.CommittedImage();
        if (!image || index < 0 || index >= static_cast<int32_t>(buttons.size())) {
            return;
        }
        const ChoiceButton& b = buttons[static_cast<size_t>(index)];
        Copy(context_.Window()->BackBuffer(), b.left, b.top, *image,
             {b.left, b.top, b.width, b.height});
    };
    copyFrom(*layers_[kBackgroundLayer], previous);
    copyFrom(*layers_[kLayerCount - 1], next);
    context_.Window()->PresentAll();
}

void Stage::EndButtonChoice() {
    layers_[kLayerCount - 1]->Commit();
}

bool Stage::Animation(int64_t start, int32_t duration, int32_t count, const VNString& list,
                      bool moreVisualEventsFollow) {
    // The whole list is read before any layer changes, so a damaged entry
    // leaves the screen as it was.
    static_assert(kAnimeLayerCount == kLayerCount);
    const AnimeList entries = ReadAnimeList(count, list);
    OptionProblems problems;
    AddAnimeListProblems(count, entries, problems);
    using What = OptionProblem::What;
    if (FindProblem(problems, 1, What::NegativeCount) ||
        FindProblem(problems, 1, What::TooFewEntries)) {
        reports_.ReportInvalidOption(OutOfRange(u8"レイヤー数", count));
        return false;
    }
    if (const OptionProblem* bad = FindProblem(problems, 2, What::BadLayer)) {
        reports_.ReportInvalidOption(OutOfRange(u8"レイヤー番号", bad->value));
        return false;
    }

    LayerMarks marks{};
    for (const AnimeEntry& entry : entries.entries) {
        Layer& layer = *layers_[entry.layer];
        marks[entry.layer] = true;
        if (entry.layer == kBackgroundLayer) {
            // Only the image name counts; the background fade kind applies.
            VNString fields = entry.setting;
            const VNString image = fields.SplitToken(VNString(","));
            if (!layer.ApplySetting(BackgroundSetting(image, fades_[2]))) {
                return FailLayerLoad(layer);
            }
            // The background cannot be animated: an unchanged name is an error.
            if (!layer.Changed()) {
                return FailLayerUnchanged(layer);
            }
            continue;
        }
        if (!layer.ApplySetting(entry.setting)) {
            return FailLayerLoad(layer);
        }
        if (!layer.Animated() && !layer.Changed()) {
            return FailLayerUnchanged(layer);
        }
    }

    LayerTransition(start, duration, marks);
    for (int i = 0; i < kLayerCount; ++i) {
        if (marks[i]) {
            layers_[i]->Commit();
        }
    }
    const bool debuggerHolds =
        context_.Debug() && (context_.Debug()->State() == DEBUG_STATE_PAUSED ||
                             context_.Debug()->State() == DEBUG_STATE_ONE_STEP);
    if (moreVisualEventsFollow && !debuggerHolds) {
        return true; // the next visual event draws the screen
    }
    FullRedraw();
    context_.Window()->PresentAll();
    return true;
}

void Stage::RunTimedLoop(int64_t start, int64_t duration,
                         const std::function<bool(float)>& drawFrame) {
    // A press already held when the change began does not end its first frame.
    const bool heldAtStart = context_.Window()->Clicked();
    const uint32_t pressesAtStart = context_.Window()->PressCount();
    // A negative duration would never run out (progress would never pass 1):
    // it counts as 0, which draws no frame.
    const int64_t given = std::max<int64_t>(duration, 0);
    int64_t length = given;
    bool firstFrame = true;
    const auto clickEnds = [&] {
        return (context_.Window()->Clicked() && !(firstFrame && heldAtStart)) ||
               context_.Window()->PressCount() != pressesAtStart;
    };
    // What the wait for the next frame must not sit through.
    const auto interrupted = [&] {
        return clickEnds() || context_.DebugPaused() ||
               (context_.Window()->SkipActive() && length != given / 10);
    };
    // At most one frame per display refresh.
    const auto frameInterval =
        std::max<int64_t>(1, static_cast<int64_t>(std::ceil(frameIntervalMs_)));

    for (;; firstFrame = false) {
        context_.Pump();
        if (clickEnds()) {
            break;
        }
        // Skip shortens the change to a tenth, still counted from its start.
        if (context_.Window()->SkipActive()) {
            length = given / 10;
        }
        if (context_.DebugPaused() || length == 0) {
            break;
        }
        const int64_t now = context_.Time().NowMs();
        const float p = static_cast<float>(now - start) / static_cast<float>(length);
        if (p > 1.0f) {
            break;
        }
        if (drawFrame(p)) {
            if (frameObserver_) {
                frameObserver_(p, context_.Window()->BackBuffer());
            }
            context_.Window()->PresentAll();
        }
        // Until the next frame is due the loop sleeps in the message wait.
        const int64_t due = now + frameInterval;
        for (int64_t at = context_.Time().NowMs(); at < due; at = context_.Time().NowMs()) {
            context_.Pump();
            if (interrupted()) {
                break;
            }
            context_.IdleBetweenPasses(due - at);
        }
    }
}

void Stage::LayerTransition(int64_t start, int64_t duration, const LayerMarks& marks) {
    RunTimedLoop(start, duration, [&](float p) {
        ComposeLayerFrame(context_.Window()->BackBuffer(), composition_, layers_, marks, p);
        return true;
    });
}

void Stage::BackgroundTransition(int64_t start, int64_t duration, bool somethingWasVisible) {
    BackgroundFrames frames(fades_[2], somethingWasVisible);
    RunTimedLoop(start, duration, [&](float p) {
        return frames.Draw(context_.Window()->BackBuffer(), composition_,
                           *layers_[kBackgroundLayer], p);
    });
}

void Stage::RestoreAfterLoad(const std::array<VNString, kLayerCount>& settings) {
    LayerMarks marks{};
    for (int i = 0; i < kLayerCount; ++i) {
        // A picture that no longer loads leaves its layer without one.
        layers_[i]->ApplySetting(settings[i]);
        VNString fields = settings[i];
        marks[i] = !fields.SplitToken(VNString(",")).IsEmpty();
    }
    LayerTransition(context_.Time().NowMs(), 1000, marks);
    for (auto& layer : layers_) {
        layer->Commit();
    }
    FullRedraw();
    ShowScreen();
}

void Stage::SetLayers(const std::array<VNString, kLayerCount>& settings) {
    for (int i = 0; i < kLayerCount; ++i) {
        Layer& layer = *layers_[i];
        if (layer.Describe() != settings[i]) {
            // A picture that no longer loads leaves its layer without one.
            layer.ApplySetting(settings[i]);
            layer.Commit();
        }
    }
}
