// A font with known glyphs and a small message style, for the text tests.
#pragma once

#include "graphics/GlyphBlend.h"
#include "graphics/GlyphSource.h"
#include "graphics/MessageStyle.h"

#include <vector>

namespace texttest {

// Half-width characters advance 6 pixels, double-byte ones 12. Every glyph
// is a box one pixel narrower on each side than its advance and 8 rows high
// from the top of the line, all of grey value 32 (half coverage), so a
// character drawn twice shows. 'x' cannot be measured.
class FakeFont : public GlyphSource {
public:
    static constexpr int32_t kAscent = 8;
    static constexpr int32_t kHalf = 6;
    static constexpr int32_t kFull = 12;
    static constexpr uint8_t kGrey = 32;

    static int32_t AdvanceOf(uint32_t code) { return code > 0xFF ? kFull : kHalf; }

    int32_t Ascent() const override { return kAscent; }
    bool Glyph(uint32_t code, GlyphMetrics& metrics, std::vector<uint8_t>* bitmap) override {
        ++requests;
        if (code == 'x') {
            return false;
        }
        metrics.cellAdvanceX = AdvanceOf(code);
        metrics.blackBoxWidth = metrics.cellAdvanceX - 2;
        metrics.blackBoxHeight = 8;
        metrics.originX = 1;
        metrics.originY = kAscent;
        if (bitmap) {
            bitmap->assign(static_cast<size_t>(GlyphRowBytes(metrics.blackBoxWidth)) * 8, 0);
            for (int32_t row = 0; row < 8; ++row) {
                for (int32_t col = 0; col < metrics.blackBoxWidth; ++col) {
                    (*bitmap)[static_cast<size_t>(row * GlyphRowBytes(metrics.blackBoxWidth) +
                                                  col)] = kGrey;
                }
            }
        }
        return true;
    }

    int requests = 0;
};

// Characters 6 pixels wide in lines 12 high, the area at (4, 10), 40 high.
inline MessageStyle SmallStyle(int32_t areaWidth = 60, int32_t shadowShift = 1) {
    MessageStyle style;
    style.fontWidth = 6;
    style.fontHeight = 10;
    style.lineMargin = 2; // line height 12
    style.shadowShift = shadowShift;
    style.areaLeft = 4;
    style.areaTop = 10;
    style.areaWidth = areaWidth;
    style.areaHeight = 40;
    return style;
}

} // namespace texttest
