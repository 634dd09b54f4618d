#include "graphics/PngReader.h"
#include "ImageBuilders.h"

#include <gtest/gtest.h>

using imagetest::Bytes;
using imagetest::Ihdr;
using imagetest::MakePng;
using imagetest::PutChunk;

namespace {

// Applies PNG filter `type` to one row (the encoder's side), given the
// previous unfiltered row (empty for the first row) and bytes per pixel.
Bytes FilterRow(int type, const Bytes& row, const Bytes& prev, size_t bpp) {
    Bytes out(row.size());
    for (size_t i = 0; i < row.size(); ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0;
        const int b = prev.empty() ? 0 : prev[i];
        const int c = (i >= bpp && !prev.empty()) ? prev[i - bpp] : 0;
        int predictor = 0;
        if (type == 1)
            predictor = a;
        else if (type == 2)
            predictor = b;
        else if (type == 3)
            predictor = (a + b) / 2;
        else if (type == 4) {
            const int p = a + b - c;
            const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            predictor = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
        }
        out[i] = static_cast<uint8_t>(row[i] - predictor);
    }
    return out;
}

// Raw image data: each row filtered with types[r % types.size()].
Bytes Filtered(const std::vector<Bytes>& rows, const std::vector<int>& types, size_t bpp) {
    Bytes raw;
    Bytes prev;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int type = types[r % types.size()];
        raw.push_back(static_cast<uint8_t>(type));
        const Bytes f = FilterRow(type, rows[r], prev, bpp);
        raw.insert(raw.end(), f.begin(), f.end());
        prev = rows[r];
    }
    return raw;
}

// A truecolour test picture with values that make every predictor matter.
std::vector<Bytes> TestRows(int width, int height) {
    std::vector<Bytes> rows;
    for (int y = 0; y < height; ++y) {
        Bytes row;
        for (int x = 0; x < width * 3; ++x)
            row.push_back(static_cast<uint8_t>((x * 37 + y * 91 + (x * y) % 13) * 7));
        rows.push_back(row);
    }
    return rows;
}

void ExpectPixels(const Surface& s, const std::vector<Bytes>& rows) {
    ASSERT_EQ(s.Height(), static_cast<int32_t>(rows.size()));
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x) {
            const uint8_t* p = &rows[y][x * 3];
            const uint32_t expected = (uint32_t{p[0]} << 16) | (p[1] << 8) | p[2];
            ASSERT_EQ(s.ScreenRow(y)[x], expected) << x << "," << y;
        }
}

} // namespace

TEST(PngReader, UnfilteredTruecolourExactPixelsTopDown) {
    const Bytes raw = {0, 1, 2, 3, 4, 5, 6, 0, 7, 8, 9, 250, 251, 252};
    Surface s;
    ASSERT_TRUE(ReadPngColour(MakePng(Ihdr(2, 2, 8, 2), raw), s));
    ASSERT_EQ(s.Width(), 2);
    ASSERT_EQ(s.Height(), 2);
    // File row 0 is the top: memory row height - 1.
    EXPECT_EQ(s.MemoryRow(1)[0], 0x00010203u);
    EXPECT_EQ(s.MemoryRow(1)[1], 0x00040506u);
    EXPECT_EQ(s.MemoryRow(0)[0], 0x00070809u);
    EXPECT_EQ(s.MemoryRow(0)[1], 0x00FAFBFCu);
    EXPECT_FALSE(s.HasMask());
}

TEST(PngReader, EveryFilterTypeIsReversed) {
    const std::vector<Bytes> rows = TestRows(7, 6);
    for (int type = 0; type <= 4; ++type) {
        Surface s;
        ASSERT_TRUE(ReadPngColour(MakePng(Ihdr(7, 6, 8, 2), Filtered(rows, {type}, 3)), s)) << type;
        ExpectPixels(s, rows);
    }
    // Mixed filters, image data split into many small chunks.
    Surface s;
    ASSERT_TRUE(ReadPngColour(MakePng(Ihdr(7, 6, 8, 2), Filtered(rows, {4, 3, 2, 1, 0}, 3), 5), s));
    ExpectPixels(s, rows);

    // Paeth by hand on a 2 x 2 greyscale mask; the first byte of a row has
    // no left neighbour, so it predicts from above.
    Surface m;
    ASSERT_TRUE(m.Create(2, 2));
    const Bytes raw = {0, 100, 50, 4, 5, 7};
    // Row 1: x=0 -> 5 + paeth(0, 100, 0) = 105; x=1 -> 7 + paeth(105, 50, 100) = 7 + 50 = 57.
    ASSERT_TRUE(ReadPngMask(MakePng(Ihdr(2, 2, 8, 0), raw), m));
    EXPECT_EQ(m.ScreenRow(1)[0], 105u << 24);
    EXPECT_EQ(m.ScreenRow(1)[1], 57u << 24);
}

TEST(PngReader, MaskUsesGreyUnchangedAndMustMatch) {
    Surface s;
    ASSERT_TRUE(ReadPngColour(MakePng(Ihdr(2, 1, 8, 2), Bytes{0, 1, 2, 3, 4, 5, 6}), s));
    ASSERT_TRUE(ReadPngMask(MakePng(Ihdr(2, 1, 8, 0), Bytes{0, 255, 17}), s));
    EXPECT_EQ(s.MemoryRow(0)[0], 0xFF010203u);
    EXPECT_EQ(s.MemoryRow(0)[1], 0x11040506u);

    EXPECT_FALSE(ReadPngMask(MakePng(Ihdr(1, 1, 8, 0), Bytes{0, 9}), s));
}

TEST(PngReader, RefusesKindsPngDoesNotHave) {
    const Bytes grey = {0, 10, 20};
    Surface s;
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(2, 1, 3, 0), grey), s));
    EXPECT_FALSE(s.IsCreated());
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(1, 1, 16, 3), Bytes(3, 0)), s));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(1, 1, 8, 3), Bytes{0, 0}), s)); // no palette
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(1, 1, 8, 5), Bytes(5, 0)), s));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(1, 1, 8, 2, 2), Bytes(4, 0)), s));
    Bytes filterMethod = Ihdr(1, 1, 8, 2);
    filterMethod[11] = 1;
    EXPECT_FALSE(ReadPngColour(MakePng(filterMethod, Bytes(4, 0)), s));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(0, 1, 8, 2), Bytes{0}), s));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(0x80000000u, 1, 8, 2), Bytes{0}), s));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(20, 20, 8, 2), Bytes(20 * 61, 0)), s, 399));
    EXPECT_FALSE(ReadPngColour(MakePng(Ihdr(20, 20, 8, 6), Bytes(20 * 81, 0)), s, 399));
}

// Every colour type and bit depth, as colour image and as mask. Colour words
// are red << 16 | green << 8 | blue with the file's alpha (or 0) on top;
// 16-bit samples round s / 257, low-bit grey stretches s * 255 / (2^b - 1);
// a mask is grey (red * .299 + green * .587 + blue * .114, rounded) times
// alpha, rounded as (a * x + 127) / 255.
TEST(PngReader, ReadsEveryColourTypeAndDepth) {
    struct Row {
        Bytes png;
        bool ownMask;
        std::vector<uint32_t> colours; // screen order
        Bytes mask;
    };
    // A picture of its header, chunks before the image data, and the image
    // data, with what it must give.
    using Chunks = std::vector<std::pair<const char*, Bytes>>;
    const auto row = [](Bytes ihdr, Chunks chunks, Bytes raw, bool ownMask,
                        std::vector<uint32_t> colours, Bytes mask) {
        Bytes file = imagetest::PngSignature();
        PutChunk(file, "IHDR", ihdr);
        for (const auto& [type, data] : chunks)
            PutChunk(file, type, data);
        PutChunk(file, "IDAT", imagetest::Deflate(raw));
        PutChunk(file, "IEND", {});
        return Row{file, ownMask, colours, mask};
    };
    const Bytes plte = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    const std::vector<Row> rows = {
        row(Ihdr(2, 1, 8, 0), {}, {0, 7, 200}, false, {0x070707, 0xC8C8C8}, {7, 200}),
        row(Ihdr(2, 1, 2, 0), {}, {0, 0x60}, false, {0x555555, 0xAAAAAA}, {85, 170}),
        // A transparent grey of a greyscale picture is ignored.
        row(Ihdr(2, 1, 4, 0), {{"tRNS", {0, 5}}}, {0, 0x5F}, false, {0x555555, 0xFFFFFF},
            {85, 255}),
        row(Ihdr(2, 1, 16, 0), {}, {0, 1, 129, 1, 130}, false, {0x010101, 0x020202}, {1, 2}),
        row(Ihdr(2, 1, 8, 4), {}, {0, 100, 0, 50, 255}, true, {0x646464, 0xFF323232}, {0, 50}),
        row(Ihdr(2, 1, 8, 6), {}, {0, 255, 255, 255, 64, 10, 20, 30, 255}, true,
            {0x40FFFFFF, 0xFF0A141E}, {64, 18}),
        row(Ihdr(1, 1, 16, 6), {}, {0, 255, 255, 128, 128, 0, 0, 128, 127}, true, {0x80FF8000},
            {76}),
        row(Ihdr(2, 1, 8, 3), {{"PLTE", plte}, {"tRNS", {0x80}}}, {0, 0, 1}, true,
            {0x80102030, 0xFF405060}, {15, 77}),
        // Interlaced: pixel (0, 0) in pass 1, (1, 0) in pass 6, row 1 in pass 7.
        row(Ihdr(2, 2, 8, 2, 1), {}, {0, 1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12}, false,
            {0x010203, 0x040506, 0x070809, 0x0A0B0C}, {2, 5, 8, 11}),
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(&r - rows.data());
        Surface colour;
        ASSERT_TRUE(ReadPngColour(r.png, colour));
        EXPECT_EQ(colour.HasMask(), r.ownMask);
        Surface mask;
        ASSERT_TRUE(mask.Create(colour.Width(), colour.Height()));
        ASSERT_TRUE(ReadPngMask(r.png, mask));
        for (size_t i = 0; i < r.colours.size(); ++i) {
            const int32_t x = static_cast<int32_t>(i) % colour.Width();
            const int32_t y = static_cast<int32_t>(i) / colour.Width();
            EXPECT_EQ(colour.ScreenRow(y)[x], r.colours[i]) << i;
            EXPECT_EQ(mask.ScreenRow(y)[x], uint32_t{r.mask[i]} << 24) << i;
        }
    }
}

TEST(PngReader, ChunkStructure) {
    const Bytes ihdr = Ihdr(1, 1, 8, 2);
    const Bytes raw = {0, 1, 2, 3};
    const Bytes good = MakePng(ihdr, raw);
    Surface s;
    ASSERT_TRUE(ReadPngColour(good, s));

    // Wrong CRCs and unknown chunks are ignored.
    Bytes extra = imagetest::PngSignature();
    PutChunk(extra, "IHDR", ihdr);
    PutChunk(extra, "tEXt", Bytes{'a', 0, 'b'});
    PutChunk(extra, "IDAT", imagetest::Deflate(raw));
    extra[extra.size() - 1] ^= 0xFF;
    PutChunk(extra, "IEND", {});
    Surface t;
    ASSERT_TRUE(ReadPngColour(extra, t));
    EXPECT_EQ(t.MemoryRow(0)[0], 0x00010203u);

    Bytes badSignature = good;
    badSignature[0] = 0x89 ^ 1;
    EXPECT_FALSE(ReadPngColour(badSignature, s));
    for (size_t cut : {size_t{4}, good.size() - 1, good.size() - 12, good.size() - 20}) {
        Bytes truncated(good.begin(), good.begin() + cut);
        EXPECT_FALSE(ReadPngColour(truncated, s)) << cut;
    }

    // Image data before the header, a second header, data after the end of
    // the stream, and data the buffer cannot hold all fail.
    Bytes early = imagetest::PngSignature();
    PutChunk(early, "IDAT", imagetest::Deflate(raw));
    PutChunk(early, "IHDR", ihdr);
    PutChunk(early, "IEND", {});
    EXPECT_FALSE(ReadPngColour(early, s));

    Bytes twoHeaders = imagetest::PngSignature();
    PutChunk(twoHeaders, "IHDR", ihdr);
    PutChunk(twoHeaders, "IHDR", Ihdr(100, 100, 8, 2));
    PutChunk(twoHeaders, "IDAT", imagetest::Deflate(raw));
    PutChunk(twoHeaders, "IEND", {});
    EXPECT_FALSE(ReadPngColour(twoHeaders, s));

    Bytes after = imagetest::PngSignature();
    PutChunk(after, "IHDR", ihdr);
    PutChunk(after, "IDAT", imagetest::Deflate(raw));
    PutChunk(after, "IDAT", imagetest::Deflate(raw));
    PutChunk(after, "IEND", {});
    EXPECT_FALSE(ReadPngColour(after, s));

    EXPECT_FALSE(ReadPngColour(MakePng(ihdr, Bytes(400, 0)), s));

    Bytes corrupt = imagetest::PngSignature();
    PutChunk(corrupt, "IHDR", ihdr);
    PutChunk(corrupt, "IDAT", Bytes{0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF});
    PutChunk(corrupt, "IEND", {});
    EXPECT_FALSE(ReadPngColour(corrupt, s));
}

TEST(PngReader, EndBeforeStreamFinishedSaysSo) {
    const Bytes z = imagetest::Deflate(Bytes{0, 1, 2, 3});
    Bytes png = imagetest::PngSignature();
    PutChunk(png, "IHDR", Ihdr(1, 1, 8, 2));
    PutChunk(png, "IDAT", Bytes(z.begin(), z.end() - 4)); // no checksum
    PutChunk(png, "IEND", {});
    Surface s;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ReadPngColour(png, s));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Inflate not finished\n");

    Bytes noData = imagetest::PngSignature();
    PutChunk(noData, "IHDR", Ihdr(1, 1, 8, 2));
    PutChunk(noData, "IEND", {});
    testing::internal::CaptureStdout();
    EXPECT_FALSE(ReadPngColour(noData, s));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Inflate not finished\n");

    // A stream that ends before filling the picture leaves the rest black.
    Surface t;
    ASSERT_TRUE(ReadPngColour(MakePng(Ihdr(1, 2, 8, 2), Bytes{0, 9, 9, 9}), t));
    EXPECT_EQ(t.ScreenRow(0)[0], 0x00090909u);
    EXPECT_EQ(t.ScreenRow(1)[0], 0u);
}
