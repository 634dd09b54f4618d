#include "graphics/ImageProbe.h"

#include "graphics/BmpLayout.h"
#include "graphics/BmpReader.h"
#include "graphics/ImageFile.h"
#include "graphics/PngDecoder.h"
#include "graphics/PngReader.h"
#include "graphics/Surface.h"
#include "graphics/private/ByteOrder.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr uint8_t kPngSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

struct Closer {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, Closer>;

// Reads `count` bytes at `offset`; false when they are not all there.
bool ReadAt(std::FILE* file, uint64_t offset, uint8_t* out, size_t count) {
    if (fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(out, 1, count, file) == count;
}

ImageVerdict FromBmpRefusal(BmpRefusal refusal) {
    switch (refusal) {
    case BmpRefusal::None:
        return ImageVerdict::Ok;
    case BmpRefusal::BitDepth:
        return ImageVerdict::BmpBitDepth;
    case BmpRefusal::Compressed:
        return ImageVerdict::BmpCompressed;
    case BmpRefusal::TooLarge:
        return ImageVerdict::TooLarge;
    }
    return ImageVerdict::NotBmp;
}

ImageVerdict FromPngRefusal(PngHeaderRefusal refusal) {
    switch (refusal) {
    case PngHeaderRefusal::None:
        return ImageVerdict::Ok;
    case PngHeaderRefusal::Short:
        return ImageVerdict::PngDamaged;
    case PngHeaderRefusal::BitDepth:
        return ImageVerdict::PngBitDepth;
    case PngHeaderRefusal::ColourType:
        return ImageVerdict::PngColourType;
    case PngHeaderRefusal::FilterMethod:
        return ImageVerdict::PngFilter;
    case PngHeaderRefusal::Interlaced:
        return ImageVerdict::PngInterlaced;
    case PngHeaderRefusal::Size:
        return ImageVerdict::TooLarge;
    }
    return ImageVerdict::PngDamaged;
}

void ProbeBmp(std::FILE* file, uint64_t size, int64_t maxPixels, ImageFacts& facts) {
    uint8_t head[kBmpFileHeaderSize + kBmpInfoHeaderSize] = {};
    const size_t got = std::fread(head, 1, sizeof head, file);
    BmpLayout layout;
    if (!ParseBmpLayout({head, got}, size, layout)) {
        facts.verdict = ImageVerdict::NotBmp;
        return;
    }
    facts.width = layout.width;
    facts.height = layout.height;
    facts.verdict = FromBmpRefusal(JudgeBmpLayout(layout, maxPixels));
}

// Follows the chunks as the decoder does, skipping their data.
void ProbePng(std::FILE* file, uint64_t size, int64_t maxPixels, ImageFacts& facts) {
    facts.verdict = ImageVerdict::PngDamaged;
    uint8_t signature[8];
    if (!ReadAt(file, 0, signature, sizeof signature) ||
        std::memcmp(signature, kPngSignature, sizeof signature) != 0)
        return;
    bool haveHeader = false;
    bool haveData = false;
    for (uint64_t pos = sizeof signature;;) {
        uint8_t chunk[8];
        if (size - pos < 8 || !ReadAt(file, pos, chunk, sizeof chunk))
            return;
        const uint64_t length = ReadBE32(chunk);
        const uint64_t data = pos + 8;
        if (size - data < length || size - data - length < 4)
            return;
        pos = data + length + 4;
        if (std::memcmp(chunk + 4, "IHDR", 4) == 0) {
            if (haveHeader)
                return;
            uint8_t fields[13] = {};
            const size_t wanted = length < sizeof fields ? static_cast<size_t>(length) : 13;
            if (!ReadAt(file, data, fields, wanted))
                return;
            PngHeader header;
            const PngHeaderRefusal refusal =
                ParsePngHeader(fields, static_cast<uint32_t>(length), header, maxPixels);
            if (refusal != PngHeaderRefusal::None) {
                facts.verdict = FromPngRefusal(refusal);
                return;
            }
            haveHeader = true;
            facts.width = header.width;
            facts.height = header.height;
            facts.greyscale = header.greyscale;
        } else if (std::memcmp(chunk + 4, "IDAT", 4) == 0) {
            if (!haveHeader)
                return;
            haveData = true;
        } else if (std::memcmp(chunk + 4, "IEND", 4) == 0) {
            // Without image data the compressed stream never finished.
            if (haveData)
                facts.verdict = ImageVerdict::Ok;
            return;
        }
    }
}

} // namespace

ImageFacts ProbeImageFile(const char* path) {
    return ProbeImageFile(path, HasPngSuffix(path));
}

ImageFacts ProbeImageFile(const char* path, bool png, int64_t maxPixels) {
    ImageFacts facts;
    facts.png = png;
    File file(path ? std::fopen(path, "rb") : nullptr);
    struct stat info;
    if (!file || fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) {
        facts.verdict = ImageVerdict::CannotOpen;
        return facts;
    }
    const auto size = static_cast<uint64_t>(info.st_size);
    if (facts.png)
        ProbePng(file.get(), size, maxPixels, facts);
    else
        ProbeBmp(file.get(), size, maxPixels, facts);
    return facts;
}

ImageVerdict JudgeColourImage(const ImageFacts& facts) {
    if (facts.verdict != ImageVerdict::Ok)
        return facts.verdict;
    // The colour picture makes the surface, whose sides are limited.
    if (facts.width > Surface::kMaxSide || facts.height > Surface::kMaxSide)
        return ImageVerdict::TooLarge;
    PngHeader header;
    header.greyscale = facts.greyscale;
    if (facts.png && !PngColourAccepted(header))
        return ImageVerdict::PngGreyColour;
    return ImageVerdict::Ok;
}

ImageVerdict JudgeMaskImage(const ImageFacts& facts, int32_t width, int32_t height) {
    if (facts.verdict != ImageVerdict::Ok)
        return facts.verdict;
    PngHeader header;
    header.greyscale = facts.greyscale;
    header.width = facts.width;
    header.height = facts.height;
    if (facts.png && !header.greyscale)
        return ImageVerdict::PngColourMask;
    if (facts.png ? !PngMaskAccepted(header, width, height)
                  : facts.width != width || facts.height != height)
        return ImageVerdict::MaskSize;
    return ImageVerdict::Ok;
}

const char* DescribeImageVerdict(ImageVerdict verdict) {
    switch (verdict) {
    case ImageVerdict::Ok:
        return "readable";
    case ImageVerdict::CannotOpen:
        return "cannot be opened";
    case ImageVerdict::NotBmp:
        return "is not a BMP file the player can read (a name that does not end in \".png\" "
               "is read as BMP)";
    case ImageVerdict::BmpBitDepth:
        return "is a BMP of a bit depth the player does not read (it reads 1, 4, 8 and 24 bits)";
    case ImageVerdict::BmpCompressed:
        return "is a compressed BMP (the player reads only uncompressed ones)";
    case ImageVerdict::TooLarge:
        return "is larger than the player takes";
    case ImageVerdict::PngDamaged:
        return "is a damaged PNG file (its chunks end early, or it has no image data or end "
               "chunk)";
    case ImageVerdict::PngBitDepth:
        return "is a PNG without 8 bits per sample (the player reads only 8)";
    case ImageVerdict::PngColourType:
        return "is a palette PNG or a PNG with alpha (the player reads truecolour and "
               "greyscale ones)";
    case ImageVerdict::PngFilter:
        return "is a PNG with an unknown filter method";
    case ImageVerdict::PngInterlaced:
        return "is an interlaced PNG (the player reads only non-interlaced ones)";
    case ImageVerdict::PngGreyColour:
        return "is a greyscale PNG, which serves only as a mask (colour images must be "
               "truecolour)";
    case ImageVerdict::PngColourMask:
        return "is a truecolour PNG, which cannot serve as a mask (PNG masks must be greyscale)";
    case ImageVerdict::MaskSize:
        return "is not the size of its colour image";
    }
    return "cannot be read";
}
