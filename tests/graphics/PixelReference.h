// Plain per-pixel reference versions of the pixel rules and helpers to build
// test surfaces; the optimised operations are compared against these.
#pragma once

#include "graphics/PatternSets.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>

namespace pixeltest {

inline uint32_t T(uint32_t a, uint32_t x) {
    return (a * x + 127) / 255;
}

inline uint32_t Channel(uint32_t pixel, int c) {
    return (pixel >> (8 * c)) & 0xFF;
}

inline uint32_t Pack(uint32_t b, uint32_t g, uint32_t r, uint32_t a) {
    return b | (g << 8) | (r << 16) | (a << 24);
}

// A pixel from its red, green, blue and alpha bytes.
inline uint32_t Rgba(uint32_t r, uint32_t g, uint32_t b, uint32_t a) {
    return Pack(b, g, r, a);
}

// Pixel at screen position (x, y).
inline uint32_t& At(Surface& s, int32_t x, int32_t y) {
    return s.ScreenRow(y)[x];
}
inline uint32_t At(const Surface& s, int32_t x, int32_t y) {
    return s.ScreenRow(y)[x];
}

inline void Fill(Surface& s, uint32_t pixel) {
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x)
            At(s, x, y) = pixel;
}

// Random colours; alpha drawn like a sprite's: about 40 % transparent, 35 %
// opaque and the rest in between, plus any alpha at all when `anyAlpha`.
inline void FillRandom(Surface& s, std::mt19937& rng, bool anyAlpha = false) {
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x) {
            const uint32_t colour = rng() & 0xFFFFFF;
            uint32_t alpha = rng() & 0xFF;
            if (!anyAlpha) {
                const uint32_t kind = rng() % 20;
                alpha = kind < 8 ? 0 : kind < 15 ? 255 : alpha;
            }
            At(s, x, y) = colour | (alpha << 24);
        }
}

inline bool SameSize(const Surface& a, const Surface& b) {
    return a.Width() == b.Width() && a.Height() == b.Height();
}

// Copies every pixel and the has-mask flag of `from` into a new surface.
inline void Duplicate(const Surface& from, Surface& to) {
    to.Create(from.Width(), from.Height());
    std::copy(from.Pixels(), from.Pixels() + static_cast<size_t>(from.Width()) * from.Height(),
              to.Pixels());
    to.SetHasMask(from.HasMask());
}

// Applies `rule(destination pixel, source pixel)` to every source pixel of
// the rectangle (left, top, width, height) drawn at (x, y), skipping pixels
// outside either surface: the plain form of the clipping rules.
inline void ForEachPair(Surface& dst, int32_t x, int32_t y, const Surface& src, int32_t left,
                        int32_t top, int32_t width, int32_t height,
                        const std::function<void(uint32_t&, uint32_t)>& rule) {
    for (int32_t j = 0; j < height; ++j)
        for (int32_t i = 0; i < width; ++i) {
            const int32_t sx = left + i, sy = top + j, dx = x + i, dy = y + j;
            if (sx < 0 || sy < 0 || sx >= src.Width() || sy >= src.Height())
                continue;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height())
                continue;
            rule(At(dst, dx, dy), At(src, sx, sy));
        }
}

// Index of the first pixel where two surfaces of one size differ, or -1.
inline int64_t FirstDifference(const Surface& a, const Surface& b) {
    const size_t n = static_cast<size_t>(a.Width()) * a.Height();
    for (size_t i = 0; i < n; ++i)
        if (a.Pixels()[i] != b.Pixels()[i])
            return static_cast<int64_t>(i);
    return -1;
}

// The rules of each operation for one pixel pair, written plainly.
inline uint32_t CopyRule(uint32_t d, uint32_t s, bool masked) {
    if (!masked)
        return s;
    const uint32_t a = s >> 24;
    if (a == 0)
        return d;
    return Pack(T(a, Channel(s, 0)), T(a, Channel(s, 1)), T(a, Channel(s, 2)), a);
}

inline uint32_t BlendRule(uint32_t d, uint32_t s, uint32_t o, bool masked) {
    const uint32_t t = masked ? T(o, s >> 24) : o;
    if (t == 0)
        return d;
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c)
        out |= (T(t, Channel(s, c)) + T(255 - t, Channel(d, c))) << (8 * c);
    return out;
}

inline uint32_t AccumulateRule(uint32_t d, uint32_t s, uint32_t o, bool masked) {
    const uint32_t da = d >> 24;
    if (da == 255)
        return d;
    if (masked && (s >> 24) == 0)
        return d;
    const uint32_t u = std::min(masked ? T(o, s >> 24) : o, 255 - da);
    const uint32_t w = masked ? u : o;
    uint32_t out = (da + u) << 24;
    for (int c = 0; c < 3; ++c)
        out |= std::min<uint32_t>(255, Channel(d, c) + T(w, Channel(s, c))) << (8 * c);
    return out;
}

inline uint32_t OverRule(uint32_t d, uint32_t s) {
    const uint32_t a = s >> 24;
    if (a == 0)
        return d;
    uint32_t out = 0;
    for (int c = 0; c < 3; ++c)
        out |= std::min<uint32_t>(255, Channel(s, c) + T(255 - a, Channel(d, c))) << (8 * c);
    return out;
}

// Whether the listed (uncomplemented) step has the bit of screen pixel (x, y).
inline bool StepBit(int set, int step, int32_t x, int32_t y) {
    return (PatternStep(set, step)[static_cast<size_t>(y % 8)] >> (7 - x % 8)) & 1;
}

// The alpha curtain's rule for an image `imageWidth` wide at column x of a
// screen `screenWidth` wide, at progress q: calls part(from, to, opacity)
// for the screen columns [from, to), opacity -1 for the part copied at full
// strength, then each strip of the soft edge with its opacity (0 included).
inline void CurtainParts(int32_t screenWidth, int32_t x, int32_t imageWidth, float q,
                         const std::function<void(int32_t, int32_t, int32_t)>& part) {
    const int32_t l = std::max(x, 0);
    const int32_t f = std::min(x + imageWidth, screenWidth) - l;
    if (f <= 0)
        return;
    const int32_t o = static_cast<int32_t>(static_cast<float>(screenWidth + 256) * q) - 256;
    if (o >= l) {
        part(l, std::min(o, l + f), -1);
        if (o >= l + f)
            return;
    }
    const int32_t t = std::max(o, l);
    const int32_t e = std::min(l + f, o + std::min(screenWidth - o, 256)) - 1;
    const float a0 = 255.0f - static_cast<float>(t - o) / 256.0f * 255.0f;
    const float ae = 255.0f - static_cast<float>(e - o) / 256.0f * 255.0f;
    const float c = e > t ? (ae - a0) / static_cast<float>(e - t) : 0.0f;
    float a = a0;
    for (int32_t k = t; k <= e; k += 4) {
        part(k, std::min(k + 4, l + f), static_cast<int32_t>(a));
        a += 4.0f * c;
    }
}

} // namespace pixeltest
