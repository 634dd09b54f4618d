// Drawing an image through one step of a pattern set (the stipple and slash
// transition kinds).
#pragma once

#include "graphics/PixelOpsClip.h"

#include <cstdint>

class Surface;

// Draws `rect` of `src` at (x, y) of `dst` through step `step` of pattern
// set `set` (see PatternSets.h). The cell is anchored to destination screen
// coordinates: pixel (x, y) uses row y mod 8, column x mod 8. Unless `asIs`
// is set, the step's bits are complemented first. A set bit keeps the
// destination pixel; where it is clear an unmasked source pixel is copied
// with alpha 255, and a masked source pixel with alpha a != 0 gives each
// channel d := min(255, s + T(255 - a, d)) (the source colour is added as it
// stands) and alpha 0. Clipping as for every pixel operation.
void PatternDraw(Surface& dst, int set, int step, bool asIs, int32_t x, int32_t y,
                 const Surface& src, const SourceRect& rect = {});
