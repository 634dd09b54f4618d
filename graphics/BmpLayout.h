// Where the parts of a BMP file lie. Shared by the image reader and the mask
// generator so both find palette and rows the same way.
//
// The palette follows the information header whatever its size (40, 108 or
// 124 bytes and others of at least 40). The rows start at the file header's
// pixel-data offset when that offset lies between the end of the palette and
// the end of the file, else right after the palette; files in the classic
// 54-byte layout therefore read as they always did, and files with larger
// headers or a gap before the pixels read correctly.
#pragma once

#include "graphics/ImageFile.h"

#include <cstddef>
#include <cstdint>
#include <span>

struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;   // always positive
    bool topDown = false; // stored with a negative height: first stored row is the top
    int bitsPerPixel = 0;
    uint32_t compression = 0;
    uint32_t paletteEntries = 0; // entries stored in the file (1, 4 and 8 bits only)
    size_t paletteOffset = 0;
    size_t pixelOffset = 0;
    size_t rowStride = 0; // bytes per stored row, a multiple of 4
};

constexpr size_t kBmpFileHeaderSize = 14;
constexpr size_t kBmpInfoHeaderSize = 40;

// Fails when the file does not start with "BM", is shorter than its headers,
// declares an information header under 40 bytes, a width of 0 or below, a
// height of 0, or a palette that runs past the end of the file. Bit depth
// and compression are left to the caller to judge.
bool ParseBmpLayout(std::span<const uint8_t> file, BmpLayout& layout);
// The same from the first bytes of a file (at least the 54 header bytes when
// the file has them) and the file's whole size, so a file can be judged
// without reading its palette and rows.
bool ParseBmpLayout(std::span<const uint8_t> head, uint64_t fileSize, BmpLayout& layout);

// Reads from `file` what ParseBmpLayout and the readers use: the headers,
// then the palette and the rows they describe, and nothing after the rows.
// Fails at once when the file does not start with "BM"; a file that ends
// early is not a failure here (the readers judge what is there).
bool ReadBmpFileBytes(ImageFileBytes& file);
