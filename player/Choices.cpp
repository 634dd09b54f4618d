#include "player/Choices.h"

#include "graphics/ChoiceDisplay.h"
#include "player/ChoiceKeys.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/SpokenText.h"
#include "player/Stage.h"
#include "player/VNPWindow.h"
#include "resources/VirtualKeys.h"

#include <optional>
#include <utility>

namespace {

// The longest the choice loop blocks between two looks at the input.
constexpr int64_t kChoiceIntervalMs = 10;

} // namespace

int32_t Choices::ChooseLine(const std::vector<std::string>& lines) {
    const std::unique_ptr<ChoiceDisplay> display = message_.ShowChoices(lines);
    SpokenChoice spoken(context_.Window()->Handle(), SpokenLines(lines));
    ChoiceItems items;
    items.at = [&](int32_t, int32_t y) { return display->LineAt(y); };
    context_.Voice().Choice(lines);
    int32_t voiced = -1;
    items.point = [&](int32_t line) {
        spoken.Point(line);
        if (line != voiced && line >= 0 && line < static_cast<int32_t>(lines.size())) {
            context_.Voice().Pointed(lines[line]);
        }
        voiced = line;
        const ScreenRect r = display->Point(line);
        if (!r.IsEmpty()) {
            context_.Window()->Present(r.x, r.y, r.width, r.height);
        }
    };
    for (int32_t i = 0; i < static_cast<int32_t>(lines.size()); ++i) {
        items.keyOrder.push_back(i);
    }
    const int32_t chosen = ChoiceLoop(false, items);
    context_.Voice().Stop(); // the player chose
    return chosen;
}

int32_t Choices::ChooseButton(const VNString& baseImage, const VNString& pointedImage,
                              const std::vector<ChoiceButton>& buttons, bool rightCancel) {
    message_.ClearMessage();
    stage_.ShowButtonChoice(baseImage, pointedImage);
    int32_t pointed = -1;
    SpokenChoice spoken(context_.Window()->Handle(), ButtonNames(buttons.size()));
    ChoiceItems items;
    items.at = [&](int32_t x, int32_t y) { return PointedButton(buttons, x, y); };
    items.point = [&](int32_t now) {
        spoken.Point(now);
        if (now != pointed) {
            stage_.PointButton(buttons, pointed, now);
            pointed = now;
        }
    };
    items.keyOrder = ReadingOrder(buttons);
    items.buttons = true;
    const int32_t chosen = ChoiceLoop(rightCancel, items);
    if (chosen != kLoadChosen) {
        // The screen is left as the layers hold it: the base picture, with
        // no button drawn pointed.
        stage_.PointButton(buttons, pointed, -1);
        stage_.EndButtonChoice();
    }
    return chosen;
}

int32_t Choices::ChoiceLoop(bool rightCancel, const ChoiceItems& items) {
    // The arrow keys, Enter and Space belong to the choice while it waits.
    struct ChoiceKeysScope {
        explicit ChoiceKeysScope(VNPWindow& w) : window(w) { window.SetChoiceKeys(true); }
        ~ChoiceKeysScope() { window.SetChoiceKeys(false); }
        VNPWindow& window;
    } keys(*context_.Window());
    // A press already held when the choice appears (the click that ended the
    // message before) is not the player's answer: only a press that begins
    // here and ends here chooses.
    uint32_t presses = context_.Window()->PressCount();
    bool pressed = false;
    int32_t pointed = -1;
    // Where the pointer was when it last pointed: an item the keys pointed
    // stays until the pointer moves or presses.
    std::optional<std::pair<int32_t, int32_t>> pointer;
    for (;;) {
        context_.IdleBetweenPasses(kChoiceIntervalMs);
        context_.Time().NowMs();
        if (!serveRequests_()) {
            return kLoadChosen;
        }
        if (rightCancel && context_.Window()->RightButtonDown()) {
            context_.Window()->ReleaseViewKey(); // the key's press was this cancel
            return kCancelled;
        }
        if (context_.DebugPaused()) {
            return kPaused;
        }
        const bool newPress = context_.Window()->PressCount() != presses;
        const std::pair<int32_t, int32_t> now{context_.Window()->PointerX(),
                                              context_.Window()->PointerY()};
        if (now != pointer || newPress) {
            pointer = now;
            pointed = items.at(now.first, now.second);
        }
        for (const int key : context_.Window()->TakeChoiceKeys()) {
            const ChoiceKey action = ChoiceKeyOf(key, items.buttons);
            if (action == ChoiceKey::Previous || action == ChoiceKey::Next) {
                pointed = StepPointed(items.keyOrder, pointed, action);
            } else if (action == ChoiceKey::Choose) {
                if (pointed >= 0) {
                    items.point(pointed);
                    return pointed;
                }
                if (key == resources::VK_SPACE) {
                    context_.Window()
                        ->ToggleAutoMode(); // nothing to choose: Space keeps its command
                }
            }
        }
        items.point(pointed);
        const bool down = context_.Window()->Clicked();
        if (newPress) {
            presses = context_.Window()->PressCount();
            pressed = true;
        }
        if (pressed && !down) {
            // Released (perhaps pressed and released between two looks).
            pressed = false;
            if (pointed >= 0) {
                return pointed;
            }
        }
    }
}
