#include "graphics/ImageProbe.h"

#include "graphics/BmpLayout.h"
#include "graphics/BmpReader.h"
#include "graphics/ImageFile.h"
#include "graphics/PngDecoder.h"
#include "graphics/PngReader.h"
#include "graphics/Surface.h"
#include "graphics/private/ByteOrder.h"
#include "scenario/RegularFile.h"

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
    facts.bmpBits = layout.bitsPerPixel;
    facts.bmpCompression = layout.compression;
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
            const PngHeaderRefusal refusal =
                ParsePngHeader(fields, static_cast<uint32_t>(length), facts.pngHeader, maxPixels);
            if (refusal != PngHeaderRefusal::None) {
                facts.verdict = FromPngRefusal(refusal);
                return;
            }
            haveHeader = true;
            facts.width = facts.pngHeader.width;
            facts.height = facts.pngHeader.height;
        } else if (std::memcmp(chunk + 4, "PLTE", 4) == 0) {
            facts.pngPaletteFirst = facts.pngPaletteFirst || !haveData;
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

// The verdict for a PNG whose headers and chunks are in order: the own
// decoder takes it, or libpng, which wants compression method 0 and a
// palette picture's palette before the image data.
ImageVerdict JudgePng(const ImageFacts& facts, PngRole role) {
    const PngHeader& header = facts.pngHeader;
    if (PngOwnDecoderTakes(header, role))
        return ImageVerdict::Ok;
    if (header.compressionMethod != 0)
        return ImageVerdict::PngCompression;
    if (header.colourType == 3 && !facts.pngPaletteFirst)
        return ImageVerdict::PngNoPalette;
    return ImageVerdict::Ok;
}

std::string Number(int64_t value) {
    return std::to_string(value);
}

// The bit depths PNG has for a colour type.
const char* PngDepthsOf(int32_t colourType) {
    switch (colourType) {
    case 0:
        return "1, 2, 4, 8 or 16";
    case 3:
        return "1, 2, 4 or 8";
    default:
        return "8 or 16";
    }
}

} // namespace

ImageFacts ProbeImageFile(const char* path) {
    return ProbeImageFile(path, HasPngSuffix(path));
}

ImageFacts ProbeImageFile(const char* path, bool png, int64_t maxPixels) {
    ImageFacts facts;
    facts.png = png;
    File file(path ? vn::OpenRegularFile(path) : nullptr);
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
    return facts.png ? JudgePng(facts, PngRole::Colour) : ImageVerdict::Ok;
}

ImageVerdict JudgeMaskImage(const ImageFacts& facts, int32_t width, int32_t height) {
    if (facts.verdict != ImageVerdict::Ok)
        return facts.verdict;
    if (facts.png) {
        if (const ImageVerdict verdict = JudgePng(facts, PngRole::Mask);
            verdict != ImageVerdict::Ok)
            return verdict;
    }
    if (facts.width != width || facts.height != height)
        return ImageVerdict::MaskSize;
    return ImageVerdict::Ok;
}

std::string DescribeImageVerdict(ImageVerdict verdict, const ImageFacts& facts) {
    const PngHeader& png = facts.pngHeader;
    switch (verdict) {
    case ImageVerdict::Ok:
        return "readable";
    case ImageVerdict::CannotOpen:
        return "cannot be opened";
    case ImageVerdict::NotBmp:
        return "is not a BMP file the player can read (a name that does not end in \".png\" "
               "is read as BMP)";
    case ImageVerdict::BmpBitDepth:
        return "is a " + Number(facts.bmpBits) + "-bit BMP (the player reads 1, 4, 8 and 24 bits)";
    case ImageVerdict::BmpCompressed:
        return "is a compressed BMP (compression " + Number(facts.bmpCompression) +
               "; the player reads only uncompressed ones)";
    case ImageVerdict::TooLarge:
        return "is larger than the player takes (" + Number(Surface::kMaxSide) +
               " pixels on a side at most)";
    case ImageVerdict::PngDamaged:
        return "is a damaged PNG file (its chunks end early, or it has no image data or end "
               "chunk)";
    case ImageVerdict::PngBitDepth:
        return "is a PNG of colour type " + Number(png.colourType) + " with " +
               Number(png.bitDepth) + " bits per sample (that type has " +
               PngDepthsOf(png.colourType) + ")";
    case ImageVerdict::PngColourType:
        return "is a PNG of colour type " + Number(png.colourType) +
               " (PNG has colour types 0, 2, 3, 4 and 6)";
    case ImageVerdict::PngFilter:
        return "is a PNG of filter method " + Number(png.filterMethod) + " (PNG has only 0)";
    case ImageVerdict::PngInterlaced:
        return "is a PNG of interlace method " + Number(png.interlaceMethod) +
               " (PNG has 0, none, and 1, Adam7)";
    case ImageVerdict::PngCompression:
        return "is a PNG of compression method " + Number(png.compressionMethod) +
               " (PNG has only 0)";
    case ImageVerdict::PngNoPalette:
        return "is a palette PNG (colour type 3) without a PLTE chunk before its image data";
    case ImageVerdict::MaskSize:
        return "is " + Number(facts.width) + "x" + Number(facts.height) +
               " pixels, not the size of its colour image";
    }
    return "cannot be read";
}
