#include "graphics/Gradient.h"

#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

#include <algorithm>

using namespace pixelkernels;

namespace {

uint16_t ToByte(float value) {
    return static_cast<uint16_t>(std::clamp(value, 0.0f, 255.0f));
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
        const uint16_t keep = static_cast<uint16_t>(255 - a);
        // The row's colour term T(a, c) per channel, blue first as in memory.
        const uint16_t add[3] = {Mul(a, ToByte(blue)), Mul(a, ToByte(green)), Mul(a, ToByte(red))};
        uint8_t* d = reinterpret_cast<uint8_t*>(dst.ScreenRow(y + row) + x);
        for (int32_t i = 0; i < width; ++i)
            for (int c = 0; c < 3; ++c)
                d[4 * i + c] = static_cast<uint8_t>(Mul(keep, d[4 * i + c]) + add[c]);
        red += redStep;
        green += greenStep;
        blue += blueStep;
        alpha += alphaStep;
    }
}
