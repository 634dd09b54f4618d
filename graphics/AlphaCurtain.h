// The alpha curtain transition kind: an image revealed from left to right
// behind a soft edge 256 pixels wide.
#pragma once

#include <cstdint>

class Surface;

// Draws `image` at (x, y) of `dst` at progress `progress` (0 to 1); the
// destination's width is the screen width W. The edge stands at
// o = trunc((W + 256) * progress) - 256: columns left of it are drawn with
// Copy at full strength, the next min(W - o, 256) columns fade out linearly
// (Blend in strips of 4 columns), columns further right are not drawn.
void AlphaCurtain(Surface& dst, float progress, int32_t x, int32_t y, const Surface& image);
