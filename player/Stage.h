// The stage: the eleven layers over the back buffer, their composition, the
// character and background fades, the timed transitions between two
// screens, and the button choice's pictures.
#pragma once

#include "graphics/LayerComposition.h"
#include "graphics/Surface.h"
#include "player/ChoiceButtons.h"
#include "scenario/VNAssert.h"
#include "scenario/VNString.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class PlayerContext;
class Reports;

class Stage {
public:
    // The fades of the setfade event: character kind and time, background
    // kind and time.
    using Fades = std::array<int32_t, 4>;
    // Called after every frame of a transition is drawn, before it is shown,
    // with the frame's progress (0 to 1) and the back buffer.
    using FrameObserver = std::function<void(float progress, const Surface& screen)>;

    Stage(PlayerContext& context, Reports& reports) : context_(context), reports_(reports) {}

    // The layers and the composition buffer at the window's size, all empty;
    // false when the buffer cannot be made.
    bool Create();
    void Release();
    void SetFrameObserver(FrameObserver observer) { frameObserver_ = std::move(observer); }

    // Clears the back buffer and draws the committed layers, back to front.
    void FullRedraw();
    // The chara event: the character at `position` (0 centre, 1 left, 2
    // right) changes to `image` with `mask` through the character fade.
    bool CharacterChange(const VNString& image, const VNString& mask, int32_t position,
                         int32_t alignment);
    // The background event: every character leaves and the background
    // changes to `image` through the background fade.
    bool BackgroundChange(const VNString& image);
    // The anime event: `count` entries of `list` change their layers together
    // over `duration` ms counted from `start`. Without a redraw at the end
    // when `moreVisualEventsFollow` (and vnprobe is neither paused nor
    // stepping).
    bool Animation(int64_t start, int32_t duration, int32_t count, const VNString& list,
                   bool moreVisualEventsFollow);
    // After a load: every layer changes to its saved setting over one second.
    void RestoreAfterLoad(const std::array<VNString, kLayerCount>& settings);
    // Rollback: each layer whose committed setting differs takes its setting
    // from `settings` at once, without a transition; nothing is drawn.
    void SetLayers(const std::array<VNString, kLayerCount>& settings);

    // The button choice display: the screen is emptied, `baseImage` becomes
    // the background (layer 0) and `pointedImage` is held invisible in layer
    // 10; the back buffer shows the base image.
    void ShowButtonChoice(const VNString& baseImage, const VNString& pointedImage);
    // Shows `next` (-1 none) as pointed and `previous` (-1 none) as not.
    void PointButton(const std::vector<ChoiceButton>& buttons, int32_t previous, int32_t next);
    // Empties layer 10 again once the choice is over.
    void EndButtonChoice();

    void SetFades(const Fades& fades) { fades_ = fades; }
    const Fades& GetFades() const { return fades_; }
    int32_t CharaFadeType() const { return fades_[0]; }
    int32_t CharaFadeTime() const { return fades_[1]; }
    int32_t BgFadeType() const { return fades_[2]; }
    int32_t BgFadeTime() const { return fades_[3]; }

    // The committed setting of every layer, for a save record.
    std::array<VNString, kLayerCount> DescribeLayers() const;
    const Layer& GetLayer(int32_t index) const {
        VN_ASSERT(index >= 0 && index < kLayerCount);
        return *layers_[static_cast<size_t>(index)];
    }

private:
    // Reports a failed layer setting or an unchanged layer and drops every
    // pending image; false.
    bool FailLayerLoad(const Layer& layer);
    bool FailLayerUnchanged(const Layer& layer);
    void DiscardAllPending();
    void ShowScreen();
    // The timed loop of every transition: frames of `drawFrame` (which says
    // whether it drew) from `start` over `duration` ms, at most one per
    // display refresh, until the time is up, a click, or a pause.
    void RunTimedLoop(int64_t start, int64_t duration, const std::function<bool(float)>& drawFrame);
    void LayerTransition(int64_t start, int64_t duration, const LayerMarks& marks);
    void BackgroundTransition(int64_t start, int64_t duration, bool somethingWasVisible);

    PlayerContext& context_;
    Reports& reports_;
    LayerSet layers_;
    Surface composition_;
    Fades fades_{0, 500, 0, 1000};
    double frameIntervalMs_ = 1000.0 / 60.0;
    FrameObserver frameObserver_;
};
