#include "graphics/BmpReader.h"
#include "ImageBuilders.h"
#include "graphics/GreyValue.h"

#include <gtest/gtest.h>

using imagetest::BmpFields;
using imagetest::Bytes;
using imagetest::MakeBmp;

namespace {

// One 24-bit stored row from (blue, green, red) triples, padded to 4 bytes.
Bytes Row24(std::initializer_list<uint8_t> bgr) {
    Bytes row(bgr);
    while (row.size() % 4 != 0)
        row.push_back(0);
    return row;
}

bool LoadColour(const Bytes& file, Surface& s) {
    return ReadBmp(file, s, BmpMode::Colour);
}

} // namespace

TEST(GreyValue, SinglePrecisionWeightsSummedInDouble) {
    EXPECT_EQ(GreyValue(255, 255, 255), 254u);
    EXPECT_EQ(GreyValue(0, 0, 0), 0u);
    for (uint32_t g = 1; g < 256; ++g)
        EXPECT_EQ(GreyValue(g, g, g), g - 1) << g;
    EXPECT_EQ(GreyValue(255, 0, 0), 76u);  // 255 * 0.300000012 = 76.5000030
    EXPECT_EQ(GreyValue(0, 255, 0), 150u); // 255 * 0.589999974 = 150.4499933
    EXPECT_EQ(GreyValue(0, 0, 255), 28u);  // 255 * 0.109999999 = 28.0499998
}

TEST(BmpReader, TwentyFourBitRowsBottomUpWithPadding) {
    BmpFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.rows = {Row24({1, 2, 3, 4, 5, 6}), Row24({7, 8, 9, 10, 11, 12})};
    ASSERT_EQ(fields.rows[0].size(), 8u);
    Surface s;
    ASSERT_TRUE(LoadColour(MakeBmp(fields), s));
    ASSERT_EQ(s.Width(), 2);
    ASSERT_EQ(s.Height(), 2);
    EXPECT_EQ(s.MemoryRow(0)[0], 0x00030201u);
    EXPECT_EQ(s.MemoryRow(0)[1], 0x00060504u);
    EXPECT_EQ(s.MemoryRow(1)[0], 0x00090807u);
    EXPECT_EQ(s.MemoryRow(1)[1], 0x000C0B0Au);
    EXPECT_FALSE(s.HasMask());
}

TEST(BmpReader, IndexedDepthsUsePaletteWordsIncludingFourthByte) {
    // 1 bit, width 9: one 4-byte row, most significant bit leftmost.
    BmpFields one;
    one.width = 9;
    one.bits = 1;
    one.coloursUsed = 2;
    one.palette = {0x11223344, 0xAABBCCDD};
    one.rows = {Bytes{0xA0, 0x80, 0x00, 0x00}};
    Surface s1;
    ASSERT_TRUE(LoadColour(MakeBmp(one), s1));
    const int ones[9] = {1, 0, 1, 0, 0, 0, 0, 0, 1};
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(s1.MemoryRow(0)[x], ones[x] ? 0xAABBCCDDu : 0x11223344u) << x;

    // 4 bits with three palette entries: high nibble first; index 3 lies
    // beyond the stored palette and reads as 0.
    BmpFields four;
    four.width = 3;
    four.bits = 4;
    four.coloursUsed = 3;
    four.palette = {0x000000FF, 0x0000FF00, 0x00FF0000};
    four.rows = {Bytes{0x12, 0x30, 0x00, 0x00}};
    Surface s4;
    ASSERT_TRUE(LoadColour(MakeBmp(four), s4));
    EXPECT_EQ(s4.MemoryRow(0)[0], 0x0000FF00u);
    EXPECT_EQ(s4.MemoryRow(0)[1], 0x00FF0000u);
    EXPECT_EQ(s4.MemoryRow(0)[2], 0x00000000u);

    // 8 bits with colours-used 0: a full 256-entry palette; width 5 rows are 8 bytes.
    BmpFields eight;
    eight.width = 5;
    eight.height = 2;
    eight.bits = 8;
    for (uint32_t i = 0; i < 256; ++i)
        eight.palette.push_back((i << 24) | (i ^ 0x5A));
    eight.rows = {Bytes{0, 7, 255, 128, 1, 0, 0, 0}, Bytes{2, 3, 4, 5, 6, 0, 0, 0}};
    Surface s8;
    ASSERT_TRUE(LoadColour(MakeBmp(eight), s8));
    const uint8_t idx[2][5] = {{0, 7, 255, 128, 1}, {2, 3, 4, 5, 6}};
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(s8.MemoryRow(r)[x], (uint32_t{idx[r][x]} << 24) | (idx[r][x] ^ 0x5Au));
}

TEST(BmpReader, MaskModeOrsGreyIntoAlpha) {
    // Colour picture: 8-bit, palette fourth byte 0x0F lands in alpha.
    BmpFields colour;
    colour.width = 4;
    colour.bits = 8;
    colour.coloursUsed = 1;
    colour.palette = {0x0F123456};
    colour.rows = {Bytes{0, 0, 0, 0}};
    Surface s;
    ASSERT_TRUE(LoadColour(MakeBmp(colour), s));

    // A mask as the mask generator writes it: palette entry i is grey i.
    BmpFields mask;
    mask.width = 4;
    mask.bits = 8;
    for (uint32_t i = 0; i < 256; ++i)
        mask.palette.push_back(0xFF000000u | i * 0x010101u);
    mask.rows = {Bytes{0, 1, 2, 241}};
    ASSERT_TRUE(ReadBmp(MakeBmp(mask), s, BmpMode::Mask));
    EXPECT_EQ(s.MemoryRow(0)[0], 0x0F123456u);              // grey 0
    EXPECT_EQ(s.MemoryRow(0)[1], 0x0F123456u);              // grey 1 -> 0
    EXPECT_EQ(s.MemoryRow(0)[2], 0x0F123456u | (1u << 24)); // grey 2 -> 1
    EXPECT_EQ(s.MemoryRow(0)[3], 0xFF123456u);              // 240 | 0x0F

    // A 1-bit black and white mask gives 0 and 254.
    Surface t;
    ASSERT_TRUE(t.Create(2, 1));
    BmpFields bw;
    bw.width = 2;
    bw.bits = 1;
    bw.palette = {0x00000000, 0x00FFFFFF};
    bw.rows = {Bytes{0x40, 0, 0, 0}};
    ASSERT_TRUE(ReadBmp(MakeBmp(bw), t, BmpMode::Mask));
    EXPECT_EQ(t.MemoryRow(0)[0], 0x00000000u);
    EXPECT_EQ(t.MemoryRow(0)[1], 0xFE000000u);

    // A 24-bit mask computes the grey of each pixel.
    Surface u;
    ASSERT_TRUE(u.Create(3, 1));
    BmpFields rgb;
    rgb.width = 3;
    rgb.rows = {Row24({0, 0, 255, 0, 255, 0, 128, 128, 128})};
    ASSERT_TRUE(ReadBmp(MakeBmp(rgb), u, BmpMode::Mask));
    EXPECT_EQ(u.MemoryRow(0)[0], 76u << 24);
    EXPECT_EQ(u.MemoryRow(0)[1], 150u << 24);
    EXPECT_EQ(u.MemoryRow(0)[2], 127u << 24);

    // Masks of another size, and a mask without a picture, fail.
    rgb.width = 2;
    rgb.rows = {Row24({0, 0, 0, 0, 0, 0})};
    EXPECT_FALSE(ReadBmp(MakeBmp(rgb), u, BmpMode::Mask));
    Surface empty;
    EXPECT_FALSE(ReadBmp(MakeBmp(rgb), empty, BmpMode::Mask));
}

TEST(BmpReader, HeaderVariantsFindPaletteAndRows) {
    // A 124-byte information header: the palette follows it.
    BmpFields v5;
    v5.width = 2;
    v5.bits = 8;
    v5.coloursUsed = 2;
    v5.infoSize = 124;
    v5.palette = {0x00102030, 0x00405060};
    v5.rows = {Bytes{1, 0, 0, 0}};
    Surface a;
    ASSERT_TRUE(LoadColour(MakeBmp(v5), a));
    EXPECT_EQ(a.MemoryRow(0)[0], 0x00405060u);
    EXPECT_EQ(a.MemoryRow(0)[1], 0x00102030u);

    // A gap between palette and pixels: the pixel-data offset is followed.
    BmpFields gap;
    gap.width = 1;
    gap.height = 2;
    gap.gap = 10;
    gap.rows = {Row24({1, 2, 3}), Row24({4, 5, 6})};
    Surface b;
    ASSERT_TRUE(LoadColour(MakeBmp(gap), b));
    EXPECT_EQ(b.MemoryRow(0)[0], 0x00030201u);
    EXPECT_EQ(b.MemoryRow(1)[0], 0x00060504u);

    // Implausible offsets (past the end, inside the headers, zero) fall back
    // to the rows right after the palette.
    for (long long offset : {100000LL, 14LL, 0LL}) {
        BmpFields odd;
        odd.width = 1;
        odd.rows = {Row24({9, 8, 7})};
        odd.pixelOffset = offset;
        Surface c;
        ASSERT_TRUE(LoadColour(MakeBmp(odd), c)) << offset;
        EXPECT_EQ(c.MemoryRow(0)[0], 0x00070809u) << offset;
    }

    // Negative height: stored top-down, loaded upright.
    BmpFields topDown;
    topDown.width = 1;
    topDown.height = -2;
    topDown.rows = {Row24({1, 1, 1}), Row24({2, 2, 2})};
    Surface d;
    ASSERT_TRUE(LoadColour(MakeBmp(topDown), d));
    EXPECT_EQ(d.Height(), 2);
    EXPECT_EQ(d.ScreenRow(0)[0], 0x00010101u);
    EXPECT_EQ(d.ScreenRow(1)[0], 0x00020202u);
}

TEST(BmpReader, ShortRowsEndQuietly) {
    BmpFields fields;
    fields.width = 1;
    fields.height = 3;
    fields.rows = {Row24({1, 2, 3}), Bytes{4, 5}};
    Surface s;
    ASSERT_TRUE(LoadColour(MakeBmp(fields), s));
    EXPECT_EQ(s.MemoryRow(0)[0], 0x00030201u);
    EXPECT_EQ(s.MemoryRow(1)[0], 0u);
    EXPECT_EQ(s.MemoryRow(2)[0], 0u);
}

TEST(BmpReader, RefusesUnsupportedAndDamagedFiles) {
    BmpFields good;
    good.rows = {Row24({1, 2, 3})};
    Surface s;
    ASSERT_TRUE(LoadColour(MakeBmp(good), s));

    auto fails = [](BmpFields fields, const char* what) {
        Surface t;
        EXPECT_FALSE(LoadColour(MakeBmp(fields), t)) << what;
        EXPECT_FALSE(t.IsCreated()) << what;
    };
    BmpFields fields = good;
    fields.compression = 1;
    fails(fields, "run-length encoded");
    for (uint16_t bits : {2, 16, 32}) {
        fields = good;
        fields.bits = bits;
        fails(fields, "bit depth");
    }
    fields = good;
    fields.infoSize = 12;
    fails(fields, "core header");
    fields = good;
    fields.width = 0;
    fails(fields, "width 0");
    fields = good;
    fields.width = -4;
    fails(fields, "negative width");
    fields = good;
    fields.height = 0;
    fails(fields, "height 0");
    fields = good;
    fields.bits = 8;
    fields.coloursUsed = 200; // palette runs past the end
    fails(fields, "truncated palette");
    fields = good;
    fields.width = 100000;
    fields.height = 100000;
    fails(fields, "absurd size");

    Bytes notBmp = MakeBmp(good);
    notBmp[1] = 'A';
    EXPECT_FALSE(LoadColour(notBmp, s));
    Bytes shortHeader = MakeBmp(good);
    shortHeader.resize(53);
    EXPECT_FALSE(LoadColour(shortHeader, s));

    // The caller's pixel limit is honoured before anything is allocated.
    fields = good;
    fields.width = 20;
    fields.height = 20;
    Surface t;
    EXPECT_FALSE(ReadBmp(MakeBmp(fields), t, BmpMode::Colour, 399));
    EXPECT_TRUE(ReadBmp(MakeBmp(fields), t, BmpMode::Colour, 400));
}
