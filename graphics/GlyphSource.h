// Where the text renderer gets its glyphs from: a font behind a small
// interface, so the graphics core never sees a font library. Glyph bitmaps
// are grey levels 0 (empty) to 64 (fully covered), rows top-down, each row
// padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

struct GlyphMetrics {
    int32_t blackBoxWidth = 0;  // bitmap width in pixels
    int32_t blackBoxHeight = 0; // bitmap height in pixels
    int32_t originX = 0;        // left edge of the bitmap relative to the pen
    int32_t originY = 0;        // top edge of the bitmap above the baseline
    int32_t cellAdvanceX = 0;   // how far the pen moves after the glyph
};

// Bytes in one bitmap row of a glyph `width` pixels wide.
constexpr int32_t GlyphRowBytes(int32_t width) {
    return (width + 3) / 4 * 4;
}

class GlyphSource {
public:
    virtual ~GlyphSource() = default;

    // The font's ascent in pixels: the baseline lies this far below the top
    // of a text line.
    virtual int32_t Ascent() const = 0;

    // The glyph of Shift-JIS character `code` (a single byte, or lead byte
    // x 256 + trail byte). Fills `metrics`; when `bitmap` is not null also
    // replaces its contents with GlyphRowBytes(width) x height grey values.
    // False when the font cannot give the glyph.
    virtual bool Glyph(uint32_t code, GlyphMetrics& metrics, std::vector<uint8_t>* bitmap) = 0;
};
