#include "graphics/PatternDraw.h"

#include "graphics/PatternSets.h"
#include "graphics/PixelOpsKernels.h"
#include "graphics/Surface.h"

using namespace pixelkernels;

namespace {

// Keep masks (all ones where the destination stays) for the kChunkPixels
// columns starting at destination column `firstColumn`. Chunks start at
// multiples of kChunkPixels, a multiple of the cell width, so one such
// mask serves a whole row.
void RowKeepMask(uint8_t rowBits, int32_t firstColumn, uint32_t* keep) {
    for (int i = 0; i < kChunkPixels; ++i) {
        const int column = (firstColumn + i) & 7;
        keep[i] = (rowBits >> (7 - column)) & 1 ? 0xFFFFFFFFu : 0u;
    }
}

VN_KERNEL void UnmaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                             const uint32_t* __restrict keep) {
    for (int i = 0; i < kChunkPixels; ++i)
        d[i] = (d[i] & keep[i]) | ((s[i] | kAlphaBits) & ~keep[i]);
}

VN_KERNEL void MaskedChunk(uint32_t* __restrict d, const uint32_t* __restrict s,
                           const uint32_t* __restrict keep) {
    if (ClassifyAlpha(s).allZero)
        return;
    // Pixels left alone get 0 + T(255, d) = d in every lane; drawn ones get
    // s + T(255 - a, d) in the colour lanes and T(0, d) = 0 as alpha.
    alignas(32) uint32_t v[kChunkPixels];
    alignas(32) uint32_t sw[kChunkPixels];
    VN_NO_UNROLL
    for (int i = 0; i < kChunkPixels; ++i) {
        const uint32_t a = AlphaOf(s[i]);
        const bool drawn = keep[i] == 0 && a != 0;
        v[i] = drawn ? Replicate(255 - a) & kColourBits : 0xFFFFFFFFu;
        sw[i] = drawn ? s[i] & kColourBits : 0;
    }
    AddOverBytes(reinterpret_cast<uint8_t*>(d), reinterpret_cast<const uint8_t*>(sw),
                 reinterpret_cast<const uint8_t*>(v));
}

VN_ROW_LOOP void MaskedRow(uint32_t* d, const uint32_t* s, int32_t n, const uint32_t* keep) {
    ForEachChunk<MaskedChunk>(d, s, n, keep);
}

VN_ROW_LOOP void UnmaskedRow(uint32_t* d, const uint32_t* s, int32_t n, const uint32_t* keep) {
    ForEachChunk<UnmaskedChunk>(d, s, n, keep);
}

} // namespace

void PatternDraw(Surface& dst, int set, int step, bool asIs, int32_t x, int32_t y,
                 const Surface& src, const SourceRect& rect) {
    if (&dst == &src) {
        Surface copy;
        if (CopySurface(src, copy))
            PatternDraw(dst, set, step, asIs, x, y, copy, rect);
        return;
    }
    const int last = PatternStepCount(set) - 1;
    // These two cases keep every destination pixel.
    if ((step <= 0 && !asIs) || (step >= last && asIs))
        return;
    ClippedArea area;
    if (!ClipArea(dst, x, y, src, rect, area))
        return;
    PatternCell cell = PatternStep(set, step);
    if (!asIs)
        for (uint8_t& row : cell)
            row = static_cast<uint8_t>(~row);
    const bool masked = src.HasMask();
    alignas(32) uint32_t keep[kChunkPixels];
    // Bottom row first: towards higher addresses, as in the other operations.
    for (int32_t k = area.height - 1; k >= 0; --k) {
        const int32_t screenY = area.dstY + k;
        const uint8_t rowBits = cell[static_cast<size_t>(screenY & 7)];
        if (rowBits == 0xFF)
            continue;
        RowKeepMask(rowBits, area.dstX, keep);
        uint32_t* d = dst.ScreenRow(screenY) + area.dstX;
        const uint32_t* s = src.ScreenRow(area.srcY + k) + area.srcX;
        if (masked)
            MaskedRow(d, s, area.width, keep);
        else
            UnmaskedRow(d, s, area.width, keep);
    }
}
