#include "BenchPictures.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace bench {

std::unique_ptr<Surface> MakeBackground(int32_t width, int32_t height, uint32_t seed) {
    auto surface = std::make_unique<Surface>();
    surface->Create(width, height);
    std::mt19937 rng(seed);
    const size_t count = static_cast<size_t>(width) * height;
    for (size_t i = 0; i < count; ++i)
        surface->Pixels()[i] = rng() & 0x00FFFFFFu;
    return surface;
}

std::unique_ptr<Surface> MakeSprite(int32_t width, int32_t height, uint32_t seed) {
    auto surface = MakeBackground(width, height, seed);
    std::mt19937 rng(seed * 7 + 1);
    std::uniform_real_distribution<float> phase(0.0f, 6.2832f);
    const float p1 = phase(rng), p2 = phase(rng), p3 = phase(rng);
    // A smooth field of overlapping waves; its 40th and 65th percentiles
    // become alpha 0 and 255, with a linear ramp between.
    const size_t count = static_cast<size_t>(width) * height;
    std::vector<float> field(count);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            field[static_cast<size_t>(y) * width + x] =
                std::sin(static_cast<float>(x) * 0.011f + p1) +
                std::sin(static_cast<float>(y) * 0.017f + p2) +
                0.5f * std::sin(static_cast<float>(x + y) * 0.023f + p3);
    std::vector<float> sorted = field;
    std::nth_element(sorted.begin(), sorted.begin() + count * 40 / 100, sorted.end());
    const float low = sorted[count * 40 / 100];
    std::nth_element(sorted.begin(), sorted.begin() + count * 65 / 100, sorted.end());
    const float high = sorted[count * 65 / 100];
    for (size_t i = 0; i < count; ++i) {
        const float a = std::clamp((field[i] - low) / (high - low) * 255.0f, 0.0f, 255.0f);
        surface->Pixels()[i] |= static_cast<uint32_t>(a) << 24;
    }
    surface->SetHasMask(true);
    return surface;
}

AlphaMix MeasureAlpha(const Surface& surface) {
    const size_t count = static_cast<size_t>(surface.Width()) * surface.Height();
    size_t transparent = 0, opaque = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t a = surface.Pixels()[i] >> 24;
        transparent += a == 0;
        opaque += a == 255;
    }
    return {static_cast<double>(transparent) / count, static_cast<double>(opaque) / count};
}

} // namespace bench
