#include "graphics/PatternDraw.h"
#include "graphics/PatternSets.h"

#include "PixelReference.h"

#include <gtest/gtest.h>

using namespace pixeltest;

TEST(PatternSets, TablesAsListed) {
    EXPECT_EQ(PatternStepCount(0), 26);
    EXPECT_EQ(PatternStepCount(1), 9);
    EXPECT_EQ(PatternStepCount(2), 9);
    EXPECT_EQ(PatternStepCount(3), 16);
    EXPECT_EQ(PatternStepCount(7), 26); // unknown sets behave like set 0
    const PatternCell zero{}, ones{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int set = 0; set < kPatternSetCount; ++set) {
        EXPECT_EQ(PatternStep(set, 0), zero) << set;
        EXPECT_EQ(PatternStep(set, PatternStepCount(set) - 1), ones) << set;
    }
    EXPECT_EQ(PatternStep(0, 13), (PatternCell{0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}));
    EXPECT_EQ(PatternStep(0, 21), (PatternCell{0xFF, 0x5D, 0xFF, 0x55, 0xFF, 0xD5, 0xFF, 0x55}));
    EXPECT_EQ(PatternStep(1, 6), (PatternCell{0xFF, 0xDD, 0xFF, 0x77, 0xFF, 0xDD, 0xFF, 0xFF}));
    EXPECT_EQ(PatternStep(2, 1), (PatternCell{0x08, 0x10, 0x20, 0x40, 0x80, 0x01, 0x02, 0x04}));
    EXPECT_EQ(PatternStep(3, 5), (PatternCell{0x80, 0x00, 0x00, 0x00, 0xF8, 0xF0, 0xE0, 0xC0}));
    // Row 2 of step 10 of set 3 is E0.
    EXPECT_EQ(PatternStep(3, 10), (PatternCell{0xFC, 0xF8, 0xE0, 0xE0, 0xFF, 0xFF, 0xFF, 0xFE}));
    // Steps outside the set are held to its ends.
    EXPECT_EQ(PatternStep(2, 99), ones);
    EXPECT_EQ(PatternStep(2, -3), zero);
}

TEST(PatternDraw, UnmaskedFollowsTheCellAnchoredToTheDestination) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(21, 19));
    ASSERT_TRUE(src.Create(16, 16));
    const uint32_t background = Rgba(1, 2, 3, 4);
    const uint32_t image = Rgba(200, 100, 50, 0);
    Fill(src, image);
    for (bool asIs : {false, true}) {
        Fill(dst, background);
        // Drawn at (3, 5): the cell still follows destination coordinates.
        PatternDraw(dst, 2, 3, asIs, 3, 5, src);
        for (int32_t y = 0; y < dst.Height(); ++y)
            for (int32_t x = 0; x < dst.Width(); ++x) {
                const bool inside = x >= 3 && x < 3 + 16 && y >= 5;
                // Complemented unless as-is; a set bit keeps the destination.
                const bool keep = StepBit(2, 3, x, y) == asIs;
                const uint32_t expected = inside && !keep ? (image | 0xFF000000u) : background;
                ASSERT_EQ(At(dst, x, y), expected) << x << "," << y << " as-is " << asIs;
            }
    }
    // Step 0 without the flag and the last step with it keep everything.
    Fill(dst, background);
    PatternDraw(dst, 0, 0, false, 0, 0, src);
    PatternDraw(dst, 3, 15, true, 0, 0, src);
    EXPECT_EQ(At(dst, 0, 0), background);
    EXPECT_EQ(At(dst, 7, 7), background);
    // The last step without the flag draws every pixel.
    PatternDraw(dst, 1, 8, false, 0, 0, src);
    EXPECT_EQ(At(dst, 5, 6), image | 0xFF000000u);
}

TEST(PatternDraw, MaskedAddsTheSourceColourOverTheRest) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(2, 1));
    ASSERT_TRUE(src.Create(2, 1));
    src.SetHasMask(true);
    At(src, 0, 0) = Rgba(200, 100, 0, 128);
    At(src, 1, 0) = Rgba(9, 9, 9, 0);
    const uint32_t background = Rgba(0, 50, 255, 77);
    Fill(dst, background);
    PatternDraw(dst, 0, 25, false, 0, 0, src); // every bit clear after complementing
    // Red 200 + T(127, 0), green 100 + T(127, 50) = 125, blue 0 + T(127, 255) = 127.
    EXPECT_EQ(At(dst, 0, 0), Rgba(200, 125, 127, 0));
    EXPECT_EQ(At(dst, 1, 0), background);
    // Saturation: 250 + T(127, 255) stays 255.
    At(src, 0, 0) = Rgba(250, 250, 250, 128);
    Fill(dst, Rgba(255, 255, 255, 0));
    PatternDraw(dst, 0, 25, false, 0, 0, src);
    EXPECT_EQ(At(dst, 0, 0), Rgba(255, 255, 255, 0));
}

TEST(PatternDraw, MatchesThePlainRuleWithClipping) {
    std::mt19937 rng(8);
    for (int round = 0; round < 200; ++round) {
        Surface src, dst, expected;
        ASSERT_TRUE(src.Create(1 + rng() % 60, 1 + rng() % 12));
        ASSERT_TRUE(dst.Create(1 + rng() % 60, 1 + rng() % 12));
        FillRandom(src, rng);
        FillRandom(dst, rng, true);
        src.SetHasMask(round % 2 == 0);
        Duplicate(dst, expected);
        const int set = static_cast<int>(rng() % 4);
        const int step = static_cast<int>(rng() % static_cast<uint32_t>(PatternStepCount(set)));
        const bool asIs = rng() % 2;
        const int32_t x = static_cast<int32_t>(rng() % 90) - 30;
        const int32_t y = static_cast<int32_t>(rng() % 30) - 15;
        PatternDraw(dst, set, step, asIs, x, y, src);
        for (int32_t j = 0; j < src.Height(); ++j)
            for (int32_t i = 0; i < src.Width(); ++i) {
                const int32_t dx = x + i, dy = y + j;
                if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height())
                    continue;
                if (StepBit(set, step, dx, dy) == asIs)
                    continue;
                const uint32_t s = At(src, i, j);
                uint32_t& d = At(expected, dx, dy);
                if (!src.HasMask()) {
                    d = s | 0xFF000000u;
                } else if ((s >> 24) != 0) {
                    uint32_t out = 0;
                    for (int c = 0; c < 3; ++c)
                        out |= std::min<uint32_t>(255,
                                                  Channel(s, c) + T(255 - (s >> 24), Channel(d, c)))
                               << (8 * c);
                    d = out;
                }
            }
        ASSERT_EQ(FirstDifference(dst, expected), -1)
            << "round " << round << " set " << set << " step " << step << " at " << x << "," << y;
    }
}
