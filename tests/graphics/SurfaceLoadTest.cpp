#include "ImageBuilders.h"
#include "graphics/Surface.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

using imagetest::Bytes;
using imagetest::Ihdr;
using imagetest::MakePng;

namespace {

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "surface_load_" + std::to_string(getpid()) + "_" + name;
}

// A 2 x 2 24-bit BMP, top row magenta/red, bottom row magenta/green.
Bytes KeyedBmp() {
    imagetest::BmpFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.rows = {Bytes{0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0}, Bytes{0xFF, 0, 0xFF, 0, 0, 0xFF, 0, 0}};
    return imagetest::MakeBmp(fields);
}

} // namespace

TEST(SurfaceLoad, ChoosesReaderBySuffixInAnyCase) {
    const Bytes png = MakePng(Ihdr(1, 1, 8, 2), Bytes{0, 1, 2, 3});
    const std::string upper = TempPath("a.PNG");
    ASSERT_TRUE(imagetest::WriteFile(upper, png));
    Surface s;
    ASSERT_TRUE(s.Load(upper.c_str(), nullptr));
    EXPECT_EQ(s.MemoryRow(0)[0], 0x00010203u);
    EXPECT_FALSE(s.HasMask());

    // The same PNG bytes under other names go to the BMP reader and fail on "BM".
    for (const char* name : {"a.bmp", "a.jpg", "a.png.x"}) {
        const std::string path = TempPath(name);
        ASSERT_TRUE(imagetest::WriteFile(path, png));
        Surface t;
        EXPECT_FALSE(t.Load(path.c_str(), nullptr)) << name;
        EXPECT_FALSE(t.IsCreated()) << name;
    }
    const std::string bmp = TempPath("k.bmp");
    ASSERT_TRUE(imagetest::WriteFile(bmp, KeyedBmp()));
    Surface b;
    EXPECT_TRUE(b.Load(bmp.c_str(), nullptr));
    Surface missing;
    EXPECT_FALSE(missing.Load(TempPath("does-not-exist.bmp").c_str(), nullptr));
    EXPECT_FALSE(missing.Load("ab", nullptr));
}

TEST(SurfaceLoad, AutoKeysTopLeftColour) {
    const std::string bmp = TempPath("auto.bmp");
    ASSERT_TRUE(imagetest::WriteFile(bmp, KeyedBmp()));
    for (const char* keyword : {"AUTO", "auto", "Auto"}) {
        Surface s;
        ASSERT_TRUE(s.Load(bmp.c_str(), keyword)) << keyword;
        EXPECT_TRUE(s.HasMask());
        EXPECT_EQ(s.ScreenRow(0)[0], 0x00FF00FFu);
        EXPECT_EQ(s.ScreenRow(0)[1], 0xFFFF0000u);
        EXPECT_EQ(s.ScreenRow(1)[0], 0x00FF00FFu);
        EXPECT_EQ(s.ScreenRow(1)[1], 0xFF00FF00u);
    }
}

TEST(SurfaceLoad, MaskFilesAndFailedMasks) {
    const std::string bmp = TempPath("m.bmp");
    ASSERT_TRUE(imagetest::WriteFile(bmp, KeyedBmp()));
    const std::string pngMask = TempPath("mask.Png");
    ASSERT_TRUE(imagetest::WriteFile(pngMask, MakePng(Ihdr(2, 2, 8, 0), Bytes{0, 1, 2, 0, 3, 4})));
    Surface s;
    ASSERT_TRUE(s.Load(bmp.c_str(), pngMask.c_str()));
    EXPECT_TRUE(s.HasMask());
    EXPECT_EQ(s.ScreenRow(0)[1], 0x02FF0000u);
    EXPECT_EQ(s.ScreenRow(1)[0], 0x03FF00FFu);

    // A mask of another size: false, colours stay and the mask flag is set.
    const std::string small = TempPath("small.png");
    ASSERT_TRUE(imagetest::WriteFile(small, MakePng(Ihdr(1, 1, 8, 0), Bytes{0, 7})));
    Surface t;
    EXPECT_FALSE(t.Load(bmp.c_str(), small.c_str()));
    EXPECT_TRUE(t.HasMask());
    EXPECT_EQ(t.ScreenRow(0)[1], 0x00FF0000u);
    Surface u;
    EXPECT_FALSE(u.Load(bmp.c_str(), TempPath("no-mask.bmp").c_str()));
    EXPECT_TRUE(u.HasMask());
}

TEST(SurfaceLoad, PngAlphaIsTheMaskUnlessAMaskIsNamed) {
    const std::string rgba = TempPath("alpha.png");
    const std::string grey = TempPath("grey_m.png");
    ASSERT_TRUE(imagetest::WriteFile(
        rgba, MakePng(Ihdr(2, 1, 8, 6), Bytes{0, 255, 0, 255, 10, 0, 255, 0, 200})));
    ASSERT_TRUE(imagetest::WriteFile(grey, MakePng(Ihdr(2, 1, 8, 0), Bytes{0, 1, 2})));
    const struct {
        const char* mask;
        uint32_t left, right;
    } rows[] = {{nullptr, 0x0AFF00FF, 0xC800FF00},
                {grey.c_str(), 0x01FF00FF, 0x0200FF00},
                {"AUTO", 0x00FF00FF, 0xFF00FF00}};
    for (const auto& row : rows) {
        Surface s;
        ASSERT_TRUE(s.Load(rgba.c_str(), row.mask));
        EXPECT_TRUE(s.HasMask());
        EXPECT_EQ(s.ScreenRow(0)[0], row.left);
        EXPECT_EQ(s.ScreenRow(0)[1], row.right);
    }
}
