// Clipping shared by the pixel operations. Positions are screen coordinates
// (y = 0 is the top row); a source rectangle field of -1 means its default:
// left 0, top 0, the source width, the source height.
#pragma once

#include <cstdint>

class Surface;

struct SourceRect {
    int32_t left = -1;
    int32_t top = -1;
    int32_t width = -1;
    int32_t height = -1;
};

// The part of an operation that lands inside both surfaces.
struct ClippedArea {
    int32_t dstX = 0;
    int32_t dstY = 0;
    int32_t srcX = 0;
    int32_t srcY = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Clips drawing `rect` of `src` to (x, y) of `dst`. Nothing is drawn (false)
// when x or y lies at or beyond the destination's width or height; a negative
// x or y moves the source start right or down by the same amount and
// shortens the rectangle; the right and bottom edges are cut at the
// destination size. The rectangle is also cut to the source surface, so a
// rectangle reaching outside the source never reads memory it does not own.
bool ClipArea(const Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect,
              ClippedArea& area);

// The row loops assume that source and destination do not overlap. An
// operation drawing a surface onto itself first copies the source (pixels
// and has-mask flag) into `copy` with this and draws from the copy, so it
// sees the picture as it was before. False when the copy cannot be made.
bool CopySurface(const Surface& from, Surface& copy);
