#include "graphics/Polygon.h"

#include "graphics/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

void Plot(Surface& dst, int64_t x, int64_t y, uint32_t colour) {
    if (x >= 0 && y >= 0 && x < dst.Width() && y < dst.Height())
        dst.ScreenRow(static_cast<int32_t>(y))[x] = colour & 0x00FFFFFFu;
}

// 128-bit: the products of coordinate differences below exceed 64 bits for
// points near the ends of the 32-bit range.
using Wide = __int128;

// floor(n / d) for d > 0.
int64_t FloorDiv(Wide n, Wide d) {
    return static_cast<int64_t>(n >= 0 ? n / d : -((-n + d - 1) / d));
}

// The one-pixel line from a to b, both ends included: one pixel per step
// along the longer axis, the other coordinate rounded to the nearest pixel.
// Only the steps that land inside the surface are visited, so a line of any
// length costs no more than the pixels it can draw.
void Line(Surface& dst, PolygonPoint a, PolygonPoint b, uint32_t colour) {
    int64_t major0 = a.x, minor0 = a.y, major1 = b.x, minor1 = b.y;
    int64_t majorSize = dst.Width();
    const bool steep = std::llabs(int64_t{b.y} - a.y) > std::llabs(int64_t{b.x} - a.x);
    if (steep) {
        std::swap(major0, minor0);
        std::swap(major1, minor1);
        majorSize = dst.Height();
    }
    if (major1 < major0) {
        std::swap(major0, major1);
        std::swap(minor0, minor1);
    }
    const int64_t run = major1 - major0, rise = minor1 - minor0;
    const int64_t first = std::max<int64_t>(major0, 0);
    const int64_t last = std::min<int64_t>(major1, majorSize - 1);
    for (int64_t major = first; major <= last; ++major) {
        const int64_t minor =
            run == 0 ? minor0
                     : minor0 + FloorDiv(Wide{major - major0} * 2 * rise + run, Wide{run} * 2);
        if (steep)
            Plot(dst, minor, major, colour);
        else
            Plot(dst, major, minor, colour);
    }
}

void Fill(Surface& dst, std::span<const PolygonPoint> points, uint32_t colour) {
    const auto [low, high] =
        std::minmax_element(points.begin(), points.end(),
                            [](const PolygonPoint& a, const PolygonPoint& b) { return a.y < b.y; });
    const int64_t top = std::max<int64_t>(low->y, 0);
    const int64_t bottom = std::min<int64_t>(high->y, dst.Height());
    std::vector<double> crossings;
    for (int64_t y = top; y < bottom; ++y) {
        const double centre = static_cast<double>(y) + 0.5;
        crossings.clear();
        for (size_t i = 0; i < points.size(); ++i) {
            const PolygonPoint& a = points[i];
            const PolygonPoint& b = points[(i + 1) % points.size()];
            if (a.y == b.y)
                continue;
            const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
            if (centre < y0 || centre >= y1)
                continue;
            crossings.push_back(a.x + (centre - a.y) * static_cast<double>(int64_t{b.x} - a.x) /
                                          static_cast<double>(int64_t{b.y} - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixels whose centre x + 0.5 lies in [from, to).
            const int64_t first =
                std::max<int64_t>(static_cast<int64_t>(std::ceil(crossings[i] - 0.5)), 0);
            const int64_t last = std::min<int64_t>(
                static_cast<int64_t>(std::ceil(crossings[i + 1] - 0.5)), dst.Width());
            for (int64_t x = first; x < last; ++x)
                Plot(dst, x, y, colour);
        }
    }
}

} // namespace

void DrawPolygon(Surface& dst, std::span<const PolygonPoint> points,
                 const PolygonColours& colours) {
    if (!dst.IsCreated() || points.empty())
        return;
    Fill(dst, points, colours.fill);
    for (size_t i = 0; i < points.size(); ++i)
        Line(dst, points[i], points[(i + 1) % points.size()], colours.outline);
}

int32_t ClickMarkerOffset(int32_t width, uint32_t elapsedMs) {
    return static_cast<int32_t>(static_cast<float>(width) / 2000.0f *
                                static_cast<float>(elapsedMs % 2000));
}

void DrawClickMarker(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t offset) {
    const PolygonPoint points[] = {
        {x + offset, y}, {x + width - offset, y}, {x + width / 2, y + height}, {x + offset, y}};
    DrawPolygon(dst, points);
}
