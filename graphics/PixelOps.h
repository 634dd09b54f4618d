// Pixel operations between surfaces, with the exact MulTable arithmetic
// T(a, x) = (a * x + 127) / 255. Every operation draws `rect` of `src` (see
// SourceRect for its defaults) with its top-left at (x, y) of `dst` in screen
// coordinates, clipped as ClipArea describes. A source "with mask" is one
// whose has-mask flag is set; otherwise its alpha bytes are ignored.
// Opacities outside 0..255 are clamped to that range.
#pragma once

#include "graphics/PixelOpsClip.h"

#include <cstdint>

class Surface;

// Unmasked source: the pixel words are copied as they are. Masked source:
// where the source alpha a is not 0 the destination becomes the premultiplied
// pixel (T(a, blue), T(a, green), T(a, red), a); alpha 0 leaves it unchanged.
void Copy(Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect = {});

// Draws nothing for opacity 0. Unmasked: each colour channel
// d := T(o, s) + T(255 - o, d). Masked: t := T(o, source alpha) and, where t
// is not 0, d := T(t, s) + T(255 - t, d). Written pixels get alpha 0; pixels
// with t = 0 are left as they were.
void Blend(Surface& dst, int32_t x, int32_t y, const Surface& src, int32_t opacity,
           const SourceRect& rect = {});

// Front-to-back accumulation into a premultiplied buffer whose alpha counts
// the coverage so far. Nothing for opacity 0; destination pixels with alpha
// 255 are left alone. Unmasked: u := min(o, 255 - destination alpha), each
// channel d := min(255, d + T(o, s)), alpha += u. Masked, where the source
// alpha a is not 0: u := min(T(o, a), 255 - destination alpha), each channel
// d := min(255, d + T(u, s)), alpha += u.
void Accumulate(Surface& dst, int32_t x, int32_t y, const Surface& src, int32_t opacity,
                const SourceRect& rect = {});

// Premultiplied source over the destination: where the source alpha a is not
// 0, each channel d := min(255, s + T(255 - a, d)) and the alpha byte becomes
// 0. The has-mask flag of the source is not consulted.
void Over(Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect = {});

// Scales `rect` of `src` to width x height at (x, y) by nearest neighbour
// (each destination pixel takes the source pixel under its centre), copying
// whole pixel words: no mask, no blending. Parts outside `dst` are cut.
void Stretch(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height, const Surface& src,
             const SourceRect& rect = {});
