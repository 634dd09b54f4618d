// Drawing an image with one of the transition kinds the authors choose:
// 0 alpha blend, 1 stipple 1, 2 stipple 2, 3 slash 1, 4 slash 2, 5 alpha
// curtain; any other number draws like kind 1.
#pragma once

#include <cstdint>

class Surface;

// The pattern set a kind draws with: kinds 1 to 4 use sets 0 to 3, every
// other kind except 0 and 5 uses set 0.
int PatternSetOfKind(int kind);

// The pattern step for an image at `alpha`: (count - 1) * w / 255 in integer
// arithmetic, with w = alpha, or 255 - alpha when `asIs` is set.
int PatternStepForAlpha(int set, bool asIs, int32_t alpha);

// Draws `image` at (x, y) of `dst` with `kind` at `alpha` (held to 0..255):
// kind 0 blends with opacity alpha, kind 5 draws the alpha curtain at
// progress alpha / 255, the pattern kinds draw the step PatternStepForAlpha
// gives, passing `asIs` on.
void DrawWithKind(Surface& dst, int kind, bool asIs, int32_t alpha, int32_t x, int32_t y,
                  const Surface& image);
