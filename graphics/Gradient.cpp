#include "graphics/Gradient.h"

#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cstring>

using namespace pixelkernels;

namespace {

uint16_t ToByte(float value) {
    return static_cast<uint16_t>(std::clamp(value, 0.0f, 255.0f));
}

// One row: every byte d := T(keep, d) + add, with the per-byte factors of
// one chunk in `keep` and `add` (the alpha lanes keep 255 and add 0, so the
// alpha bytes stay as they are). Whole chunks first, then the rest.
VN_KERNEL void ShadeChunk(uint8_t* __restrict d, const uint8_t* __restrict keep,
                          const uint8_t* __restrict add) {
    for (int j = 0; j < kChunkBytes; ++j)
        d[j] = static_cast<uint8_t>(Mul(keep[j], d[j]) + add[j]);
}

VN_ROW_LOOP void ShadeRow(uint8_t* d, int32_t pixels, const uint8_t* keep, const uint8_t* add) {
    int32_t i = 0;
    for (; i + kChunkPixels <= pixels; i += kChunkPixels)
        ShadeChunk(d + 4 * i, keep, add);
    if (i < pixels) {
        alignas(32) uint8_t tail[kChunkBytes] = {};
        const size_t bytes = static_cast<size_t>(4 * (pixels - i));
        std::memcpy(tail, d + 4 * i, bytes);
        ShadeChunk(tail, keep, add);
        std::memcpy(d + 4 * i, tail, bytes);
    }
}

} // namespace

void GradientFill(Surface& dst, int32_t x, int32_t y, int32_t width, int32_t height,
                  const GradientColour& start, const GradientColour& end) {
    if (!dst.IsCreated() || width <= 0 || height <= 0)
        return;
    x = std::max(x, 0);
    y = std::max(y, 0);
    width = std::min(width, dst.Width() - x);
    height = std::min(height, dst.Height() - y);
    if (width <= 0 || height <= 0)
        return;
    const float rows = static_cast<float>(height);
    const float redStep = static_cast<float>(start.red - end.red) / rows;
    const float greenStep = static_cast<float>(start.green - end.green) / rows;
    const float blueStep = static_cast<float>(start.blue - end.blue) / rows;
    const float alphaStep = static_cast<float>(start.alpha - end.alpha) / rows;
    float red = end.red, green = end.green, blue = end.blue, alpha = end.alpha;
    for (int32_t row = height - 1; row >= 0; --row) {
        const uint16_t a = ToByte(alpha);
        const auto keep = static_cast<uint8_t>(255 - a);
        // The row's colour term T(a, c) per channel, blue first as in memory.
        const uint8_t lane[4] = {static_cast<uint8_t>(Mul(a, ToByte(blue))),
                                 static_cast<uint8_t>(Mul(a, ToByte(green))),
                                 static_cast<uint8_t>(Mul(a, ToByte(red))), 0};
        alignas(32) uint8_t keeps[kChunkBytes];
        alignas(32) uint8_t adds[kChunkBytes];
        for (int j = 0; j < kChunkBytes; ++j) {
            keeps[j] = j % 4 == 3 ? 255 : keep;
            adds[j] = lane[j % 4];
        }
        ShadeRow(reinterpret_cast<uint8_t*>(dst.ScreenRow(y + row) + x), width, keeps, adds);
        red += redStep;
        green += greenStep;
        blue += blueStep;
        alpha += alphaStep;
    }
}
