#include "graphics/BmpLayout.h"

#include "graphics/private/ByteOrder.h"

#include <limits>

namespace {

// Palette entries stored in a file of `bits` per pixel (none above 8 bits).
uint32_t StoredPaletteEntries(int bits, uint32_t coloursUsed) {
    if (bits == 1 || bits == 4 || bits == 8)
        return coloursUsed != 0 ? coloursUsed : (1u << bits);
    return 0;
}

// Bytes per stored row, a multiple of 4.
uint64_t RowStride(uint32_t width, int bits) {
    return (uint64_t{width} * static_cast<uint64_t>(bits) + 31) / 32 * 4;
}

} // namespace

bool ParseBmpLayout(std::span<const uint8_t> file, BmpLayout& layout) {
    return ParseBmpLayout(file, file.size(), layout);
}

bool ParseBmpLayout(std::span<const uint8_t> head, uint64_t fileSize, BmpLayout& layout) {
    layout = BmpLayout{};
    const size_t headersEnd = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    if (head.size() < headersEnd || fileSize < headersEnd || head[0] != 'B' || head[1] != 'M')
        return false;
    const uint8_t* p = head.data();
    const uint32_t pixelDataOffset = ReadLE32(p + 10);
    const uint32_t infoSize = ReadLE32(p + 14);
    const auto width = static_cast<int32_t>(ReadLE32(p + 18));
    const auto height = static_cast<int32_t>(ReadLE32(p + 22));
    layout.bitsPerPixel = ReadLE16(p + 28);
    layout.compression = ReadLE32(p + 30);
    const uint32_t coloursUsed = ReadLE32(p + 46);

    if (infoSize < kBmpInfoHeaderSize || infoSize > fileSize - kBmpFileHeaderSize)
        return false;
    if (width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min())
        return false;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;

    const int bits = layout.bitsPerPixel;
    layout.paletteEntries = StoredPaletteEntries(bits, coloursUsed);
    layout.paletteOffset = kBmpFileHeaderSize + infoSize;
    const uint64_t paletteBytes = uint64_t{layout.paletteEntries} * 4;
    if (paletteBytes > fileSize - layout.paletteOffset)
        return false;
    const uint64_t paletteEnd = layout.paletteOffset + paletteBytes;
    layout.pixelOffset = static_cast<size_t>(
        (pixelDataOffset >= paletteEnd && pixelDataOffset < fileSize) ? pixelDataOffset
                                                                      : paletteEnd);
    layout.rowStride = static_cast<size_t>(RowStride(static_cast<uint32_t>(width), bits));
    return true;
}

bool ReadBmpFileBytes(ImageFileBytes& file) {
    const size_t headersEnd = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    file.ReadUpTo(headersEnd);
    const std::span<const uint8_t> head = file.Bytes();
    if (head.size() < headersEnd || head[0] != 'B' || head[1] != 'M')
        return false;
    const uint8_t* p = head.data();
    const uint64_t pixelDataOffset = ReadLE32(p + 10);
    const uint64_t infoSize = ReadLE32(p + 14);
    const auto width = static_cast<int32_t>(ReadLE32(p + 18));
    const auto height = static_cast<int32_t>(ReadLE32(p + 22));
    const int bits = ReadLE16(p + 28);
    const uint64_t paletteEnd =
        kBmpFileHeaderSize + infoSize + uint64_t{StoredPaletteEntries(bits, ReadLE32(p + 46))} * 4;
    const uint64_t rows = height < 0 ? -int64_t{height} : height;
    const uint64_t stride = width > 0 ? RowStride(static_cast<uint32_t>(width), bits) : 0;
    // Beyond every limit when it does not fit 64 bits; the read then fails.
    const uint64_t rowBytes = rows != 0 && stride > UINT64_MAX / rows ? UINT64_MAX : stride * rows;
    // The rows start at the pixel-data offset when the file reaches past it
    // (as ParseBmpLayout decides), else right after the palette.
    uint64_t rowsStart = paletteEnd;
    if (pixelDataOffset >= paletteEnd && file.ReadUpTo(pixelDataOffset + 1) &&
        file.Bytes().size() > pixelDataOffset)
        rowsStart = pixelDataOffset;
    return file.ReadUpTo(rowBytes > UINT64_MAX - rowsStart ? UINT64_MAX : rowsStart + rowBytes);
}
