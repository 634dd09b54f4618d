#include "graphics/Gradient.h"

#include "PixelReference.h"

#include <gtest/gtest.h>

using namespace pixeltest;

TEST(GradientFill, DefaultMessageBox) {
    // The default box: area (19, 335, 601, 131) with a frame of 5 on a
    // 640 x 480 screen, from (95, 88, 191) at the top to (207, 207, 255) at
    // the bottom, both at alpha 220.
    Surface screen;
    ASSERT_TRUE(screen.Create(640, 480));
    const uint32_t under = Rgba(0, 0, 0, 0x55);
    Fill(screen, under);
    GradientFill(screen, 19 - 5, 335 - 5, 601 + 10, 131 + 10, {95, 88, 191, 220},
                 {207, 207, 255, 220});
    // Over black every channel becomes T(220, c); the alpha bytes stay.
    auto shade = [](uint32_t r, uint32_t g, uint32_t b) {
        return Rgba(T(220, r), T(220, g), T(220, b), 0x55);
    };
    // Bottom row 470: the end colour.
    EXPECT_EQ(At(screen, 14, 470), shade(207, 207, 255));
    EXPECT_EQ(At(screen, 624, 470), shade(207, 207, 255));
    // Top row 330, 140 steps up: 207 - 140 * 112 / 141 = 95.8,
    // 207 - 140 * 119 / 141 = 88.8, 255 - 140 * 64 / 141 = 191.5.
    EXPECT_EQ(At(screen, 14, 330), shade(95, 88, 191));
    EXPECT_EQ(At(screen, 300, 330), shade(95, 88, 191));
    // Half way (row 400, 70 steps up): 207 - 55.6 = 151.4, 207 - 59.1 = 147.9,
    // 255 - 31.8 = 223.2.
    EXPECT_EQ(At(screen, 100, 400), shade(151, 147, 223));
    // Outside the rectangle nothing changes.
    EXPECT_EQ(At(screen, 13, 400), under);
    EXPECT_EQ(At(screen, 625, 400), under);
    EXPECT_EQ(At(screen, 100, 329), under);
    EXPECT_EQ(At(screen, 100, 471), under);
}

TEST(GradientFill, MixesWithTheDestinationAndClips) {
    Surface screen;
    ASSERT_TRUE(screen.Create(8, 4));
    Fill(screen, Rgba(200, 100, 0, 1));
    // Negative x: taken as 0 with the width kept (4 columns); the height is
    // cut at the bottom edge, so rows 2..3 with h = 2 and a step of -50.
    GradientFill(screen, -3, 2, 4, 10, {0, 0, 0, 28}, {255, 255, 255, 128});
    // Row 3 (bottom): a = 128, c = 255: T(127, d) + T(128, 255).
    EXPECT_EQ(At(screen, 0, 3), Rgba(T(127, 200) + 128, T(127, 100) + 128, 128, 1));
    // Row 2: a = 78, c = trunc(255 - 127.5) = 127.
    EXPECT_EQ(At(screen, 3, 2),
              Rgba(T(177, 200) + T(78, 127), T(177, 100) + T(78, 127), T(78, 127), 1));
    EXPECT_EQ(At(screen, 4, 2), Rgba(200, 100, 0, 1));
    EXPECT_EQ(At(screen, 0, 1), Rgba(200, 100, 0, 1));
    // Empty or off-surface rectangles draw nothing.
    GradientFill(screen, 0, 0, 0, 4, {}, {255, 255, 255, 255});
    GradientFill(screen, 8, 0, 4, 4, {}, {255, 255, 255, 255});
    GradientFill(screen, 0, 0, 4, -1, {}, {255, 255, 255, 255});
    EXPECT_EQ(At(screen, 0, 0), Rgba(200, 100, 0, 1));
}
