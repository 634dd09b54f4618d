// Test pictures for the benchmarks: full-screen surfaces with random colours
// and a sprite-like alpha channel made of smooth shapes, about 40 % fully
// transparent, 35 % fully opaque and 25 % in between.
#pragma once

#include "graphics/Surface.h"

#include <cstdint>
#include <memory>

namespace bench {

// Opaque-looking picture without mask (alpha bytes 0).
std::unique_ptr<Surface> MakeBackground(int32_t width, int32_t height, uint32_t seed);

// A masked picture whose alpha channel looks like a sprite sheet.
std::unique_ptr<Surface> MakeSprite(int32_t width, int32_t height, uint32_t seed);

// Fractions of fully transparent and fully opaque pixels of a surface.
struct AlphaMix {
    double transparent;
    double opaque;
};
AlphaMix MeasureAlpha(const Surface& surface);

} // namespace bench
