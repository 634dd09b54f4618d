#include "graphics/GlyphBlend.h"

#include "PixelReference.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pixeltest;

TEST(GlyphBlend, CoverageAndPlacement) {
    Surface screen;
    ASSERT_TRUE(screen.Create(40, 40));
    const uint32_t under = Rgba(255, 255, 0, 0x77);
    Fill(screen, under);
    // A 3 x 2 glyph; each row is padded to 4 bytes and the padding byte must
    // not be drawn.
    GlyphMetrics metrics;
    metrics.blackBoxWidth = 3;
    metrics.blackBoxHeight = 2;
    metrics.originX = 1;
    metrics.originY = 9;
    const std::vector<uint8_t> bitmap = {64, 32, 0, 64, 1, 0, 64, 99};
    const TextColour colour{0, 255, 0};
    // Pen (10, 20), ascent 12: the bitmap's top-left is at (11, 23).
    BlendGlyph(screen, 10, 20, 12, metrics, bitmap, colour);
    // 64: coverage 255, the text colour exactly, alpha 0.
    EXPECT_EQ(At(screen, 11, 23), Rgba(0, 255, 0, 0));
    // 32: coverage 127: red T(128, 255) + T(0, 127), green T(128, 255) +
    // T(255, 127), blue 0.
    EXPECT_EQ(At(screen, 12, 23), Rgba(128, 128 + 127, 0, 0));
    // 0 and the padding are left alone.
    EXPECT_EQ(At(screen, 13, 23), under);
    EXPECT_EQ(At(screen, 14, 23), under);
    // Second row 1, 0, 64. 1: coverage 3: red T(252, 255) = 252, green
    // 252 + T(255, 3) = 255.
    EXPECT_EQ(At(screen, 11, 24), Rgba(252, 255, 0, 0));
    EXPECT_EQ(At(screen, 12, 24), under);
    EXPECT_EQ(At(screen, 13, 24), Rgba(0, 255, 0, 0));
    EXPECT_EQ(At(screen, 10, 23), under);
    EXPECT_EQ(At(screen, 11, 22), under);
}

TEST(GlyphBlend, EdgesAndShortBitmaps) {
    Surface screen;
    ASSERT_TRUE(screen.Create(4, 4));
    GlyphMetrics metrics;
    metrics.blackBoxWidth = 2;
    metrics.blackBoxHeight = 2;
    const std::vector<uint8_t> bitmap = {64, 64, 0, 0, 64, 64, 0, 0};
    const TextColour white{255, 255, 255};
    // Half outside on the top-left and on the bottom-right: only the inside
    // pixels change.
    BlendGlyph(screen, -1, -1, 0, metrics, bitmap, white);
    BlendGlyph(screen, 3, 3, 0, metrics, bitmap, white);
    EXPECT_EQ(At(screen, 0, 0), Rgba(255, 255, 255, 0));
    EXPECT_EQ(At(screen, 3, 3), Rgba(255, 255, 255, 0));
    EXPECT_EQ(At(screen, 1, 1), 0u);
    EXPECT_EQ(At(screen, 2, 2), 0u);
    // A bitmap shorter than its metrics promise draws nothing.
    BlendGlyph(screen, 1, 1, 0, metrics, std::span(bitmap).first(5), white);
    EXPECT_EQ(At(screen, 1, 1), 0u);
}
