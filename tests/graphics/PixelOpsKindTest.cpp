#include "graphics/PixelOpsKind.h"

#include "PixelReference.h"
#include "graphics/AlphaCurtain.h"
#include "graphics/PatternDraw.h"
#include "graphics/PixelOps.h"

#include <gtest/gtest.h>

using namespace pixeltest;

TEST(PixelOpsKind, SetsAndSteps) {
    EXPECT_EQ(PatternSetOfKind(1), 0);
    EXPECT_EQ(PatternSetOfKind(4), 3);
    EXPECT_EQ(PatternSetOfKind(8), 0);
    EXPECT_EQ(PatternSetOfKind(-2), 0);
    // (count - 1) * w / 255: set 1 has 9 steps, 8 * 128 / 255 = 4; as-is
    // uses w = 127: 8 * 127 / 255 = 3. Set 0 (26 steps): 25 * 255 / 255 = 25.
    EXPECT_EQ(PatternStepForAlpha(1, false, 128), 4);
    EXPECT_EQ(PatternStepForAlpha(1, true, 128), 3);
    EXPECT_EQ(PatternStepForAlpha(0, false, 255), 25);
    EXPECT_EQ(PatternStepForAlpha(0, true, 255), 0);
    EXPECT_EQ(PatternStepForAlpha(3, false, 17), 1);  // 15 * 17 / 255
    EXPECT_EQ(PatternStepForAlpha(2, false, 999), 8); // alpha held to 255
}

TEST(PixelOpsKind, EachKindDrawsLikeItsOperation) {
    std::mt19937 rng(5);
    Surface image, start;
    ASSERT_TRUE(image.Create(37, 9));
    ASSERT_TRUE(start.Create(40, 12));
    FillRandom(image, rng);
    FillRandom(start, rng, true);
    image.SetHasMask(true);
    struct Case {
        int kind;
        bool asIs;
        int32_t alpha;
        std::function<void(Surface&)> expected;
    };
    const Case cases[] = {
        {0, false, 200, [&](Surface& d) { Blend(d, 2, 1, image, 200); }},
        {2, false, 128, [&](Surface& d) { PatternDraw(d, 1, 4, false, 2, 1, image); }},
        {4, true, 128, [&](Surface& d) { PatternDraw(d, 3, 7, true, 2, 1, image); }},
        {7, false, 60, [&](Surface& d) { PatternDraw(d, 0, 5, false, 2, 1, image); }},
        {5, false, 51, [&](Surface& d) { AlphaCurtain(d, 0.2f, 2, 1, image); }},
    };
    for (const Case& c : cases) {
        Surface drawn, expected;
        Duplicate(start, drawn);
        Duplicate(start, expected);
        DrawWithKind(drawn, c.kind, c.asIs, c.alpha, 2, 1, image);
        c.expected(expected);
        EXPECT_EQ(FirstDifference(drawn, expected), -1) << "kind " << c.kind;
        EXPECT_NE(FirstDifference(drawn, start), -1) << "kind " << c.kind << " drew nothing";
    }
}
