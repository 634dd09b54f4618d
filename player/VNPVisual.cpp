// The game screen: the eleven layers over the back buffer, the full redraw,
// the character and background changes, the button choice display, and the
// chara, background and anime events that drive them.
#include "graphics/PixelOps.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "scenario/EventLists.h"
#include "scenario/VNAssert.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"

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

void VNPlayer::ResetVisualState() {
    for (auto& layer : layers_) {
        layer->Commit();
    }
    window_->BackBuffer().Clear();
}

void VNPlayer::FullRedraw() {
    ComposeSettled(window_->BackBuffer(), layers_);
}

void VNPlayer::ShowScreen() {
    window_->PresentAll();
    Pump();
}

void VNPlayer::DiscardAllPending() {
    for (auto& layer : layers_) {
        layer->DiscardPending();
    }
}

bool VNPlayer::FailLayerLoad(const Layer& layer) {
    const VNString image = layer.PendingName();
    const VNString mask = layer.PendingMask();
    DiscardAllPending();
    ReportImageLoadError(image, mask);
    return false;
}

bool VNPlayer::FailLayerUnchanged(const Layer& layer) {
    const VNString image = layer.PendingName();
    const VNString mask = layer.PendingMask();
    DiscardAllPending();
    ReportImageAlreadyLoaded(layer.Index(), image, mask);
    return false;
}

bool VNPlayer::CharacterChange(const VNString& image, const VNString& mask, int32_t position,
                               int32_t alignment) {
    VN_ASSERT(position >= 0 && position <= 2);
    Layer& layer = *layers_[position + 1];
    LayerMarks marks{};
    marks[layer.Index()] = true;
    if (!layer.SetForCharacter(image, mask, position, alignment, charaFadeType_)) {
        return FailLayerLoad(layer);
    }
    if (!layer.Animated() && !layer.Changed()) {
        return FailLayerUnchanged(layer);
    }
    LayerTransition(clock_.NowMs(), charaFadeTime_, marks);
    layer.Commit();
    FullRedraw();
    ShowScreen();
    return true;
}

bool VNPlayer::BackgroundChange(const VNString& image) {
    Layer& background = *layers_[kBackgroundLayer];
    int32_t visible = 0;
    for (int i = 1; i < kLayerCount; ++i) {
        visible += layers_[i]->State() != 0 ? 1 : 0;
    }
    if (visible == 0 && background.CommittedName() == image) {
        DiscardAllPending();
        ReportImageAlreadyLoaded(kBackgroundLayer, image, VNString());
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
    if (!background.ApplySetting(BackgroundSetting(image, bgFadeType_))) {
        return FailLayerLoad(background);
    }
    BackgroundTransition(clock_.NowMs(), bgFadeTime_, visible != 0);
    background.Commit();
    FullRedraw();
    ShowScreen();
    return true;
}

void VNPlayer::ShowButtonChoice(const VNString& baseImage, const VNString& pointedImage) {
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
        Copy(window_->BackBuffer(), 0, 0, *image);
    }
    window_->PresentAll();
}

void VNPlayer::PointButton(const std::vector<ChoiceButton>& buttons, int32_t previous,
                           int32_t next) {
    const auto copyFrom = [&](const Layer& layer, int32_t index) {
        const Surface* image = layer.CommittedImage();
        if (!image || index < 0 || index >= static_cast<int32_t>(buttons.size())) {
            return;
        }
        const ChoiceButton& b = buttons[static_cast<size_t>(index)];
        Copy(window_->BackBuffer(), b.left, b.top, *image, {b.left, b.top, b.width, b.height});
    };
    copyFrom(*layers_[kBackgroundLayer], previous);
    copyFrom(*layers_[kLayerCount - 1], next);
    window_->PresentAll();
}

void VNPlayer::EndButtonChoice() {
    layers_[kLayerCount - 1]->Commit();
}

bool VNPlayer::ActionCharacter(const VNEvent& event) {
    const int32_t position = event.GetInt(2);
    // Only a damaged or hand-made file holds another position; there is no
    // layer for it.
    if (position < 0 || position > 2) {
        ReportInvalidOption(OutOfRange(u8"キャラポジション", position));
        return false;
    }
    return CharacterChange(event.GetString(0), event.GetString(1), position, event.GetInt(3));
}

bool VNPlayer::ActionBackground(const VNEvent& event) {
    return BackgroundChange(event.GetString(0));
}

bool VNPlayer::VisualEventFollows() const {
    const int32_t count = eventFile_->GetCount();
    if (programCounter_ >= count - 2) {
        return false;
    }
    switch (eventFile_->Get(programCounter_ + 1)->GetCode()) {
    case EVENTCODE_BTNSELECT:
    case EVENTCODE_CHARACTER:
    case EVENTCODE_BACKGROUND:
    case EVENTCODE_ANIME:
        return true;
    default:
        return false;
    }
}

bool VNPlayer::ActionAnime(const VNEvent& event) {
    return Animation(clock_.NowMs(), event.GetInt(0), event.GetInt(1), event.GetString(2),
                     VisualEventFollows());
}

bool VNPlayer::Animation(int64_t start, int32_t duration, int32_t count, const VNString& list,
                         bool moreVisualEventsFollow) {
    // The whole list is read before any layer changes, so a damaged entry
    // leaves the screen as it was.
    static_assert(kAnimeLayerCount == kLayerCount);
    const AnimeList entries = ReadAnimeList(count, list);
    switch (entries.problem) {
    case AnimeList::Problem::None:
        break;
    case AnimeList::Problem::NegativeCount:
    case AnimeList::Problem::TooFewEntries:
        ReportInvalidOption(OutOfRange(u8"レイヤー数", count));
        return false;
    case AnimeList::Problem::BadLayer:
        ReportInvalidOption(OutOfRange(u8"レイヤー番号", entries.badLayer));
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
            if (!layer.ApplySetting(BackgroundSetting(image, bgFadeType_))) {
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
    const bool debuggerHolds = debug_ && (debug_->State() == DEBUG_STATE_PAUSED ||
                                          debug_->State() == DEBUG_STATE_ONE_STEP);
    if (moreVisualEventsFollow && !debuggerHolds) {
        return true; // the next visual event draws the screen
    }
    FullRedraw();
    window_->PresentAll();
    return true;
}
