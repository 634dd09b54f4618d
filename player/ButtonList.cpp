#include "player/ButtonList.h"

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
    ButtonList result;
    VNString rest = list.RemoveChars(VNString(" \t"));
    const VNString comma(",");
    for (int32_t n = 0; n < count && !rest.IsEmpty(); ++n) {
        result.labels.push_back(rest.SplitToken(comma));
        ChoiceButton button;
        button.left = rest.SplitToken(comma).ToInt();
        button.top = rest.SplitToken(comma).ToInt();
        button.width = rest.SplitToken(comma).ToInt();
        button.height = rest.SplitToken(comma).ToInt();
        result.buttons.push_back(button);
    }
    return result;
}
