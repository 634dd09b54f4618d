// Drawing one anti-aliased glyph bitmap onto a surface.
#pragma once

#include "graphics/GlyphSource.h"

#include <cstdint>
#include <span>

class Surface;

struct TextColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// Draws a glyph for the pen at (penX, lineTop), where lineTop is the top of
// the text line and `ascent` the font's ascent: the bitmap's top-left lands
// at (penX + originX, lineTop + ascent - originY). For every grey value
// g != 0 the coverage is a = 4g - 1 (64 gives 255) and each channel becomes
// T(255 - a, d) + T(c, a) for the colour's channel c; the alpha byte becomes
// 0. Values 0 and pixels outside the surface are left alone; a bitmap
// shorter than its metrics promise draws nothing. Grey values above 64 are
// taken as 64.
void BlendGlyph(Surface& dst, int32_t penX, int32_t lineTop, int32_t ascent,
                const GlyphMetrics& metrics, std::span<const uint8_t> bitmap,
                const TextColour& colour);
