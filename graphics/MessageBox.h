// The box drawn under message text: an author's picture, or a translucent
// vertical gradient around the message area.
#pragma once

#include "graphics/Gradient.h"
#include "graphics/MessageStyle.h"

#include <cstdint>

class Surface;

struct MessageBoxStyle {
    const Surface* image = nullptr; // the author's picture; null for the gradient
    int32_t imageLeft = 14;
    int32_t imageTop = 330;
    int32_t frameWidth = 5; // gradient margin around the message area
    int32_t frameHeight = 5;
    GradientColour start{95, 88, 191, 220}; // top
    GradientColour end{207, 207, 255, 220}; // bottom
};

// Where the box lies: the picture's rectangle at its place, else the
// message area widened by the frame on every side.
ScreenRect MessageBoxRect(const MessageBoxStyle& box, const MessageStyle& text);

// Draws the box onto `dst` and returns MessageBoxRect, the rectangle to
// present. The picture is blended at full opacity (a masked one through its
// mask, an unmasked one copied).
ScreenRect DrawMessageBox(Surface& dst, const MessageBoxStyle& box, const MessageStyle& text);
