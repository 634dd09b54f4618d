// The BMP reader behind Surface::Load: uncompressed 1, 4, 8 and 24 bits per
// pixel, bottom-up or top-down.
#pragma once

#include "graphics/BmpLayout.h"
#include "graphics/ImageFile.h"
#include "graphics/Surface.h"

#include <span>

enum class BmpMode {
    // Creates the surface at the file's size and fills its pixels: palette
    // words as they stand (the fourth palette byte becomes alpha) or the 24-bit
    // colour with alpha 0.
    Colour,
    // The surface exists and must have the file's size; each pixel's grey
    // value is ORed into the alpha byte of the pixel already there.
    Mask,
};

// Why the reader refuses a file whose layout parses: bit depths other than
// 1, 4, 8 and 24, compression, or more than `maxPixels` pixels.
enum class BmpRefusal { None, BitDepth, Compressed, TooLarge };
BmpRefusal JudgeBmpLayout(const BmpLayout& layout, int64_t maxPixels = kMaxImagePixels);

// Rows missing at the end of the file are left as they are and the read
// still succeeds. Fails for other bit depths, compressed files, damaged
// headers, a mask of another size, or more than `maxPixels` pixels.
bool ReadBmp(std::span<const uint8_t> file, Surface& surface, BmpMode mode,
             int64_t maxPixels = kMaxImagePixels);
