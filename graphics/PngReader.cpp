#include "graphics/PngReader.h"

#include "graphics/PngDecoder.h"

namespace {

class ColourSink final : public PngRowSink {
public:
    explicit ColourSink(Surface& surface) : surface_(surface) {}
    bool Start(const PngHeader& header) override {
        return PngColourAccepted(header) && surface_.Create(header.width, header.height);
    }
    void Row(int32_t row, const uint8_t* bytes) override {
        uint32_t* dst = surface_.ScreenRow(row);
        const int32_t width = surface_.Width();
        for (int32_t x = 0; x < width; ++x, bytes += 3)
            dst[x] = (static_cast<uint32_t>(bytes[0]) << 16) | (bytes[1] << 8) | bytes[2];
    }

private:
    Surface& surface_;
};

class MaskSink final : public PngRowSink {
public:
    explicit MaskSink(Surface& surface) : surface_(surface) {}
    bool Start(const PngHeader& header) override {
        return surface_.IsCreated() && PngMaskAccepted(header, surface_.Width(), surface_.Height());
    }
    void Row(int32_t row, const uint8_t* bytes) override {
        uint32_t* dst = surface_.ScreenRow(row);
        const int32_t width = surface_.Width();
        for (int32_t x = 0; x < width; ++x)
            dst[x] |= static_cast<uint32_t>(bytes[x]) << 24;
    }

private:
    Surface& surface_;
};

} // namespace

bool PngColourAccepted(const PngHeader& header) {
    return !header.greyscale;
}

bool PngMaskAccepted(const PngHeader& header, int32_t width, int32_t height) {
    return header.greyscale && header.width == width && header.height == height;
}

bool ReadPngColour(std::span<const uint8_t> file, Surface& surface, int64_t maxPixels) {
    ColourSink sink(surface);
    return DecodePng(file, sink, maxPixels);
}

bool ReadPngMask(std::span<const uint8_t> file, Surface& surface, int64_t maxPixels) {
    MaskSink sink(surface);
    return DecodePng(file, sink, maxPixels);
}

bool ReadPngColour(ImageFileBytes& file, Surface& surface, int64_t maxPixels) {
    ColourSink sink(surface);
    return DecodePng(file, sink, maxPixels);
}

bool ReadPngMask(ImageFileBytes& file, Surface& surface, int64_t maxPixels) {
    MaskSink sink(surface);
    return DecodePng(file, sink, maxPixels);
}
