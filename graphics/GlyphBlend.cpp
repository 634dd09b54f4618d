#include "graphics/GlyphBlend.h"

#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

#include <algorithm>

using pixelkernels::Mul;

void BlendGlyph(Surface& dst, int32_t penX, int32_t lineTop, int32_t ascent,
                const GlyphMetrics& metrics, std::span<const uint8_t> bitmap,
                const TextColour& colour) {
    const int32_t width = metrics.blackBoxWidth;
    const int32_t height = metrics.blackBoxHeight;
    if (!dst.IsCreated() || width <= 0 || height <= 0)
        return;
    const size_t rowBytes = static_cast<size_t>(GlyphRowBytes(width));
    if (bitmap.size() < rowBytes * static_cast<size_t>(height))
        return;
    const int64_t left = int64_t{penX} + metrics.originX;
    const int64_t top = int64_t{lineTop} + ascent - metrics.originY;
    // Blue, green, red: the byte order of a pixel in memory.
    const uint16_t channels[3] = {colour.blue, colour.green, colour.red};
    for (int32_t row = 0; row < height; ++row) {
        const int64_t y = top + row;
        if (y < 0 || y >= dst.Height())
            continue;
        uint32_t* pixels = dst.ScreenRow(static_cast<int32_t>(y));
        const uint8_t* grey = bitmap.data() + rowBytes * static_cast<size_t>(row);
        for (int32_t column = 0; column < width; ++column) {
            const int64_t x = left + column;
            if (grey[column] == 0 || x < 0 || x >= dst.Width())
                continue;
            const auto coverage =
                static_cast<uint16_t>(4 * std::min<uint16_t>(grey[column], 64) - 1);
            auto* d = reinterpret_cast<uint8_t*>(pixels + x);
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>(Mul(static_cast<uint16_t>(255 - coverage), d[c]) +
                                            Mul(channels[c], coverage));
            d[3] = 0;
        }
    }
}
