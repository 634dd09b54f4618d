// The button list of a btnselect event: a flat comma list of five fields per
// button (jump label, left x, top y, width, height).
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <vector>

struct ButtonDefinition {
    VNString label;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const ButtonDefinition&) const = default;
};

// Reads up to `count` buttons off `definitions` after removing every blank
// and tab. Missing fields of a button read as empty or 0; reading stops when
// the text is used up, so a count beyond the buttons the text holds adds no
// empty buttons.
std::vector<ButtonDefinition> ParseButtons(int32_t count, const VNString& definitions);
// The list text of `buttons`, numbers in decimal.
VNString ButtonsText(const std::vector<ButtonDefinition>& buttons);
