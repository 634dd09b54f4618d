#include "graphics/PixelOps.h"

#include "PixelReference.h"
#include "graphics/Surface.h"

#include <gtest/gtest.h>

using namespace pixeltest;

namespace {

struct Placement {
    int32_t x, y, left, top, width, height;
};

// A random placement that often crosses an edge or lies outside.
Placement RandomPlacement(std::mt19937& rng, const Surface& dst, const Surface& src) {
    auto range = [&rng](int32_t lo, int32_t hi) {
        return lo + static_cast<int32_t>(rng() % static_cast<uint32_t>(hi - lo + 1));
    };
    Placement p{range(-src.Width() - 2, dst.Width() + 1),
                range(-src.Height() - 2, dst.Height() + 1),
                -1,
                -1,
                -1,
                -1};
    if (rng() % 2) {
        p.left = range(0, src.Width() - 1);
        p.top = range(0, src.Height() - 1);
        p.width = range(0, src.Width() - p.left + 3);
        p.height = range(0, src.Height() - p.top + 3);
    }
    return p;
}

// Runs `op` and the per-pixel `rule` on copies of the same random surfaces
// for many placements and compares the whole destination each time.
void CompareWithRule(
    const std::function<void(Surface&, const Surface&, const Placement&, uint32_t)>& op,
    const std::function<uint32_t(uint32_t, uint32_t, uint32_t, bool)>& rule,
    bool randomDestinationAlpha) {
    std::mt19937 rng(20261207);
    for (int round = 0; round < 300; ++round) {
        Surface src, dst, expected;
        ASSERT_TRUE(src.Create(1 + rng() % 70, 1 + rng() % 9));
        ASSERT_TRUE(dst.Create(1 + rng() % 70, 1 + rng() % 9));
        FillRandom(src, rng, round % 3 == 0);
        FillRandom(dst, rng, randomDestinationAlpha);
        const bool masked = round % 2 == 0;
        src.SetHasMask(masked);
        Duplicate(dst, expected);
        const Placement p = RandomPlacement(rng, dst, src);
        const uint32_t opacity = round % 5 == 0 ? 255 : rng() % 256;
        op(dst, src, p, opacity);
        const int32_t left = p.left == -1 ? 0 : p.left, top = p.top == -1 ? 0 : p.top;
        const int32_t width = p.width == -1 ? src.Width() : p.width;
        const int32_t height = p.height == -1 ? src.Height() : p.height;
        ForEachPair(expected, p.x, p.y, src, left, top, width, height,
                    [&](uint32_t& d, uint32_t s) { d = rule(d, s, opacity, masked); });
        ASSERT_EQ(FirstDifference(dst, expected), -1)
            << "round " << round << " at " << p.x << "," << p.y << " rect " << p.left << ","
            << p.top << "," << p.width << "," << p.height << " opacity " << opacity << " masked "
            << masked;
    }
}

SourceRect RectOf(const Placement& p) {
    return {p.left, p.top, p.width, p.height};
}

} // namespace

TEST(PixelOps, ClipAreaFollowsTheEdgeRules) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(100, 50));
    ASSERT_TRUE(src.Create(40, 30));
    ClippedArea a;
    // Negative x and y move the source start and shorten the rectangle.
    ASSERT_TRUE(ClipArea(dst, -20, -5, src, {}, a));
    EXPECT_EQ(a.dstX, 0);
    EXPECT_EQ(a.srcX, 20);
    EXPECT_EQ(a.width, 20);
    EXPECT_EQ(a.dstY, 0);
    EXPECT_EQ(a.srcY, 5);
    EXPECT_EQ(a.height, 25);
    // Right and bottom edges cut.
    ASSERT_TRUE(ClipArea(dst, 90, 45, src, {}, a));
    EXPECT_EQ(a.width, 10);
    EXPECT_EQ(a.height, 5);
    EXPECT_EQ(a.srcX, 0);
    // At or beyond the far edge, or entirely off to the left: nothing.
    EXPECT_FALSE(ClipArea(dst, 100, 0, src, {}, a));
    EXPECT_FALSE(ClipArea(dst, 0, 50, src, {}, a));
    EXPECT_FALSE(ClipArea(dst, -40, 0, src, {}, a));
    // An explicit rectangle, and one reaching outside the source.
    ASSERT_TRUE(ClipArea(dst, 3, 4, src, {5, 6, 7, 8}, a));
    EXPECT_EQ(a.srcX, 5);
    EXPECT_EQ(a.srcY, 6);
    EXPECT_EQ(a.width, 7);
    EXPECT_EQ(a.height, 8);
    ASSERT_TRUE(ClipArea(dst, 0, 0, src, {30, 25, 50, 50}, a));
    EXPECT_EQ(a.width, 10);
    EXPECT_EQ(a.height, 5);
    EXPECT_FALSE(ClipArea(dst, 0, 0, src, {0, 0, 0, 10}, a));
    Surface empty;
    EXPECT_FALSE(ClipArea(dst, 0, 0, empty, {}, a));
    // Extreme arguments neither overflow nor reach outside either surface.
    EXPECT_FALSE(ClipArea(dst, INT32_MIN, 0, src, {}, a));
    EXPECT_FALSE(ClipArea(dst, INT32_MAX, 0, src, {}, a));
    ASSERT_TRUE(ClipArea(dst, -10, 0, src, {5, 0, INT32_MAX, INT32_MAX}, a));
    EXPECT_EQ(a.srcX, 15);
    EXPECT_EQ(a.width, 25);
    EXPECT_EQ(a.height, 30);
    EXPECT_FALSE(ClipArea(dst, 0, 0, src, {INT32_MIN, 0, INT32_MAX, 5}, a));
}

TEST(PixelOps, HandComputedPixels) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(2, 2));
    ASSERT_TRUE(src.Create(2, 2));
    // Screen row 0 is the top row, stored last in memory.
    At(src, 0, 0) = Rgba(200, 100, 0, 128);
    At(src, 1, 0) = Rgba(10, 20, 30, 0);
    At(src, 0, 1) = Rgba(1, 2, 3, 255);
    At(src, 1, 1) = Rgba(255, 255, 255, 1);
    EXPECT_EQ(src.MemoryRow(1)[0], Rgba(200, 100, 0, 128));
    const uint32_t background = Rgba(0, 50, 255, 77);

    // Blend without mask, opacity 128: red 100 + 0, green 50 + 25, blue 0 + 127.
    Fill(dst, background);
    Blend(dst, 0, 0, src, 128);
    EXPECT_EQ(At(dst, 0, 0), Rgba(100, 75, 127, 0));

    // Blend with mask, opacity 255: t = source alpha; alpha 0 keeps everything.
    src.SetHasMask(true);
    Fill(dst, background);
    Blend(dst, 0, 0, src, 255);
    EXPECT_EQ(At(dst, 0, 0), Rgba(100, 75, 127, 0));
    EXPECT_EQ(At(dst, 1, 0), background);
    EXPECT_EQ(At(dst, 0, 1), Rgba(1, 2, 3, 0));
    // t = 1: red 1 + T(254, 0) = 1, green 1 + T(254, 50) = 1 + 50, blue 1 + 254.
    EXPECT_EQ(At(dst, 1, 1), Rgba(1, 51, 255, 0));

    // Masked Copy writes premultiplied pixels: T(128, 200) = 100, T(128, 100) = 50.
    Fill(dst, background);
    Copy(dst, 0, 0, src);
    EXPECT_EQ(At(dst, 0, 0), Rgba(100, 50, 0, 128));
    EXPECT_EQ(At(dst, 1, 0), background);
    EXPECT_EQ(At(dst, 0, 1), Rgba(1, 2, 3, 255));

    // Unmasked Copy copies the words as they are.
    src.SetHasMask(false);
    Copy(dst, 0, 0, src);
    EXPECT_EQ(At(dst, 1, 0), Rgba(10, 20, 30, 0));

    // Over: red min(255, 200 + T(127, 0)), green 100 + T(127, 50) = 125,
    // blue 0 + T(127, 255) = 127; alpha 0.
    Fill(dst, background);
    Over(dst, 0, 0, src);
    EXPECT_EQ(At(dst, 0, 0), Rgba(200, 125, 127, 0));
    EXPECT_EQ(At(dst, 1, 0), background);

    // Accumulate with mask at opacity 255 into coverage 200: u = min(128, 55).
    src.SetHasMask(true);
    Fill(dst, Rgba(10, 250, 0, 200));
    Accumulate(dst, 0, 0, src, 255);
    EXPECT_EQ(At(dst, 0, 0), Rgba(10 + T(55, 200), 255, 0, 255)); // green 250 + 22 saturates
    EXPECT_EQ(At(dst, 1, 0), Rgba(10, 250, 0, 200));
    // Unmasked Accumulate adds T(o, s) to the channels and u to the alpha.
    src.SetHasMask(false);
    Fill(dst, Rgba(0, 250, 0, 100));
    Accumulate(dst, 0, 0, src, 200);
    EXPECT_EQ(At(dst, 0, 0), Rgba(T(200, 200), 255, 0, 255));
    // Covered pixels stay as they are.
    Fill(dst, Rgba(1, 2, 3, 255));
    Accumulate(dst, 0, 0, src, 200);
    EXPECT_EQ(At(dst, 0, 0), Rgba(1, 2, 3, 255));
}

TEST(PixelOps, NegativePositionDrawsFromTheShiftedSourceStart) {
    // A 30-pixel wide image at x = -20 shows its 21st column at column 0.
    Surface dst, src;
    ASSERT_TRUE(dst.Create(8, 4));
    ASSERT_TRUE(src.Create(30, 6));
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 0; x < 30; ++x)
            At(src, x, y) = Rgba(x, y, 0, 0);
    Copy(dst, -20, -3, src);
    EXPECT_EQ(At(dst, 0, 0), Rgba(20, 3, 0, 0));
    EXPECT_EQ(At(dst, 7, 2), Rgba(27, 5, 0, 0));
    EXPECT_EQ(At(dst, 7, 3), 0u); // below the image's bottom edge
    // At the right and bottom edges the image is cut.
    dst.Clear();
    Blend(dst, 6, 2, src, 255);
    EXPECT_EQ(At(dst, 6, 2), Rgba(0, 0, 0, 0));
    EXPECT_EQ(At(dst, 7, 3), Rgba(1, 1, 0, 0));
    EXPECT_EQ(At(dst, 5, 3), 0u);
}

TEST(PixelOps, MatchPlainRulesOnRandomSurfaces) {
    CompareWithRule(
        [](Surface& d, const Surface& s, const Placement& p, uint32_t) {
            Copy(d, p.x, p.y, s, RectOf(p));
        },
        [](uint32_t d, uint32_t s, uint32_t, bool masked) { return CopyRule(d, s, masked); },
        false);
    CompareWithRule([](Surface& d, const Surface& s, const Placement& p,
                       uint32_t o) { Blend(d, p.x, p.y, s, static_cast<int32_t>(o), RectOf(p)); },
                    BlendRule, false);
    CompareWithRule(
        [](Surface& d, const Surface& s, const Placement& p, uint32_t o) {
            Accumulate(d, p.x, p.y, s, static_cast<int32_t>(o), RectOf(p));
        },
        [](uint32_t d, uint32_t s, uint32_t o, bool masked) {
            return o == 0 ? d : AccumulateRule(d, s, o, masked);
        },
        false);
    CompareWithRule([](Surface& d, const Surface& s, const Placement& p,
                       uint32_t) { Over(d, p.x, p.y, s, RectOf(p)); },
                    [](uint32_t d, uint32_t s, uint32_t, bool) { return OverRule(d, s); }, true);
}

TEST(PixelOps, OpacityZeroAndOutOfRangeOpacity) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(3, 1));
    ASSERT_TRUE(src.Create(3, 1));
    Fill(src, Rgba(10, 20, 30, 0));
    Fill(dst, Rgba(1, 2, 3, 4));
    Blend(dst, 0, 0, src, 0);
    Accumulate(dst, 0, 0, src, 0);
    EXPECT_EQ(At(dst, 1, 0), Rgba(1, 2, 3, 4));
    Blend(dst, 0, 0, src, 400); // taken as 255
    EXPECT_EQ(At(dst, 1, 0), Rgba(10, 20, 30, 0));
    Fill(dst, Rgba(1, 2, 3, 4));
    Blend(dst, 0, 0, src, -5); // taken as 0
    EXPECT_EQ(At(dst, 1, 0), Rgba(1, 2, 3, 4));
}

TEST(PixelOps, StretchTakesTheNearestPixel) {
    Surface dst, src;
    ASSERT_TRUE(dst.Create(6, 4));
    ASSERT_TRUE(src.Create(4, 2));
    src.SetHasMask(true);
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x)
            At(src, x, y) = Rgba(x, y, 9, 0);
    // Half size: pixel i samples the column under its centre,
    // (2i + 1) * 4 / (2 * 2) = 1 and 3, and row (2 * 0 + 1) * 2 / 2 = 1.
    Stretch(dst, 1, 1, 2, 1, src);
    EXPECT_EQ(At(dst, 1, 1), Rgba(1, 1, 9, 0));
    EXPECT_EQ(At(dst, 2, 1), Rgba(3, 1, 9, 0));
    EXPECT_EQ(At(dst, 0, 1), 0u);
    EXPECT_EQ(At(dst, 3, 1), 0u);
    // Double size, cut at the right edge: columns 0 0 1 1 2 2 from x = 0;
    // rows 0 0 1 1.
    dst.Clear();
    Stretch(dst, -2, 0, 8, 4, src);
    EXPECT_EQ(At(dst, 0, 0), Rgba(1, 0, 9, 0));
    EXPECT_EQ(At(dst, 5, 3), Rgba(3, 1, 9, 0));
    EXPECT_EQ(At(dst, 2, 1), Rgba(2, 0, 9, 0));
    EXPECT_EQ(At(dst, 2, 2), Rgba(2, 1, 9, 0));
    // An empty target size draws nothing.
    dst.Clear();
    Stretch(dst, 0, 0, 0, 4, src);
    EXPECT_EQ(At(dst, 0, 0), 0u);
}

TEST(PixelOps, DrawingASurfaceOntoItselfReadsThePictureAsItWas) {
    // Draw a surface of distinct opaque pixels onto itself one column right
    // and one row down: every pixel must take the old value of its upper-left
    // neighbour, however the loops walk through memory.
    Surface s;
    ASSERT_TRUE(s.Create(40, 3));
    auto paint = [&s] {
        for (int32_t y = 0; y < 3; ++y)
            for (int32_t x = 0; x < 40; ++x)
                At(s, x, y) = Rgba(x, y, 0, 255);
    };
    auto check = [&s](uint32_t alpha, const char* what) {
        for (int32_t y = 1; y < 3; ++y)
            for (int32_t x = 1; x < 40; ++x)
                ASSERT_EQ(At(s, x, y), Rgba(x - 1, y - 1, 0, alpha))
                    << what << " " << x << "," << y;
    };
    paint();
    Copy(s, 1, 1, s);
    check(255, "copy");
    s.SetHasMask(true);
    paint();
    Copy(s, 1, 1, s);
    check(255, "masked copy");
    paint();
    Blend(s, 1, 1, s, 255);
    check(0, "blend");
    paint();
    Over(s, 1, 1, s);
    check(0, "over");
}
