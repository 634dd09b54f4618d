#include "player/ChoiceKeys.h"

#include "resources/VirtualKeys.h"

#include <algorithm>

ChoiceKey ChoiceKeyOf(int virtualKey, bool buttons) {
    switch (virtualKey) {
    case resources::VK_RETURN:
    case resources::VK_SPACE:
        return ChoiceKey::Choose;
    case resources::VK_UP:
        return ChoiceKey::Previous;
    case resources::VK_DOWN:
        return ChoiceKey::Next;
    case resources::VK_LEFT:
        return buttons ? ChoiceKey::Previous : ChoiceKey::None;
    case resources::VK_RIGHT:
        return buttons ? ChoiceKey::Next : ChoiceKey::None;
    default:
        return ChoiceKey::None;
    }
}

std::vector<int32_t> ReadingOrder(const std::vector<ChoiceButton>& buttons) {
    std::vector<int32_t> order;
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].width > 0 && buttons[i].height > 0)
            order.push_back(static_cast<int32_t>(i));
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const ChoiceButton& x = buttons[static_cast<size_t>(a)];
        const ChoiceButton& y = buttons[static_cast<size_t>(b)];
        return x.top != y.top ? x.top < y.top : x.left < y.left;
    });
    return order;
}

int32_t StepPointed(const std::vector<int32_t>& order, int32_t pointed, ChoiceKey step) {
    if (order.empty())
        return -1;
    const auto at = std::find(order.begin(), order.end(), pointed);
    if (at == order.end())
        return step == ChoiceKey::Previous ? order.back() : order.front();
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t here = at - order.begin();
    const std::ptrdiff_t next =
        step == ChoiceKey::Previous ? (here + size - 1) % size : (here + 1) % size;
    return order[static_cast<size_t>(next)];
}
