// Builders for small BMP and PNG files, written byte by byte from the file
// format rules, for the image reader tests.
#pragma once

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace imagetest {

using Bytes = std::vector<uint8_t>;

inline void PutLE16(Bytes& b, uint32_t v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
inline void PutLE32(Bytes& b, uint32_t v) {
    PutLE16(b, v & 0xFFFF);
    PutLE16(b, v >> 16);
}
inline void PutBE32(Bytes& b, uint32_t v) {
    b.push_back((v >> 24) & 0xFF);
    b.push_back((v >> 16) & 0xFF);
    b.push_back((v >> 8) & 0xFF);
    b.push_back(v & 0xFF);
}
inline void SetLE32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A BMP: file header, information header of `infoSize` bytes (extra bytes
// zero), palette words, `gap` zero bytes, then the given stored rows (each
// already padded by the caller). The pixel-data offset is set to where the
// rows start unless `pixelOffset` is given.
struct BmpFields {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    uint32_t infoSize = 40;
    std::vector<uint32_t> palette;
    size_t gap = 0;
    long long pixelOffset = -1;
    std::vector<Bytes> rows;
};

inline Bytes MakeBmp(const BmpFields& s) {
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    PutLE32(b, 0); // file size, patched below
    PutLE32(b, 0);
    PutLE32(b, 0); // pixel-data offset, patched below
    PutLE32(b, s.infoSize);
    PutLE32(b, static_cast<uint32_t>(s.width));
    PutLE32(b, static_cast<uint32_t>(s.height));
    PutLE16(b, 1);
    PutLE16(b, s.bits);
    PutLE32(b, s.compression);
    PutLE32(b, 0);
    PutLE32(b, 2835);
    PutLE32(b, 2835);
    PutLE32(b, s.coloursUsed);
    PutLE32(b, 0);
    b.resize(14 + s.infoSize, 0);
    for (uint32_t word : s.palette)
        PutLE32(b, word);
    b.resize(b.size() + s.gap, 0);
    const size_t rowsAt = b.size();
    for (const Bytes& row : s.rows)
        b.insert(b.end(), row.begin(), row.end());
    SetLE32(b, 2, static_cast<uint32_t>(b.size()));
    SetLE32(b, 10,
            s.pixelOffset >= 0 ? static_cast<uint32_t>(s.pixelOffset)
                               : static_cast<uint32_t>(rowsAt));
    return b;
}

inline void PutChunk(Bytes& png, const char* type, const Bytes& data) {
    PutBE32(png, static_cast<uint32_t>(data.size()));
    const size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    const uLong crc = crc32(0, png.data() + typeAt, static_cast<uInt>(data.size() + 4));
    PutBE32(png, static_cast<uint32_t>(crc));
}

inline Bytes PngSignature() {
    return Bytes{137, 80, 78, 71, 13, 10, 26, 10};
}

inline Bytes Ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colourType,
                  uint8_t interlace = 0) {
    Bytes d;
    PutBE32(d, width);
    PutBE32(d, height);
    d.push_back(depth);
    d.push_back(colourType);
    d.push_back(0); // compression method
    d.push_back(0); // filter method
    d.push_back(interlace);
    return d;
}

inline Bytes Deflate(const Bytes& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
        std::abort();
    out.resize(size);
    return out;
}

// A whole PNG whose decompressed image data is `raw` (filter bytes included),
// split into IDAT chunks of at most `idatSize` bytes.
inline Bytes MakePng(const Bytes& ihdr, const Bytes& raw, size_t idatSize = 1 << 20) {
    Bytes png = PngSignature();
    PutChunk(png, "IHDR", ihdr);
    const Bytes z = Deflate(raw);
    for (size_t at = 0; at < z.size(); at += idatSize) {
        const size_t n = std::min(idatSize, z.size() - at);
        PutChunk(png, "IDAT", Bytes(z.begin() + at, z.begin() + at + n));
    }
    PutChunk(png, "IEND", {});
    return png;
}

inline bool WriteFile(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace imagetest
