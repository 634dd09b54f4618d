#include "graphics/Polygon.h"

#include "PixelReference.h"

#include <gtest/gtest.h>

using namespace pixeltest;

namespace {
constexpr uint32_t kWhite = 0x00FFFFFFu;
constexpr uint32_t kBlack = 0x00000000u;
} // namespace

TEST(Polygon, MarkerTriangleHasOutlineAndFill) {
    Surface screen;
    ASSERT_TRUE(screen.Create(16, 12));
    const uint32_t under = Rgba(10, 20, 30, 40);
    Fill(screen, under);
    // Offset 0: (2, 1), (10, 1), (6, 7), back to (2, 1).
    DrawClickMarker(screen, 2, 1, 8, 6, 0);
    for (int32_t x = 2; x <= 10; ++x)
        EXPECT_EQ(At(screen, x, 1), kBlack) << x; // top edge
    EXPECT_EQ(At(screen, 6, 7), kBlack);          // bottom tip
    EXPECT_EQ(At(screen, 4, 4), kBlack);          // on the left edge
    EXPECT_EQ(At(screen, 8, 4), kBlack);          // on the right edge
    EXPECT_EQ(At(screen, 6, 3), kWhite);          // inside
    EXPECT_EQ(At(screen, 5, 4), kWhite);
    EXPECT_EQ(At(screen, 1, 1), under);
    EXPECT_EQ(At(screen, 11, 1), under);
    EXPECT_EQ(At(screen, 6, 0), under);
    EXPECT_EQ(At(screen, 6, 8), under);
    EXPECT_EQ(At(screen, 3, 5), under);
}

TEST(Polygon, DegenerateAndClippedShapes) {
    Surface screen;
    ASSERT_TRUE(screen.Create(8, 8));
    // Offset half the width: the top edge is a single point, the triangle a
    // vertical line; then a polygon far off the surface.
    DrawClickMarker(screen, 0, 0, 8, 4, 4);
    EXPECT_EQ(At(screen, 4, 0), kBlack);
    EXPECT_EQ(At(screen, 4, 4), kBlack);
    const PolygonPoint far[] = {{-100000, -5}, {100000, -5}, {0, 20}};
    DrawPolygon(screen, far, {0x123456, 0xABCDEF});
    EXPECT_EQ(At(screen, 4, 7), 0x00ABCDEFu);
    DrawPolygon(screen, {});
    // Edges billions of pixels long cost only their visible part.
    const PolygonPoint huge[] = {{INT32_MIN, 3}, {INT32_MAX, 3}, {0, INT32_MAX}};
    DrawPolygon(screen, huge);
    EXPECT_EQ(At(screen, 0, 3), kBlack);
    EXPECT_EQ(At(screen, 7, 3), kBlack);
    EXPECT_EQ(At(screen, 4, 6), kWhite);
}

TEST(Polygon, MarkerOffsetTurnsEveryTwoSeconds) {
    // trunc(width / 2000 * (elapsed mod 2000)).
    EXPECT_EQ(ClickMarkerOffset(32, 0), 0);
    EXPECT_EQ(ClickMarkerOffset(32, 1000), 16);
    EXPECT_EQ(ClickMarkerOffset(32, 2500), 8);
    EXPECT_EQ(ClickMarkerOffset(32, 1999), 31);
}
