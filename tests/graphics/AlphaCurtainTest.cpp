#include "graphics/AlphaCurtain.h"

#include "PixelReference.h"

#include <gtest/gtest.h>

using namespace pixeltest;

namespace {

// Blend of an unmasked pixel over black at opacity o: T(o, s), alpha 0.
uint32_t Faded(uint32_t s, uint32_t o) {
    return Pack(T(o, Channel(s, 0)), T(o, Channel(s, 1)), T(o, Channel(s, 2)), 0);
}

} // namespace

TEST(AlphaCurtain, HalfWayOverAWideScreen) {
    Surface screen, image;
    ASSERT_TRUE(screen.Create(600, 2));
    ASSERT_TRUE(image.Create(600, 2));
    const uint32_t colour = Rgba(240, 120, 60, 9);
    Fill(image, colour);
    // o = trunc(856 * 0.5) - 256 = 172. Columns 0..171 are copied; the edge
    // runs over columns 172..427 in 64 strips whose opacity falls by
    // 4 * 254.00390625 / 255 = 3.984375 per strip from 255.
    AlphaCurtain(screen, 0.5f, 0, 0, image);
    EXPECT_EQ(At(screen, 0, 1), colour);
    EXPECT_EQ(At(screen, 171, 0), colour);
    EXPECT_EQ(At(screen, 172, 0), Faded(colour, 255));
    EXPECT_EQ(At(screen, 175, 1), Faded(colour, 255));
    EXPECT_EQ(At(screen, 176, 0), Faded(colour, 251)); // 251.015625
    EXPECT_EQ(At(screen, 180, 0), Faded(colour, 247)); // 247.03125
    EXPECT_EQ(At(screen, 427, 0), Faded(colour, 3));   // 3.984375
    EXPECT_EQ(At(screen, 428, 0), 0u);
    EXPECT_EQ(At(screen, 599, 1), 0u);
}

TEST(AlphaCurtain, EndsAndClipping) {
    Surface screen, image;
    ASSERT_TRUE(screen.Create(100, 3));
    ASSERT_TRUE(image.Create(300, 3));
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 300; ++x)
            At(image, x, y) = Rgba(x % 256, y, 7, 0);
    // Progress 0 draws nothing, progress 1 the whole clipped image.
    AlphaCurtain(screen, 0.0f, -100, 0, image);
    EXPECT_EQ(At(screen, 0, 0), 0u);
    EXPECT_EQ(At(screen, 99, 2), 0u);
    AlphaCurtain(screen, 1.0f, -100, 1, image);
    EXPECT_EQ(At(screen, 0, 1), Rgba(100, 0, 7, 0)); // image column 100 at screen column 0
    EXPECT_EQ(At(screen, 99, 2), Rgba(199, 1, 7, 0));
    EXPECT_EQ(At(screen, 50, 0), 0u);
    // o = trunc(356 * 0.75) - 256 = 11: columns 0..10 copied, the edge starts
    // at full strength and is cut at the screen's right edge.
    screen.Clear();
    AlphaCurtain(screen, 0.75f, -100, 0, image);
    EXPECT_EQ(At(screen, 10, 0), Rgba(110, 0, 7, 0));
    EXPECT_EQ(At(screen, 11, 0), Faded(Rgba(111, 0, 7, 0), 255));
    // Strip 22 starts at column 99: 255 - 22 * 3.984375 = 167.34375.
    EXPECT_EQ(At(screen, 99, 0), Faded(Rgba(199, 0, 7, 0), 167));
    // Progress beyond the ends counts as the end.
    screen.Clear();
    AlphaCurtain(screen, -3.0f, -100, 0, image);
    EXPECT_EQ(At(screen, 0, 0), 0u);
    AlphaCurtain(screen, 7.0f, -100, 0, image);
    EXPECT_EQ(At(screen, 99, 0), Rgba(199, 0, 7, 0));
    // An image entirely off screen draws nothing and does not crash.
    screen.Clear();
    AlphaCurtain(screen, 0.5f, 100, 0, image);
    AlphaCurtain(screen, 0.5f, -300, 0, image);
    EXPECT_EQ(At(screen, 0, 0), 0u);
}

TEST(AlphaCurtain, NarrowImageInsideTheEdge) {
    // A 6-column image at x = 40 with the edge at o = 38: the edge covers
    // columns 40..45, strips at 40 and 44 (the last clipped to the image).
    Surface screen, image;
    ASSERT_TRUE(screen.Create(100, 1));
    ASSERT_TRUE(image.Create(6, 1));
    const uint32_t colour = Rgba(255, 255, 255, 0);
    Fill(image, colour);
    // (100 + 256) * q = 294 gives o = 38.
    AlphaCurtain(screen, 294.5f / 356.0f, 40, 0, image);
    // A0 = 255 - 2/256*255 = 253.0078125; A at e = 45: 255 - 7/256*255 =
    // 248.02734375; per column -0.99609375, per strip -3.984375.
    EXPECT_EQ(At(screen, 39, 0), 0u);
    EXPECT_EQ(At(screen, 40, 0), Faded(colour, 253));
    EXPECT_EQ(At(screen, 43, 0), Faded(colour, 253));
    EXPECT_EQ(At(screen, 44, 0), Faded(colour, 249)); // 249.0234375
    EXPECT_EQ(At(screen, 45, 0), Faded(colour, 249));
    EXPECT_EQ(At(screen, 46, 0), 0u);
}

TEST(AlphaCurtain, MatchesTheStripRuleOnRandomPictures) {
    // The rule drawn plainly (CurtainParts): columns left of the edge copied,
    // then strips of 4 columns from the edge start, each blended at trunc(A),
    // A growing by 4 C per strip, the last strip cut at the image's right end.
    std::mt19937 rng(17);
    for (int round = 0; round < 300; ++round) {
        Surface screen, expected, image;
        const int32_t w = 20 + static_cast<int32_t>(rng() % 300);
        ASSERT_TRUE(screen.Create(w, 3));
        ASSERT_TRUE(image.Create(1 + static_cast<int32_t>(rng() % 340), 2));
        FillRandom(screen, rng);
        FillRandom(image, rng, round % 3 == 0);
        image.SetHasMask(round % 2 == 0);
        Duplicate(screen, expected);
        const int32_t x = static_cast<int32_t>(rng() % 400) - 200;
        const int32_t y = static_cast<int32_t>(rng() % 3) - 1;
        const float q = static_cast<float>(rng() % 1001) / 1000.0f;
        AlphaCurtain(screen, q, x, y, image);

        CurtainParts(w, x, image.Width(), q, [&](int32_t from, int32_t to, int32_t opacity) {
            ForEachPair(expected, from, y, image, from - x, 0, to - from, image.Height(),
                        [&](uint32_t& d, uint32_t s) {
                            if (opacity < 0)
                                d = CopyRule(d, s, image.HasMask());
                            else if (opacity > 0)
                                d = BlendRule(d, s, static_cast<uint32_t>(opacity),
                                              image.HasMask());
                        });
        });
        ASSERT_EQ(FirstDifference(screen, expected), -1)
            << "round " << round << ": x " << x << ", q " << q << ", image " << image.Width();
    }
}
