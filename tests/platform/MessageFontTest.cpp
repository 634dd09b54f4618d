// The message font on the installed Japanese faces.
#include "platform/font/MessageFont.h"

#include <gtest/gtest.h>

#include <algorithm>

using platform::MessageFont;

TEST(MessageFont, WindowsFaceNamesAndDefaultOpenAnIpaFace) {
    struct Case {
        const char* asked;
        const char* family;
    };
    const Case cases[] = {
        {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"},
        {"default", "IPAGothic"},       {"DEFAULT", "IPAGothic"},
        {"Default", "IPAGothic"},       {"ＭＳ 明朝", "IPAMincho"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        const auto font = MessageFont::Open(c.asked, 12, 24);
        ASSERT_TRUE(font);
        EXPECT_EQ(font->Family(), c.family);
    }
    // A face without Japanese glyphs gives way to one that has them.
    const auto latin = MessageFont::Open("DejaVu Sans", 12, 24);
    ASSERT_TRUE(latin);
    EXPECT_EQ(latin->Family().rfind("IPA", 0), 0u) << latin->Family();
}

TEST(MessageFont, CellMetricsOfTheDefaultSize) {
    const auto font = MessageFont::Open("ＭＳ ゴシック", 12, 24);
    ASSERT_TRUE(font);
    struct Case {
        uint32_t code;
        int32_t advance;
    };
    // A half-width character is one cell of 12, a full-width one two.
    const Case cases[] = {
        {'a', 12},    {'/', 12}, {0xB1, 12}, // ｱ, half-width katakana
        {0x82A0, 24},                        // あ
        {0x8ABF, 24},                        // 漢
        {0x81A1, 24},                        // ■
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        GlyphMetrics metrics;
        std::vector<uint8_t> bitmap;
        ASSERT_TRUE(font->Glyph(c.code, metrics, &bitmap));
        EXPECT_EQ(metrics.cellAdvanceX, c.advance);
        EXPECT_EQ(bitmap.size(), static_cast<size_t>(GlyphRowBytes(metrics.blackBoxWidth)) *
                                     metrics.blackBoxHeight);
        EXPECT_LE(*std::max_element(bitmap.begin(), bitmap.end()), 64);
        // The black box stays inside the 24-pixel cell.
        EXPECT_LE(metrics.originY, font->Ascent());
        EXPECT_GE(metrics.originY - metrics.blackBoxHeight, font->Ascent() - 24);
        // Measuring only gives the same metrics.
        GlyphMetrics measured;
        ASSERT_TRUE(font->Glyph(c.code, measured, nullptr));
        EXPECT_EQ(measured.cellAdvanceX, metrics.cellAdvanceX);
        EXPECT_EQ(measured.blackBoxWidth, metrics.blackBoxWidth);
    }
    // The ascent is the face's share of the cell above the baseline.
    EXPECT_GT(font->Ascent(), 12);
    EXPECT_LT(font->Ascent(), 24);

    // A filled square covers its middle completely: value 64 paints the
    // text colour exactly.
    GlyphMetrics metrics;
    std::vector<uint8_t> square;
    ASSERT_TRUE(font->Glyph(0x81A1, metrics, &square));
    const int32_t row = metrics.blackBoxHeight / 2;
    EXPECT_EQ(square[static_cast<size_t>(row * GlyphRowBytes(metrics.blackBoxWidth) +
                                         metrics.blackBoxWidth / 2)],
              64);
}

TEST(MessageFont, OtherSizesScaleTheCell) {
    struct Case {
        int32_t width, height;
        int32_t half, full; // advances of 'a' and あ
    };
    const Case cases[] = {{8, 16, 8, 16}, {16, 32, 16, 32}, {10, 24, 10, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        const auto font = MessageFont::Open("default", c.width, c.height);
        ASSERT_TRUE(font);
        GlyphMetrics a, full;
        ASSERT_TRUE(font->Glyph('a', a, nullptr));
        ASSERT_TRUE(font->Glyph(0x82A0, full, nullptr));
        EXPECT_EQ(a.cellAdvanceX, c.half);
        EXPECT_EQ(full.cellAdvanceX, c.full);
    }
    // Absurd sizes are kept within bounds instead of asking for huge bitmaps.
    const auto huge = MessageFont::Open("default", 1 << 30, 1 << 30);
    ASSERT_TRUE(huge);
    GlyphMetrics metrics;
    ASSERT_TRUE(huge->Glyph(0x82A0, metrics, nullptr));
    EXPECT_LE(metrics.cellAdvanceX, 2048);
}
