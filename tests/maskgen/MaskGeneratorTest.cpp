#include "maskgen/MaskGenerator.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

using maskgen::SourcePicture;
using Bytes = std::vector<uint8_t>;

namespace {

// A picture of one background colour with a square figure of another.
SourcePicture Square(int32_t size, int32_t figureFrom, int32_t figureTo) {
    SourcePicture p;
    p.width = size;
    p.height = size;
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x) {
            const bool figure =
                x >= figureFrom && x <= figureTo && y >= figureFrom && y <= figureTo;
            const uint8_t bgr[3] = {static_cast<uint8_t>(figure ? 10 : 200), 20,
                                    static_cast<uint8_t>(figure ? 30 : 100)};
            p.bgr.insert(p.bgr.end(), bgr, bgr + 3);
        }
    return p;
}

void PutLE(Bytes& b, uint32_t v, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 24-bit BMP with the classic 54-byte headers (`height` negative for top-down).
Bytes Bmp24(int32_t width, int32_t height, const Bytes& pixelRows, uint16_t bits = 24) {
    Bytes b = {'B', 'M'};
    PutLE(b, static_cast<uint32_t>(54 + pixelRows.size()), 4);
    PutLE(b, 0, 4);
    PutLE(b, 54, 4);
    PutLE(b, 40, 4);
    PutLE(b, static_cast<uint32_t>(width), 4);
    PutLE(b, static_cast<uint32_t>(height), 4);
    PutLE(b, 1, 2);
    PutLE(b, bits, 2);
    for (int i = 0; i < 6; ++i)
        PutLE(b, 0, 4);
    b.insert(b.end(), pixelRows.begin(), pixelRows.end());
    return b;
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(MaskGenerator, NineByNineFigureFadesIn) {
    const Bytes mask = maskgen::MakeMask(Square(9, 2, 6));
    ASSERT_EQ(mask.size(), 81u);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const int ring = std::max(std::abs(x - 4), std::abs(y - 4));
            int expected = 0; // background and the figure's outer ring
            if (ring == 1)
                expected = (std::abs(x - 4) == 1 && std::abs(y - 4) == 1) ? 135 : 183;
            else if (ring == 0)
                expected = 231;
            EXPECT_EQ(mask[y * 9 + x], expected) << x << "," << y;
        }
}

TEST(MaskGenerator, TinyPicturesAreFullyTransparent) {
    // The lone figure pixel of a 3 x 3 picture blurs to 219; three times that exceeds 255.
    EXPECT_EQ(maskgen::MakeMask(Square(3, 1, 1)), Bytes(9, 0));
    // A single pixel is its own key colour.
    SourcePicture one;
    one.width = one.height = 1;
    one.bgr = {1, 2, 3};
    EXPECT_EQ(maskgen::MakeMask(one), Bytes{0});
}

TEST(MaskGenerator, MaskFileLayoutByteForByte) {
    const Bytes plane = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const Bytes file = maskgen::EncodeMaskBmp(5, 2, plane);
    Bytes expected = {'B', 'M'};
    PutLE(expected, 8 * 2 + 1078, 4);
    PutLE(expected, 0, 4);
    PutLE(expected, 1078, 4);
    PutLE(expected, 40, 4);
    PutLE(expected, 5, 4);
    PutLE(expected, 2, 4);
    PutLE(expected, 1, 2);
    PutLE(expected, 8, 2);
    for (int i = 0; i < 6; ++i)
        PutLE(expected, 0, 4);
    for (uint32_t i = 0; i < 256; ++i) {
        const uint8_t entry[4] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i),
                                  static_cast<uint8_t>(i), 255};
        expected.insert(expected.end(), entry, entry + 4);
    }
    const Bytes rows = {1, 2, 3, 4, 5, 0, 0, 0, 6, 7, 8, 9, 10, 0, 0, 0};
    expected.insert(expected.end(), rows.begin(), rows.end());
    EXPECT_EQ(file, expected);
}

TEST(MaskGenerator, ReadsOnlyComplete24BitPictures) {
    // 2 x 2, rows of 8 bytes; a top-down file comes out bottom-up.
    const Bytes rows = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    SourcePicture p;
    ASSERT_TRUE(maskgen::ReadSourcePicture(Bmp24(2, 2, rows), p));
    EXPECT_EQ(p.bgr, (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    ASSERT_TRUE(maskgen::ReadSourcePicture(Bmp24(2, -2, rows), p));
    EXPECT_EQ(p.bgr, (Bytes{7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6}));

    EXPECT_FALSE(maskgen::ReadSourcePicture(Bmp24(2, 2, Bytes(rows.begin(), rows.end() - 1)), p));
    EXPECT_FALSE(maskgen::ReadSourcePicture(Bmp24(2, 2, rows, 32), p));
    EXPECT_FALSE(maskgen::ReadSourcePicture(Bmp24(2, 2, rows, 8), p));
    EXPECT_FALSE(maskgen::ReadSourcePicture(Bmp24(0, 2, rows), p));
    EXPECT_FALSE(maskgen::ReadSourcePicture(Bmp24(100000, 100000, rows), p));
}

TEST(MaskGenerator, FilesInOrderFailuresNamed) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "maskgen_files";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string good = (dir / "a.bmp").string();
    const std::string bad = (dir / "b.bmp").string();
    const std::string blocked = (dir / "c.bmp").string();
    // 3 x 1 picture, figure in the middle: rows of 12 bytes (9 + 3 padding).
    const Bytes picture = Bmp24(3, 1, Bytes{9, 9, 9, 1, 1, 1, 9, 9, 9, 0, 0, 0});
    WriteAll(good, picture);
    WriteAll(bad, Bmp24(3, 1, Bytes{1, 2, 3}));
    WriteAll(blocked, picture);
    std::filesystem::create_directory(blocked + ".msk.bmp"); // the target cannot be replaced

    EXPECT_EQ(maskgen::GenerateMaskFile(good), maskgen::MaskResult::Written);
    EXPECT_EQ(maskgen::GenerateMaskFile(bad), maskgen::MaskResult::ReadFailed);
    EXPECT_EQ(maskgen::GenerateMaskFile(blocked), maskgen::MaskResult::WriteFailed);
    EXPECT_EQ(maskgen::GenerateMaskFile((dir / "missing.bmp").string()),
              maskgen::MaskResult::ReadFailed);

    const Bytes written = ReadAll(good + ".msk.bmp");
    ASSERT_EQ(written.size(), 4u + 1078u);
    EXPECT_EQ(Bytes(written.begin() + 1078, written.end()), (Bytes{0, 0, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(bad + ".msk.bmp"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked + ".msk.bmp"));
    // Nothing but the inputs, the mask and the blocking folder is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 5);

    // The reasons the window gives.
    WriteAll(good, Bmp24(3, 1, Bytes(12), 32));
    const std::pair<std::string, std::string> reasons[] = {
        {good, "32ビットのBMPです（24ビットのBMPだけを変換できます）"},
        {bad, "ファイルが画像の途中で終わっています"},
        {blocked, std::strerror(EISDIR)},
        {dir / "missing.bmp",
         std::string("ファイルを開けません（") + std::strerror(ENOENT) + "）"}};
    for (const auto& [file, reason] : reasons) {
        maskgen::MaskFailure why;
        maskgen::GenerateMaskFile(file, &why);
        EXPECT_EQ(maskgen::MaskFailureReason(why), reason) << file;
    }
    EXPECT_EQ(maskgen::MaskFailureMessage(maskgen::MaskResult::ReadFailed, "x/b.bmp"),
              "x/b.bmp の読み込みに失敗しました。");
    EXPECT_EQ(maskgen::MaskFailureMessage(maskgen::MaskResult::WriteFailed, "x/c.bmp"),
              "x/c.bmp.msk.bmp の書き込みに失敗しました。");
}
