// The message settings of a game that the text drawing uses.
#pragma once

#include "graphics/GlyphBlend.h"
#include "graphics/LineBreakRules.h"

#include <algorithm>
#include <cstdint>

struct MessageStyle {
    int32_t fontWidth = 12;  // a half-width character cell
    int32_t fontHeight = 24; // character cell height (ascent plus descent)
    int32_t lineMargin = 2;  // extra pixels between lines
    int32_t shadowShift = 1; // shadow offset right and down; 0 for none
    int32_t areaLeft = 19;   // the rectangle text is laid out in
    int32_t areaTop = 335;
    int32_t areaWidth = 601;
    int32_t areaHeight = 131;
    LineBreakRule lineBreak = LineBreakRule::Anywhere; // game.ini's MsgKinsoku

    int32_t LineHeight() const { return fontHeight + lineMargin; }
};

// The two colours a text is drawn in.
struct LineColours {
    TextColour text;
    TextColour shadow;
};

struct ScreenRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const ScreenRect&) const = default;
    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// The smallest rectangle holding both; an empty one adds nothing.
inline ScreenRect Union(const ScreenRect& a, const ScreenRect& b) {
    if (a.IsEmpty())
        return b;
    if (b.IsEmpty())
        return a;
    const int32_t left = std::min(a.x, b.x);
    const int32_t top = std::min(a.y, b.y);
    const int32_t right = std::max(a.x + a.width, b.x + b.width);
    const int32_t bottom = std::max(a.y + a.height, b.y + b.height);
    return {left, top, right - left, bottom - top};
}
