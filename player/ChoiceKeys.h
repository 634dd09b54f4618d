// Choosing with the keyboard: in a text choice Up and Down move the pointed
// line, in a button choice the arrow keys move between the buttons in
// reading order; both wrap at the ends, and Enter or Space choose.
#pragma once

#include "player/ChoiceButtons.h"

#include <cstdint>
#include <vector>

enum class ChoiceKey { None, Previous, Next, Choose };

// What `virtualKey` does in a choice of lines, or of buttons (`buttons`),
// where Left and Right move as well as Up and Down.
ChoiceKey ChoiceKeyOf(int virtualKey, bool buttons);

// The order the keys go through the buttons: top to bottom, then left to
// right, list order between equal corners. A button without width or height
// is left out, as the pointer cannot point at it either.
std::vector<int32_t> ReadingOrder(const std::vector<ChoiceButton>& buttons);

// The item pointed after a Previous or Next step through `order` from
// `pointed`, wrapping at the ends; from no item (or one outside the order)
// Next gives the first and Previous the last. -1 when the order is empty.
int32_t StepPointed(const std::vector<int32_t>& order, int32_t pointed, ChoiceKey step);
