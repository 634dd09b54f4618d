// Filled polygons with a one-pixel outline, as used for the turning
// triangle of the click-wait marker.
#pragma once

#include <cstdint>
#include <span>

class Surface;

struct PolygonPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Colours as 0xRRGGBB; drawn pixels get alpha 0.
struct PolygonColours {
    uint32_t outline = 0x000000;
    uint32_t fill = 0xFFFFFF;
};

// Fills the closed polygon through `points` (screen coordinates; the last
// point joins the first) with the even-odd rule, taking every pixel whose
// centre lies inside, then draws each edge as a one-pixel line including its
// end points. Pixels outside the surface are skipped.
void DrawPolygon(Surface& dst, std::span<const PolygonPoint> points,
                 const PolygonColours& colours = {});

// The marker's horizontal offset at `elapsedMs` since it started:
// trunc(width / 2000 * (elapsed mod 2000)), one turn every 2 seconds.
int32_t ClickMarkerOffset(int32_t width, uint32_t elapsedMs);

// The marker for the box (x, y, width, height) at `offset`: the polygon
// (x + offset, y), (x + width - offset, y), (x + width / 2, y + height),
// back to (x + offset, y), black outline and white fill.
void DrawClickMarker(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                     int32_t offset);
