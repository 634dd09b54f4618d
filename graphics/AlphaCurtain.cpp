#include "graphics/AlphaCurtain.h"

#include "graphics/PixelOps.h"
#include "graphics/Surface.h"

#include <algorithm>

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
    float alpha = startAlpha;
    for (int64_t c = t; c <= e; c += 4) {
        const int64_t width = std::min<int64_t>(4, l + f - c);
        Blend(dst, static_cast<int32_t>(c), static_cast<int32_t>(m), image,
              static_cast<int32_t>(alpha), part(c, width));
        alpha += 4.0f * perColumn;
    }
}
