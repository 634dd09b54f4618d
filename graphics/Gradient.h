// The translucent vertical gradient of the message box.
#pragma once

#include <cstdint>

class Surface;

struct GradientColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    uint8_t alpha = 0;
};

// Shades the rectangle (x, y, width, height) of `dst` from `start` at the top
// to `end` at the bottom. Nothing for an empty rectangle; a negative x or y
// is taken as 0 (width and height stay), and the rectangle is cut at the
// right and bottom edges. Rows are shaded from the bottom up with four float
// accumulators that start at `end` and grow by (start - end) / height per
// row, so the bottom row has the end colour and the top row lies one step
// short of the start colour. With a = trunc(alpha) and c = trunc(colour) of
// the row, each channel becomes T(255 - a, d) + T(a, c); alpha bytes stay.
void GradientFill(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                  const GradientColour& start, const GradientColour& end);
