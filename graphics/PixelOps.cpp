#include "graphics/PixelOps.h"

#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cstring>

using namespace pixelkernels;

namespace {

uint32_t ClampOpacity(int32_t opacity) {
    return static_cast<uint32_t>(std::clamp(opacity, 0, 255));
}

// Calls rowFn(destination row, source row, width) for every row of the area,
// bottom row first: rows are stored bottom-up, so this walks both surfaces
// towards higher addresses, the order the hardware prefetcher follows best.
template <class RowFn>
void ForEachRow(Surface& dst, const Surface& src, const ClippedArea& area, RowFn&& rowFn) {
    for (int32_t k = area.height - 1; k >= 0; --k)
        rowFn(dst.ScreenRow(area.dstY + k) + area.dstX, src.ScreenRow(area.srcY + k) + area.srcX,
              area.width);
}

// d := s with the alpha byte cleared, for a whole row.
VN_ROW_LOOP void CopyColour(uint32_t* __restrict d, const uint32_t* __restrict s, int32_t n) {
    for (int32_t i = 0; i < n; ++i)
        d[i] = s[i] & kColourBits;
}

VN_KERNEL void CopyPremultipliedChunk(uint32_t* __restrict d, const uint32_t* __restrict s) {
    const ChunkAlpha alpha = ClassifyAlpha(s);
    if (alpha.allZero)
        return;
    if (alpha.allOpaque) {
        std::memcpy(d, s, kChunkBytes);
        return;
    }
    // T(a, colour) into a cleared chunk; the alpha lane takes T(255, a) = a.
    alignas(32) uint32_t w[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    alignas(32) uint32_t out[kChunkPixels] = {};
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t a = AlphaOf(s[i]);
        w[i] = (Replicate(a) & kColourBits) | kAlphaBits;
        sw[i] = s[i];
    }
    AddScaledBytes(reinterpret_cast<uint8_t*>(out), reinterpret_cast<const uint8_t*>(sw),
                   reinterpret_cast<const uint8_t*>(w));
    for (int i = 0; i < kChunkPixels; ++i)
        d[i] = AlphaOf(s[i]) != 0 ? out[i] : d[i];
}

VN_KERNEL void BlendUnmaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                                  const uint8_t* __restrict weights) {
    alignas(32) uint32_t sw[kChunkPixels];
    for (int i = 0; i < kChunkPixels; ++i)
        sw[i] = s[i] & kColourBits;
    MixBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw), weights);
}

template <bool kFullOpacity>
VN_KERNEL void BlendMaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                                uint32_t opacity) {
    const ChunkAlpha alpha = ClassifyAlpha(s);
    if (alpha.allZero)
        return;
    if (alpha.allOpaque && kFullOpacity) {
        for (int i = 0; i < kChunkPixels; ++i)
            d[i] = s[i] & kColourBits;
        return;
    }
    // Colour lanes mix with t; the alpha lane mixes 0 with weight 255 where
    // t != 0 (giving 0) and keeps the destination's alpha where t = 0.
    alignas(32) uint32_t tw[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t t = kFullOpacity ? AlphaOf(s[i])
                                        : Mul(static_cast<uint16_t>(opacity),
                                              static_cast<uint16_t>(AlphaOf(s[i])));
        tw[i] = (Replicate(t) & kColourBits) | (t != 0 ? kAlphaBits : 0);
        sw[i] = s[i] & kColourBits;
    }
    MixBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
             reinterpret_cast<const uint8_t*>(tw));
}

VN_KERNEL void AccumulateUnmaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                                       uint32_t opacity) {
    // Channels add T(o, s) unless the pixel is already covered; the alpha
    // lane adds T(u, 255) = u.
    alignas(32) uint32_t w[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t room = 255 - AlphaOf(d[i]);
        const uint32_t u = std::min(opacity, room);
        const uint32_t o = room != 0 ? opacity : 0;
        w[i] = (Replicate(o) & kColourBits) | (u << 24);
        sw[i] = s[i] | kAlphaBits;
    }
    AddScaledBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
                   reinterpret_cast<const uint8_t*>(w));
}

VN_KERNEL void AccumulateMaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                                     uint32_t opacity) {
    if (ClassifyAlpha(s).allZero)
        return;
    // u is 0 where the source is transparent or the pixel is covered, and
    // adding T(0, x) = 0 leaves such pixels as they were.
    alignas(32) uint32_t w[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t t =
            Mul(static_cast<uint16_t>(opacity), static_cast<uint16_t>(AlphaOf(s[i])));
        const uint32_t u = std::min(t, 255 - AlphaOf(d[i]));
        w[i] = Replicate(u);
        sw[i] = s[i] | kAlphaBits;
    }
    AddScaledBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
                   reinterpret_cast<const uint8_t*>(w));
}

VN_KERNEL void OverChunk(uint32_t* __restrict d, const uint32_t* __restrict s) {
    const ChunkAlpha alpha = ClassifyAlpha(s);
    if (alpha.allZero)
        return;
    if (alpha.allOpaque) {
        for (int i = 0; i < kChunkPixels; ++i)
            d[i] = s[i] & kColourBits;
        return;
    }
    // Transparent pixels become 0 + T(255, d) = d in every lane; the others
    // get s + T(255 - a, d) in the colour lanes and 0 + T(0, d) = 0 as alpha.
    alignas(32) uint32_t v[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t a = AlphaOf(s[i]);
        v[i] = a != 0 ? Replicate(255 - a) & kColourBits : 0xFFFFFFFFu;
        sw[i] = a != 0 ? s[i] & kColourBits : 0;
    }
    AddOverBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
                 reinterpret_cast<const uint8_t*>(v));
}

// Row loops: one call per row, the chunking inside.

VN_ROW_LOOP void CopyPremultipliedRow(uint32_t* d, const uint32_t* s, int32_t n) {
    ForEachChunk<CopyPremultipliedChunk>(d, s, n);
}

VN_ROW_LOOP void BlendMaskedRow(uint32_t* d, const uint32_t* s, int32_t n, uint32_t opacity) {
    ForEachChunk<BlendMaskedChunk<false>>(d, s, n, opacity);
}

VN_ROW_LOOP void BlendMaskedFullRow(uint32_t* d, const uint32_t* s, int32_t n, uint32_t) {
    ForEachChunk<BlendMaskedChunk<true>>(d, s, n, 255u);
}

VN_ROW_LOOP void BlendUnmaskedRow(uint32_t* d, const uint32_t* s, int32_t n,
                                  const uint8_t* weights) {
    ForEachChunk<BlendUnmaskedChunk>(d, s, n, weights);
}

VN_ROW_LOOP void AccumulateMaskedRow(uint32_t* d, const uint32_t* s, int32_t n, uint32_t opacity) {
    ForEachChunk<AccumulateMaskedChunk>(d, s, n, opacity);
}

VN_ROW_LOOP void AccumulateUnmaskedRow(uint32_t* d, const uint32_t* s, int32_t n,
                                       uint32_t opacity) {
    ForEachChunk<AccumulateUnmaskedChunk>(d, s, n, opacity);
}

VN_ROW_LOOP void OverRow(uint32_t* d, const uint32_t* s, int32_t n) {
    ForEachChunk<OverChunk>(d, s, n);
}

} // namespace

void Copy(Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            Copy(dst, x, y, copy, rect);
        return;
    }
    ClippedArea area;
    if (!ClipArea(dst, x, y, src, rect, area))
        return;
    if (!src.HasMask()) {
        ForEachRow(dst, src, area, [](uint32_t* d, const uint32_t* s, int32_t n) {
            std::memmove(d, s, static_cast<size_t>(n) * 4);
        });
        return;
    }
    ForEachRow(dst, src, area, CopyPremultipliedRow);
}

void Blend(Surface& dst, int32_t x, int32_t y, const Surface& src, int32_t opacity,
           const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            Blend(dst, x, y, copy, opacity, rect);
        return;
    }
    const uint32_t o = ClampOpacity(opacity);
    ClippedArea area;
    if (o == 0 || !ClipArea(dst, x, y, src, rect, area))
        return;
    if (src.HasMask()) {
        ForEachRow(dst, src, area, [o](uint32_t* d, const uint32_t* s, int32_t n) {
            if (o == 255)
                BlendMaskedFullRow(d, s, n, o);
            else
                BlendMaskedRow(d, s, n, o);
        });
        return;
    }
    if (o == 255) {
        ForEachRow(dst, src, area, CopyColour);
        return;
    }
    // The same weights for every pixel: o in the colour lanes, 255 in the
    // alpha lane whose source byte is cleared, so the alpha becomes 0.
    alignas(32) uint32_t weights[kChunkPixels];
    std::fill(weights, weights + kChunkPixels, (Replicate(o) & kColourBits) | kAlphaBits);
    const auto* w = reinterpret_cast<const uint8_t*>(weights);
    ForEachRow(dst, src, area,
               [w](uint32_t* d, const uint32_t* s, int32_t n) { BlendUnmaskedRow(d, s, n, w); });
}

void Accumulate(Surface& dst, int32_t x, int32_t y, const Surface& src, int32_t opacity,
                const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            Accumulate(dst, x, y, copy, opacity, rect);
        return;
    }
    const uint32_t o = ClampOpacity(opacity);
    ClippedArea area;
    if (o == 0 || !ClipArea(dst, x, y, src, rect, area))
        return;
    if (src.HasMask())
        ForEachRow(dst, src, area, [o](uint32_t* d, const uint32_t* s, int32_t n) {
            AccumulateMaskedRow(d, s, n, o);
        });
    else
        ForEachRow(dst, src, area, [o](uint32_t* d, const uint32_t* s, int32_t n) {
            AccumulateUnmaskedRow(d, s, n, o);
        });
}

void Over(Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            Over(dst, x, y, copy, rect);
        return;
    }
    ClippedArea area;
    if (!ClipArea(dst, x, y, src, rect, area))
        return;
    ForEachRow(dst, src, area, OverRow);
}

void Stretch(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height, const Surface& src,
             const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            Stretch(dst, x, y, width, height, copy, rect);
        return;
    }
    if (!dst.IsCreated() || !src.IsCreated() || width <= 0 || height <= 0)
        return;
    const int64_t left = rect.left == -1 ? 0 : rect.left;
    const int64_t top = rect.top == -1 ? 0 : rect.top;
    const int64_t srcWidth = rect.width == -1 ? src.Width() : rect.width;
    const int64_t srcHeight = rect.height == -1 ? src.Height() : rect.height;
    if (srcWidth <= 0 || srcHeight <= 0)
        return;
    // Destination pixel i samples source column left + (2i + 1) * srcWidth /
    // (2 * width), the column under its centre. Samples outside the source
    // surface leave the destination pixel unchanged.
    const int64_t x0 = std::max<int64_t>(x, 0);
    const int64_t x1 = std::min<int64_t>(int64_t{x} + width, dst.Width());
    const int64_t y0 = std::max<int64_t>(y, 0);
    const int64_t y1 = std::min<int64_t>(int64_t{y} + height, dst.Height());
    for (int64_t dy = y0; dy < y1; ++dy) {
        const int64_t sy = top + (2 * (dy - y) + 1) * srcHeight / (2 * int64_t{height});
        if (sy < 0 || sy >= src.Height())
            continue;
        const uint32_t* s = src.ScreenRow(static_cast<int32_t>(sy));
        uint32_t* d = dst.ScreenRow(static_cast<int32_t>(dy));
        for (int64_t dx = x0; dx < x1; ++dx) {
            const int64_t sx = left + (2 * (dx - x) + 1) * srcWidth / (2 * int64_t{width});
            if (sx >= 0 && sx < src.Width())
                d[dx] = s[sx];
        }
    }
}
