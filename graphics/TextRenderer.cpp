#include "graphics/TextRenderer.h"

#include "graphics/Surface.h"
#include "graphics/TextCharacters.h"

#include <algorithm>

TextRenderer::TextRenderer(Surface& target, GlyphSource& font, const MessageStyle& style,
                           size_t cacheCapacity)
    : target_(target), cache_(font, cacheCapacity), style_(style), ascent_(font.Ascent()) {}

int32_t TextRenderer::Advance(uint32_t code) {
    const CachedGlyph& glyph = cache_.Get(code);
    return glyph.valid ? glyph.metrics.cellAdvanceX : -1;
}

int32_t TextRenderer::TextWidth(std::string_view sjis) {
    int32_t width = 0;
    for (const uint32_t code : CharacterCodes(sjis)) {
        const int32_t advance = Advance(code);
        if (advance < 0) {
            return -1;
        }
        width += advance;
    }
    return width;
}

int32_t TextRenderer::DrawCharacter(int32_t x, int32_t lineTop, uint32_t code) {
    const CachedGlyph& glyph = cache_.Get(code);
    if (!glyph.valid) {
        return 0;
    }
    BlendGlyph(target_, x, lineTop, ascent_, glyph.metrics, glyph.bitmap, colour_);
    // The bitmap's rectangle as BlendGlyph places it, within the surface.
    const int64_t left = std::max<int64_t>(int64_t{x} + glyph.metrics.originX, 0);
    const int64_t top = std::max<int64_t>(int64_t{lineTop} + ascent_ - glyph.metrics.originY, 0);
    const int64_t right = std::min<int64_t>(
        int64_t{x} + glyph.metrics.originX + glyph.metrics.blackBoxWidth, target_.Width());
    const int64_t bottom = std::min<int64_t>(int64_t{lineTop} + ascent_ - glyph.metrics.originY +
                                                 glyph.metrics.blackBoxHeight,
                                             target_.Height());
    if (right > left && bottom > top) {
        drawn_ =
            Union(drawn_, {static_cast<int32_t>(left), static_cast<int32_t>(top),
                           static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)});
    }
    return glyph.metrics.cellAdvanceX;
}

ScreenRect TextRenderer::AreaAndDrawn() const {
    return Union({style_.areaLeft, style_.areaTop, style_.areaWidth, style_.areaHeight}, drawn_);
}

int32_t TextRenderer::DrawShadowed(int32_t x, int32_t lineTop, uint32_t code,
                                   const LineColours& colours) {
    const int32_t shift = style_.shadowShift;
    if (shift != 0) {
        SetColour(colours.shadow);
        DrawCharacter(x + shift, lineTop + shift, code);
    }
    SetColour(colours.text);
    const int32_t advance = DrawCharacter(x, lineTop, code);
    SetColour({});
    return advance;
}

void TextRenderer::DrawLine(int32_t x, int32_t lineTop, std::span<const uint32_t> codes,
                            const LineColours& colours) {
    for (const uint32_t code : codes) {
        x += DrawShadowed(x, lineTop, code, colours);
    }
}

TextLayout TextRenderer::LayOut(std::span<const uint32_t> codes) {
    TextLayout layout;
    size_t start = 0;
    while (start < codes.size()) {
        LaidOutLine line{start, codes.size() - start, 0};
        size_t next = codes.size();
        int32_t width = 0;
        for (size_t j = start; j < codes.size(); ++j) {
            const int32_t advance = Advance(codes[j]);
            if (advance < 0) {
                layout.measureFailed = true;
                return layout;
            }
            width += advance;
            line.width = width;
            if (codes[j] == kLineBreakCode) {
                line.count = j - start;
                next = j + 1;
                break;
            }
            if (width > style_.areaWidth && j > start) {
                next = j;
                if (style_.lineBreak != LineBreakRule::Anywhere) {
                    next = BreakBefore(codes, start, j, style_.lineBreak);
                    // Measured up to the next line's first character, or
                    // to the character that hangs.
                    for (size_t k = next + 1; k <= j; ++k) {
                        line.width -= Advance(codes[k]);
                    }
                }
                line.count = next - start;
                if (next > j && next < codes.size() && codes[next] == kLineBreakCode) {
                    ++next; // the "/" right after a hanging character ends this line
                }
                break;
            }
        }
        layout.lines.push_back(line);
        start = next;
    }
    return layout;
}
