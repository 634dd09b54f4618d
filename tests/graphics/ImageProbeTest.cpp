// The image probe against the rules of the readers, and against
// Surface::Load on the same files: a picture the probe passes loads, one it
// refuses does not.
#include "graphics/ImageProbe.h"
#include "graphics/Surface.h"

#include "tests/graphics/ImageBuilders.h"
#include "tests/scenario/TempFolder.h"

#include <gtest/gtest.h>

using namespace imagetest;

namespace {

Bytes Bmp(int32_t width, int32_t height, uint16_t bits, uint32_t compression = 0,
          uint32_t infoSize = 40) {
    BmpFields f;
    f.width = width;
    f.height = height;
    f.bits = bits;
    f.compression = compression;
    f.infoSize = infoSize;
    if (bits <= 8)
        for (uint32_t i = 0; i < (1u << bits); ++i)
            f.palette.push_back(i * 0x010101u);
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    for (int32_t y = 0; y < (height < 0 ? -height : height); ++y)
        f.rows.push_back(Bytes(stride, 0x5A));
    return MakeBmp(f);
}

// Rows of `channels` bytes per pixel, each after filter byte `filter`.
Bytes Raw(int32_t width, int32_t height, int channels, uint8_t filter = 0) {
    Bytes raw;
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(filter);
        for (int32_t i = 0; i < width * channels; ++i)
            raw.push_back(static_cast<uint8_t>(i + y));
    }
    return raw;
}

Bytes Png(int32_t width, int32_t height, uint8_t depth, uint8_t type, uint8_t interlace = 0,
          uint8_t filterMethod = 0, uint8_t compression = 0) {
    Bytes ihdr = Ihdr(width, height, depth, type, interlace);
    ihdr[10] = compression;
    ihdr[11] = filterMethod;
    const int samples[8] = {1, 1, 3, 1, 2, 1, 4, 1};
    return MakePng(ihdr, Raw((width * samples[type & 7] * depth + 7) / 8, height, 1));
}

Bytes Cut(Bytes bytes, size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

// A PNG whose chunks are in order but whose compressed data is not deflate.
Bytes PngBadStream() {
    Bytes png = PngSignature();
    PutChunk(png, "IHDR", Ihdr(4, 3, 8, 2));
    PutChunk(png, "IDAT", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    PutChunk(png, "IEND", {});
    return png;
}

Bytes PngDataFirst() {
    Bytes png = PngSignature();
    PutChunk(png, "IDAT", Deflate(Raw(4, 3, 3)));
    PutChunk(png, "IHDR", Ihdr(4, 3, 8, 2));
    PutChunk(png, "IEND", {});
    return png;
}

Bytes PngWithoutData() {
    Bytes png = PngSignature();
    PutChunk(png, "IHDR", Ihdr(4, 3, 8, 2));
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace

TEST(ImageProbe, JudgesEachFileAsTheReadersRulesDoAndAgreesWithLoading) {
    using V = ImageVerdict;
    struct Row {
        const char* name; // the suffix chooses the reader
        Bytes bytes;      // empty: no such file
        V colour;         // as colour image
        V mask;           // as mask of a 4 x 3 colour image
        bool loadAgrees = true;
    };
    const std::vector<Row> rows = {
        {"a.bmp", Bmp(4, 3, 24), V::Ok, V::Ok},
        {"b.bmp", Bmp(4, 3, 8), V::Ok, V::Ok},
        {"c.bmp", Bmp(4, 3, 4), V::Ok, V::Ok},
        {"d.bmp", Bmp(4, 3, 1), V::Ok, V::Ok},
        {"topdown.bmp", Bmp(4, -3, 24), V::Ok, V::Ok},
        {"v5.bmp", Bmp(4, 3, 24, 0, 124), V::Ok, V::Ok},
        {"rowless.bmp", Cut(Bmp(4, 3, 24), 36), V::Ok, V::Ok},
        {"wide.bmp", Bmp(5, 3, 24), V::Ok, V::MaskSize},
        {"sixteen.bmp", Bmp(4, 3, 16), V::BmpBitDepth, V::BmpBitDepth},
        {"thirtytwo.bmp", Bmp(4, 3, 32), V::BmpBitDepth, V::BmpBitDepth},
        {"rle.bmp", Bmp(4, 3, 8, 1), V::BmpCompressed, V::BmpCompressed},
        {"tall.bmp", Bmp(1, Surface::kMaxSide + 1, 24), V::TooLarge, V::MaskSize},
        {"headless.bmp", Cut(Bmp(4, 3, 24), 36 + 24), V::NotBmp, V::NotBmp},
        {"png-named.bmp", Png(4, 3, 8, 2), V::NotBmp, V::NotBmp},
        {"rgb.png", Png(4, 3, 8, 2), V::Ok, V::Ok},
        {"grey.png", Png(4, 3, 8, 0), V::Ok, V::Ok},
        {"wide-grey.png", Png(5, 3, 8, 0), V::Ok, V::MaskSize},
        {"filtered.png", MakePng(Ihdr(4, 3, 8, 2), Raw(4, 3, 3, 1)), V::Ok, V::Ok},
        {"paletteless.png", Png(4, 3, 4, 3), V::PngNoPalette, V::PngNoPalette},
        {"alpha.png", Png(4, 3, 8, 6), V::Ok, V::Ok},
        {"deep.png", Png(4, 3, 16, 4), V::Ok, V::Ok},
        {"deep-palette.png", Png(4, 3, 16, 3), V::PngBitDepth, V::PngBitDepth},
        {"type5.png", Png(4, 3, 8, 5), V::PngColourType, V::PngColourType},
        {"wide.png", Png(Surface::kMaxSide + 1, 1, 8, 2), V::TooLarge, V::MaskSize},
        {"laced.png", Png(1, 1, 8, 2, 1), V::Ok, V::MaskSize},
        {"laced2.png", Png(4, 3, 8, 2, 2), V::PngInterlaced, V::PngInterlaced},
        {"method.png", Png(4, 3, 8, 2, 0, 1), V::PngFilter, V::PngFilter},
        // Only libpng, which reads truecolour masks, checks the compression method.
        {"squeezed.png", Png(4, 3, 8, 2, 0, 0, 1), V::Ok, V::PngCompression},
        {"endless.png", Cut(Png(4, 3, 8, 2), 12), V::PngDamaged, V::PngDamaged},
        {"cut.png", Cut(Png(4, 3, 8, 2), 20), V::PngDamaged, V::PngDamaged},
        {"data-first.png", PngDataFirst(), V::PngDamaged, V::PngDamaged},
        {"no-data.png", PngWithoutData(), V::PngDamaged, V::PngDamaged},
        {"bmp-named.png", Bmp(4, 3, 24), V::PngDamaged, V::PngDamaged},
        {"missing.bmp", {}, V::CannotOpen, V::CannotOpen},
        // What only decoding finds: the probe passes it, loading fails.
        {"bad-stream.png", PngBadStream(), V::Ok, V::Ok, false},
    };
    TempFolder folder;
    const std::string colourPath = folder / "colour.bmp";
    ASSERT_TRUE(WriteFile(colourPath, Bmp(4, 3, 24)));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = folder / row.name;
        if (!row.bytes.empty()) {
            ASSERT_TRUE(WriteFile(path, row.bytes));
        }
        const ImageFacts facts = ProbeImageFile(path.c_str());
        EXPECT_EQ(JudgeColourImage(facts), row.colour);
        EXPECT_EQ(JudgeMaskImage(facts, 4, 3), row.mask);
        if (!row.loadAgrees) {
            Surface surface;
            EXPECT_FALSE(surface.Load(path.c_str(), nullptr));
            continue;
        }
        Surface colour;
        EXPECT_EQ(colour.Load(path.c_str(), nullptr), row.colour == V::Ok);
        Surface masked;
        EXPECT_EQ(masked.Load(colourPath.c_str(), path.c_str()), row.mask == V::Ok);
    }
}
