#include "graphics/AlphaCurtain.h"

#include "graphics/PixelOps.h"
#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <vector>

using namespace pixelkernels;

namespace {

// Blend with an opacity for each pixel of the chunk, as Blend does with one:
// masked, t = T(o, source alpha) and pixels with t = 0 stay; unmasked, the
// colour mixes with o and the alpha becomes 0 unless o is 0.
template <bool kMasked>
VN_KERNEL void BlendVaryingChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                                 const uint8_t* __restrict opacity) {
    if (kMasked && ClassifyAlpha(s).allZero)
        return;
    alignas(32) uint32_t tw[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t t =
            kMasked ? Mul(opacity[i], static_cast<uint16_t>(AlphaOf(s[i]))) : opacity[i];
        tw[i] = (Replicate(t) & kColourBits) | (t != 0 ? kAlphaBits : 0);
        sw[i] = s[i] & kColourBits;
    }
    MixBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
             reinterpret_cast<const uint8_t*>(tw));
}

template <bool kMasked>
VN_KERNEL void BlendVarying(uint32_t* d, const uint32_t* s, int32_t n, const uint8_t* opacity) {
    int32_t i = 0;
    for (; i + kChunkPixels <= n; i += kChunkPixels)
        BlendVaryingChunk<kMasked>(d + i, s + i, opacity + i);
    if (i < n) {
        const size_t count = static_cast<size_t>(n - i);
        alignas(32) uint32_t dt[kChunkPixels] = {};
        alignas(32) uint32_t st[kChunkPixels] = {};
        uint8_t ot[kChunkPixels] = {};
        std::memcpy(dt, d + i, count * 4);
        std::memcpy(st, s + i, count * 4);
        std::memcpy(ot, opacity + i, count);
        BlendVaryingChunk<kMasked>(dt, st, ot);
        std::memcpy(d + i, dt, count * 4);
    }
}

VN_ROW_LOOP void BlendVaryingMaskedRow(uint32_t* d, const uint32_t* s, int32_t n,
                                       const uint8_t* opacity) {
    BlendVarying<true>(d, s, n, opacity);
}

VN_ROW_LOOP void BlendVaryingUnmaskedRow(uint32_t* d, const uint32_t* s, int32_t n,
                                         const uint8_t* opacity) {
    BlendVarying<false>(d, s, n, opacity);
}

} // namespace

void AlphaCurtain(Surface& dst, float progress, int32_t x, int32_t y, const Surface& image) {
    if (!dst.IsCreated() || !image.IsCreated())
        return;
    const int64_t screenWidth = dst.Width();
    // The image rectangle clipped to the screen: left l, top m, width f,
    // height h; (sx, sy) is the image pixel that lands on (l, m).
    const int64_t l = std::max<int64_t>(x, 0);
    const int64_t m = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + image.Width(), screenWidth);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + image.Height(), dst.Height());
    const int64_t f = right - l;
    const int64_t h = bottom - m;
    if (f <= 0 || h <= 0)
        return;
    const int64_t sx = l - x;
    const int64_t sy = m - y;
    auto part = [&](int64_t column, int64_t width) {
        return SourceRect{static_cast<int32_t>(sx + column - l), static_cast<int32_t>(sy),
                          static_cast<int32_t>(width), static_cast<int32_t>(h)};
    };

    const int64_t o = static_cast<int64_t>(static_cast<float>(screenWidth + 256) * progress) - 256;
    if (o >= l) {
        const int64_t end = std::min(o, l + f);
        if (end > l)
            Copy(dst, static_cast<int32_t>(l), static_cast<int32_t>(m), image, part(l, end - l));
        if (o >= l + f)
            return;
    }

    const int64_t r = std::min<int64_t>(screenWidth - o, 256);
    const int64_t t = std::max(o, l);
    const int64_t e = std::min(l + f, o + r) - 1;
    if (e < t)
        return;
    const float startAlpha = 255.0f - static_cast<float>(t - o) / 256.0f * 255.0f;
    const float endAlpha = 255.0f - static_cast<float>(e - o) / 256.0f * 255.0f;
    // A one-column edge has no slope.
    const float perColumn = e > t ? (endAlpha - startAlpha) / static_cast<float>(e - t) : 0.0f;
    // The edge is blended in strips of 4 columns (the last one cut at the
    // image's right end), each at one opacity. The opacities are laid out
    // per column and the edge is blended row by row, which keeps the memory
    // access sequential.
    std::vector<uint8_t> opacity;
    float alpha = startAlpha;
    for (int64_t c = t; c <= e; c += 4) {
        const int64_t width = std::min<int64_t>(4, l + f - c);
        const auto o = static_cast<uint8_t>(std::clamp(static_cast<int32_t>(alpha), 0, 255));
        opacity.insert(opacity.end(), static_cast<size_t>(width), o);
        alpha += 4.0f * perColumn;
    }
    const auto width = static_cast<int32_t>(opacity.size());
    const int64_t imageColumn = sx + t - l;
    for (int64_t k = h - 1; k >= 0; --k) {
        uint32_t* d = dst.ScreenRow(static_cast<int32_t>(m + k)) + t;
        const uint32_t* s = image.ScreenRow(static_cast<int32_t>(sy + k)) + imageColumn;
        if (image.HasMask())
            BlendVaryingMaskedRow(d, s, width, opacity.data());
        else
            BlendVaryingUnmaskedRow(d, s, width, opacity.data());
    }
}
