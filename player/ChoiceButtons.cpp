#include "player/ChoiceButtons.h"

#include "scenario/EventLists.h"

int32_t PointedButton(const std::vector<ChoiceButton>& buttons, int32_t x, int32_t y) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ChoiceButton& b = buttons[i];
        // In 64 bits: left + width may lie beyond the integer range.
        if (x >= b.left && int64_t{x} < int64_t{b.left} + b.width && y >= b.top &&
            int64_t{y} < int64_t{b.top} + b.height) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

ButtonList ParseButtonList(const VNString& list, int32_t count) {
    // The list is read by the scenario library's reader, which `vnscript
    // check` uses too, so the check sees the buttons the player shows.
    ButtonList result;
    for (const ChoiceButtonEntry& entry : ReadButtonList(count, list).buttons) {
        result.labels.push_back(entry.label);
        result.buttons.push_back({entry.left, entry.top, entry.width, entry.height});
    }
    return result;
}
