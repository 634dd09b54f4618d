// The buttons of an image-button choice: for each button a jump label and
// its rectangle on the screen, read from the list the event stores.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <vector>

// A button of the button choice: its rectangle on the screen.
struct ChoiceButton {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The first button in list order that holds the point (left <= x < left +
// width, top <= y < top + height), or -1.
int32_t PointedButton(const std::vector<ChoiceButton>& buttons, int32_t x, int32_t y);

// The buttons in list order and their labels, one for one.
struct ButtonList {
    std::vector<ChoiceButton> buttons;
    std::vector<VNString> labels;
};

// Reads `count` buttons from `list`: every blank and tab removed, then five
// comma-separated fields per button (label, left, top, width, height; the
// numbers decimal). Missing fields read as empty or 0. Buttons beyond the
// end of the list would be empty rectangles that nothing points at, so they
// are left out: the result holds at most as many buttons as the list has
// text for, whatever `count` says, and none for a count below 1.
ButtonList ParseButtonList(const VNString& list, int32_t count);
