// Message text drawn in software from a font's grey glyph bitmaps: one
// character at a time in the current colour, whole lines, and text broken
// into lines by measured width.
#pragma once

#include "graphics/GlyphBlend.h"
#include "graphics/GlyphCache.h"
#include "graphics/MessageStyle.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class Surface;

// One line of laid-out text: `count` character codes from `first`, and the
// width measured last for it (for a line cut by the area's width that
// includes the character that begins the next line, or a character hung
// past the area's end; for a line ended by "/" the "/").
struct LaidOutLine {
    size_t first = 0;
    size_t count = 0;
    int32_t width = 0;
};

struct TextLayout {
    std::vector<LaidOutLine> lines;
    bool measureFailed = false; // a character could not be measured: the text ends there
};

class TextRenderer {
public:
    // Draws onto `target` (the back buffer) with the glyphs of `font`.
    TextRenderer(Surface& target, GlyphSource& font, const MessageStyle& style,
                 size_t cacheCapacity = GlyphCache::kDefaultCapacity);

    const MessageStyle& Style() const { return style_; }
    Surface& Target() { return target_; }
    int32_t Ascent() const { return ascent_; }

    void SetColour(const TextColour& colour) { colour_ = colour; }
    const TextColour& Colour() const { return colour_; }

    // How far the pen moves for `code`; -1 when the font cannot measure it.
    int32_t Advance(uint32_t code);
    // The sum of the advances of the characters of `sjis`; -1 when one of
    // them cannot be measured.
    int32_t TextWidth(std::string_view sjis);
    // Draws `code` in the current colour for the pen at (x, lineTop) and
    // returns its advance. A character whose glyph cannot be obtained is not
    // drawn and does not move the pen.
    int32_t DrawCharacter(int32_t x, int32_t lineTop, uint32_t code);

    // Draws `code` for the pen at (x, lineTop): its shadow first (when the
    // shift is not 0), then the character in the text colour; returns its
    // advance. The colour is black afterwards.
    int32_t DrawShadowed(int32_t x, int32_t lineTop, uint32_t code, const LineColours& colours);
    // Draws `codes` at once from the pen at (x, lineTop), each character
    // with its shadow.
    void DrawLine(int32_t x, int32_t lineTop, std::span<const uint32_t> codes,
                  const LineColours& colours);

    // The rectangle that holds every pixel drawn since ForgetDrawnArea (empty
    // when none): text drawn below or beside the message area lies outside
    // the message box, and whoever redraws the picture beneath presents it
    // again so that nothing of it stays on screen.
    const ScreenRect& DrawnArea() const { return drawn_; }
    void ForgetDrawnArea() { drawn_ = {}; }
    // The message area together with the drawn area.
    ScreenRect AreaAndDrawn() const;

    // Breaks `codes` into lines: "/" ends a line (and is dropped); a line
    // ends before the first character that would make it wider than the
    // message area, or where the style's line-break rule moves that break.
    // A character wider than the area on its own gets a line of its own.
    TextLayout LayOut(std::span<const uint32_t> codes);

private:
    Surface& target_;
    GlyphCache cache_;
    MessageStyle style_;
    TextColour colour_;
    int32_t ascent_ = 0;
    ScreenRect drawn_;
};
