// Inner loops shared by the pixel operations (internal to the graphics
// library). Each loop works on one chunk of kChunkPixels pixels with a fixed
// trip count and no branches, so the compiler turns it into vector code even
// at -O2; callers decide per chunk whether the arithmetic is needed at all
// (fully transparent chunks are skipped, fully opaque ones copied).
// The source is read sequentially with a software prefetch ahead of it.
//
// The arithmetic is T(a, x) = (a * x + 127) / 255 in 16-bit lanes: the
// largest operand, 255 * 255 + 127 = 65152, fits, and the compiler replaces
// the division by a multiply-high, so every result equals the MulTable entry.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

// Marks a row loop to be compiled twice, for the baseline instruction set
// and for AVX2; the program loader picks the one the processor supports.
// Both run the same source, so results are identical. Sanitizer builds and
// builds with VN_NO_CLONES keep one baseline copy (the sanitizers gain
// nothing from a second copy, the thread sanitizer's build cannot run the
// resolvers, and graphics_baseline_tests uses VN_NO_CLONES
// to test the baseline copy on machines that would pick the AVX2 one).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__) &&                  \
    !defined(VN_NO_CLONES)
#define VN_ROW_LOOP __attribute__((target_clones("avx2", "default")))
#else
#define VN_ROW_LOOP
#endif

// Keeps a short loop whole until the vectoriser has seen it (unrolled
// first, its statements are not reliably put back together into vectors).
#define VN_NO_UNROLL _Pragma("GCC unroll 1")

// Kernels are inlined into each compiled copy of the row loops that use them.
#define VN_KERNEL inline __attribute__((always_inline))

namespace pixelkernels {

constexpr int kChunkPixels = 16;
constexpr int kChunkBytes = kChunkPixels * 4;
// How far ahead of the current chunk the row loops ask for the source: 4 KB,
// far enough that the memory arrives before the quick skips over
// transparent chunks catch up with it.
constexpr int kPrefetchPixels = 1024;

constexpr uint32_t kColourBits = 0x00FFFFFFu;
constexpr uint32_t kAlphaBits = 0xFF000000u;

VN_KERNEL uint16_t Mul(uint16_t a, uint16_t x) {
    return static_cast<uint16_t>(static_cast<uint16_t>(a * x + 127) / 255);
}

// The alpha byte of a pixel word.
VN_KERNEL uint32_t AlphaOf(uint32_t pixel) {
    return pixel >> 24;
}

// The byte value in all four bytes of a word.
VN_KERNEL uint32_t Replicate(uint32_t byte) {
    return byte * 0x01010101u;
}

// d := T(t, s) + T(255 - t, d) for every byte of the chunk.
VN_KERNEL void MixBytes(uint8_t* __restrict d, const uint8_t* __restrict s,
                        const uint8_t* __restrict t) {
    for (int j = 0; j < kChunkBytes; ++j) {
        const uint16_t w = t[j];
        d[j] = static_cast<uint8_t>(Mul(w, s[j]) + Mul(static_cast<uint16_t>(255 - w), d[j]));
    }
}

// d := min(255, d + T(w, s)) for every byte of the chunk.
VN_KERNEL void AddScaledBytes(uint8_t* __restrict d, const uint8_t* __restrict s,
                              const uint8_t* __restrict w) {
    for (int j = 0; j < kChunkBytes; ++j) {
        const uint16_t sum = static_cast<uint16_t>(d[j] + Mul(w[j], s[j]));
        d[j] = static_cast<uint8_t>(std::min<uint16_t>(sum, 255));
    }
}

// d := min(255, s + T(v, d)) for every byte of the chunk.
VN_KERNEL void AddOverBytes(uint8_t* __restrict d, const uint8_t* __restrict s,
                            const uint8_t* __restrict v) {
    for (int j = 0; j < kChunkBytes; ++j) {
        const uint16_t sum = static_cast<uint16_t>(s[j] + Mul(v[j], d[j]));
        d[j] = static_cast<uint8_t>(std::min<uint16_t>(sum, 255));
    }
}

// How the source alpha of one chunk is made up.
struct ChunkAlpha {
    bool allZero;
    bool allOpaque;
};

VN_KERNEL ChunkAlpha ClassifyAlpha(const uint32_t* __restrict s) {
    uint32_t any = 0;
    uint32_t all = kAlphaBits;
    for (int i = 0; i < kChunkPixels; ++i) {
        any |= s[i];
        all &= s[i];
    }
    return {(any & kAlphaBits) == 0, (all & kAlphaBits) == kAlphaBits};
}

// Runs ChunkFn(d, s, extra...) over a row of n pixels. The last partial
// chunk is worked on in zero-padded copies, so the chunk loops never need a
// bound.
template <auto ChunkFn, class... Extra>
VN_KERNEL void ForEachChunk(uint32_t* d, const uint32_t* s, int32_t n, Extra... extra) {
    int32_t i = 0;
    for (; i + kChunkPixels <= n; i += kChunkPixels) {
        __builtin_prefetch(s + i + kPrefetchPixels);
        ChunkFn(d + i, s + i, extra...);
    }
    if (i < n) {
        const size_t bytes = static_cast<size_t>(n - i) * 4;
        alignas(32) uint32_t dt[kChunkPixels] = {};
        alignas(32) uint32_t st[kChunkPixels] = {};
        std::memcpy(dt, d + i, bytes);
        std::memcpy(st, s + i, bytes);
        ChunkFn(dt, st, extra...);
        std::memcpy(d + i, dt, bytes);
    }
}

} // namespace pixelkernels
