// The button list of an image-button choice: for each button a jump label
// and its rectangle on the screen, as the event stores them.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <vector>

struct ButtonDefinition {
    VNString label;
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Reads `count` buttons from `list`: every blank and tab removed, then five
// comma-separated fields per button (label, left, top, width, height; the
// numbers decimal). Missing fields read as empty or 0. Buttons beyond the
// end of the list would be empty rectangles that nothing points at, so they
// are left out: the result holds at most as many buttons as the list has
// text for, whatever `count` says, and none for a count below 1.
std::vector<ButtonDefinition> ParseButtonList(const VNString& list, int32_t count);

// The first button in list order whose rectangle holds (x, y), or -1.
int32_t PointedDefinition(const std::vector<ButtonDefinition>& buttons, int32_t x, int32_t y);
