#include "graphics/PngReader.h"

#include "graphics/MulTable.h"
#include "graphics/PngDecoder.h"
#include "graphics/PngLibpngReader.h"

namespace {

// Rows from the own decoder. Its header step records the header and hands
// every picture the own decoder does not take in this role to libpng.
class RoleSink : public PngRowSink {
public:
    RoleSink(Surface& surface, PngRole role) : surface_(surface), role_(role) {}
    bool Header(const PngHeader& header) override {
        header_ = header;
        handOver_ = !PngOwnDecoderTakes(header, role_);
        return !handOver_;
    }
    bool HandOver() const { return handOver_; }
    const PngHeader& FileHeader() const { return header_; }

protected:
    Surface& surface_;

private:
    PngRole role_;
    PngHeader header_;
    bool handOver_ = false;
};

class ColourSink final : public RoleSink {
public:
    explicit ColourSink(Surface& surface) : RoleSink(surface, PngRole::Colour) {}
    bool Start(const PngHeader& header) override {
        return surface_.Create(header.width, header.height);
    }
    void Row(int32_t row, const uint8_t* bytes) override {
        uint32_t* dst = surface_.ScreenRow(row);
        const int32_t width = surface_.Width();
        for (int32_t x = 0; x < width; ++x, bytes += 3)
            dst[x] = (static_cast<uint32_t>(bytes[0]) << 16) | (bytes[1] << 8) | bytes[2];
    }
};

class MaskSink final : public RoleSink {
public:
    explicit MaskSink(Surface& surface) : RoleSink(surface, PngRole::Mask) {}
    bool Start(const PngHeader& header) override { return FitsSurface(header); }
    void Row(int32_t row, const uint8_t* bytes) override {
        uint32_t* dst = surface_.ScreenRow(row);
        const int32_t width = surface_.Width();
        for (int32_t x = 0; x < width; ++x)
            dst[x] |= static_cast<uint32_t>(bytes[x]) << 24;
    }
    bool FitsSurface(const PngHeader& header) const {
        return surface_.IsCreated() && header.width == surface_.Width() &&
               header.height == surface_.Height();
    }
};

PngMoreBytes MoreOf(std::span<const uint8_t> file) {
    return [file](uint64_t) { return file; };
}

PngMoreBytes MoreOf(ImageFileBytes& file) {
    return [&file](uint64_t end) {
        file.ReadUpTo(end);
        return file.Bytes();
    };
}

// The grey of a pixel word, times its alpha when the picture has one.
uint32_t MaskValue(uint32_t word, bool hasAlpha) {
    const uint32_t red = word >> 16 & 0xFF;
    const uint32_t green = word >> 8 & 0xFF;
    const uint32_t blue = word & 0xFF;
    const uint32_t grey = (red * 299 + green * 587 + blue * 114 + 500) / 1000;
    return hasAlpha ? MulFormula(word >> 24, grey) : grey;
}

template <class Source> bool ReadColour(Source& file, Surface& surface, int64_t maxPixels) {
    ColourSink sink(surface);
    if (DecodePng(file, sink, maxPixels))
        return true;
    bool hasAlpha = false;
    if (!sink.HandOver() || !DecodePngWithLibpng(MoreOf(file), surface, hasAlpha, maxPixels))
        return false;
    surface.SetHasMask(hasAlpha);
    return true;
}

template <class Source> bool ReadMask(Source& file, Surface& surface, int64_t maxPixels) {
    MaskSink sink(surface);
    if (DecodePng(file, sink, maxPixels))
        return true;
    if (!sink.HandOver() || !sink.FitsSurface(sink.FileHeader()))
        return false;
    Surface mask;
    bool hasAlpha = false;
    if (!DecodePngWithLibpng(MoreOf(file), mask, hasAlpha, maxPixels) ||
        mask.Width() != surface.Width() || mask.Height() != surface.Height())
        return false;
    const size_t count = static_cast<size_t>(mask.Width()) * mask.Height();
    const uint32_t* from = mask.Pixels();
    uint32_t* to = surface.Pixels();
    for (size_t i = 0; i < count; ++i)
        to[i] |= MaskValue(from[i], hasAlpha) << 24;
    return true;
}

} // namespace

bool PngOwnDecoderTakes(const PngHeader& header, PngRole role) {
    return PngOwnDecoderReads(header) && header.greyscale == (role == PngRole::Mask);
}

bool ReadPngColour(std::span<const uint8_t> file, Surface& surface, int64_t maxPixels) {
    return ReadColour(file, surface, maxPixels);
}

bool ReadPngMask(std::span<const uint8_t> file, Surface& surface, int64_t maxPixels) {
    return ReadMask(file, surface, maxPixels);
}

bool ReadPngColour(ImageFileBytes& file, Surface& surface, int64_t maxPixels) {
    return ReadColour(file, surface, maxPixels);
}

bool ReadPngMask(ImageFileBytes& file, Surface& surface, int64_t maxPixels) {
    return ReadMask(file, surface, maxPixels);
}
