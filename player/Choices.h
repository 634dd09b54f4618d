// The two choices on screen until the player chooses: text lines in the
// message box (select) and image buttons (btnselect), by mouse or by keys.
#pragma once

#include "player/ChoiceButtons.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class MessageWindow;
class PlayerContext;
class Stage;

class Choices {
public:
    // What a choice ends with besides an item's index.
    static constexpr int32_t kCancelled = -1;  // the right button, where it cancels
    static constexpr int32_t kLoadChosen = -2; // a slot to load was chosen
    static constexpr int32_t kPaused = -3;     // the debugger paused

    Choices(PlayerContext& context, MessageWindow& message, Stage& stage)
        : context_(context), message_(message), stage_(stage) {}

    // Serves the menu's requests during the choice; false when a slot to
    // load was chosen.
    void SetRequestServer(std::function<bool()> serve) { serveRequests_ = std::move(serve); }

    // The select event: `lines` in the message box.
    int32_t ChooseLine(const std::vector<std::string>& lines);
    // The btnselect event: `buttons` over `baseImage`, the pointed one from
    // `pointedImage`; the right button cancels when `rightCancel`. Unless a
    // load interrupts it, the screen is left as the layers hold it.
    int32_t ChooseButton(const VNString& baseImage, const VNString& pointedImage,
                         const std::vector<ChoiceButton>& buttons, bool rightCancel);

private:
    // What the choice loop needs of a choice: the item at a point of the
    // screen (-1 none), the drawing of the pointed item (-1 none), the order
    // the arrow keys go through the items, and whether they are buttons.
    struct ChoiceItems {
        std::function<int32_t(int32_t x, int32_t y)> at;
        std::function<void(int32_t)> point;
        std::vector<int32_t> keyOrder;
        bool buttons = false;
    };
    // The loop of both choices: until the button is pressed and released
    // over an item, or Enter or Space is pressed with an item pointed (its
    // index), a slot to load is chosen, the right button cancels when
    // `rightCancel`, or the debugger pauses.
    int32_t ChoiceLoop(bool rightCancel, const ChoiceItems& items);

    PlayerContext& context_;
    MessageWindow& message_;
    Stage& stage_;
    std::function<bool()> serveRequests_;
};
