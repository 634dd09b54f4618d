#include "graphics/BmpReader.h"

#include "graphics/BmpLayout.h"
#include "graphics/GreyValue.h"
#include "graphics/private/ByteOrder.h"

#include <algorithm>
#include <vector>

namespace {

// Expands one stored row into palette words (indexed files) or colour words
// with alpha 0 (24-bit files). Indices beyond the stored palette give 0.
void DecodeRow(const uint8_t* src, int bits, int32_t width, const uint32_t* palette,
               uint32_t* out) {
    switch (bits) {
    case 1:
        for (int32_t x = 0; x < width; ++x)
            out[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
        break;
    case 4:
        for (int32_t x = 0; x < width; ++x)
            out[x] = palette[(x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4)];
        break;
    case 8:
        for (int32_t x = 0; x < width; ++x)
            out[x] = palette[src[x]];
        break;
    default:
        for (int32_t x = 0; x < width; ++x, src += 3)
            out[x] = src[0] | (src[1] << 8) | (static_cast<uint32_t>(src[2]) << 16);
        break;
    }
}

} // namespace

BmpRefusal JudgeBmpLayout(const BmpLayout& layout, int64_t maxPixels) {
    const int bits = layout.bitsPerPixel;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24)
        return BmpRefusal::BitDepth;
    if (layout.compression != 0)
        return BmpRefusal::Compressed;
    if (int64_t{layout.width} * layout.height > maxPixels)
        return BmpRefusal::TooLarge;
    return BmpRefusal::None;
}

bool ReadBmp(std::span<const uint8_t> file, Surface& surface, BmpMode mode, int64_t maxPixels) {
    BmpLayout layout;
    if (!ParseBmpLayout(file, layout))
        return false;
    if (JudgeBmpLayout(layout, maxPixels) != BmpRefusal::None)
        return false;
    const int bits = layout.bitsPerPixel;
    const int32_t width = layout.width;
    const int32_t height = layout.height;

    if (mode == BmpMode::Colour) {
        if (!surface.Create(width, height))
            return false;
    } else if (!surface.IsCreated() || surface.Width() != width || surface.Height() != height) {
        return false;
    }

    // Room for every index the bit depth can express; entries the file does
    // not store stay 0.
    uint32_t palette[256] = {};
    if (bits <= 8) {
        const uint32_t used = std::min<uint32_t>(layout.paletteEntries, 1u << bits);
        for (uint32_t i = 0; i < used; ++i) {
            palette[i] = ReadLE32(file.data() + layout.paletteOffset + size_t{i} * 4);
            if (mode == BmpMode::Mask)
                palette[i] = GreyValueOfWord(palette[i]);
        }
    }

    std::vector<uint32_t> words(static_cast<size_t>(width));
    for (int32_t i = 0; i < height; ++i) {
        const size_t start = layout.pixelOffset + static_cast<size_t>(i) * layout.rowStride;
        if (start > file.size() || file.size() - start < layout.rowStride)
            break; // a short file ends the rows quietly
        DecodeRow(file.data() + start, bits, width, palette, words.data());
        uint32_t* dst = surface.MemoryRow(layout.topDown ? height - 1 - i : i);
        if (mode == BmpMode::Colour) {
            std::copy(words.begin(), words.end(), dst);
        } else {
            for (int32_t x = 0; x < width; ++x) {
                const uint32_t grey = bits == 24 ? GreyValueOfWord(words[x]) : words[x];
                dst[x] |= grey << 24;
            }
        }
    }
    return true;
}
