#include "graphics/BmpLayout.h"

#include "graphics/private/ByteOrder.h"

#include <limits>

bool ParseBmpLayout(std::span<const uint8_t> file, BmpLayout& layout) {
    layout = BmpLayout{};
    const size_t headersEnd = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    if (file.size() < headersEnd || file[0] != 'B' || file[1] != 'M')
        return false;
    const uint8_t* p = file.data();
    const uint32_t pixelDataOffset = ReadLE32(p + 10);
    const uint32_t infoSize = ReadLE32(p + 14);
    const auto width = static_cast<int32_t>(ReadLE32(p + 18));
    const auto height = static_cast<int32_t>(ReadLE32(p + 22));
    layout.bitsPerPixel = ReadLE16(p + 28);
    layout.compression = ReadLE32(p + 30);
    const uint32_t coloursUsed = ReadLE32(p + 46);

    if (infoSize < kBmpInfoHeaderSize || infoSize > file.size() - kBmpFileHeaderSize)
        return false;
    if (width <= 0 || height == 0 || height == std::numeric_limits<int32_t>::min())
        return false;
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;

    const int bits = layout.bitsPerPixel;
    if (bits == 1 || bits == 4 || bits == 8)
        layout.paletteEntries = coloursUsed != 0 ? coloursUsed : (1u << bits);
    layout.paletteOffset = kBmpFileHeaderSize + infoSize;
    const size_t paletteBytes = static_cast<size_t>(layout.paletteEntries) * 4;
    if (paletteBytes > file.size() - layout.paletteOffset)
        return false;
    const size_t paletteEnd = layout.paletteOffset + paletteBytes;
    layout.pixelOffset = (pixelDataOffset >= paletteEnd && pixelDataOffset < file.size())
                             ? pixelDataOffset
                             : paletteEnd;
    layout.rowStride = (static_cast<size_t>(width) * static_cast<size_t>(bits) + 31) / 32 * 4;
    return true;
}
