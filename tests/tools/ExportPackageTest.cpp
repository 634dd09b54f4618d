// The parts of vnscript export that are rules rather than files: package
// names made from folder names, and the icon's crop and averaging.
#include "tools/vnscript/GameIcon.h"
#include "tools/vnscript/GamePackage.h"

#include <gtest/gtest.h>

TEST(ExportPackage, FolderNamesBecomeDebianPackageNames) {
    const struct {
        const char* folder;
        const char* name; // "" when no valid name is left
    } cases[] = {
        {"demo", "demo"},
        {"My Demo_Game", "my-demo-game"},  // upper case lowered, others "-"
        {"--Ending  Two--", "ending-two"}, // no leading or trailing "-", runs made one
        {"Game+2.0", "game+2.0"},          // "+" and "." allowed inside
        {".hidden", "hidden"},             // a name starts with a letter or digit
        {"x", ""},                         // too short
        {"\xE9\xA7\x85\xE5\x89\x8D", ""},  // nothing in ASCII left
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(vnscript::PackageNameFromFolder(c.folder), c.name);
        EXPECT_EQ(vnscript::IsPackageName(c.name), *c.name != '\0');
    }
}

TEST(ExportPackage, IconIsTheCentredSquareAveraged) {
    // 6 x 4: the outer columns fall outside the centred 4 x 4 square; each
    // pixel of a 2 x 2 icon averages a 2 x 2 block of that square.
    Surface source;
    ASSERT_TRUE(source.Create(6, 4));
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 6; ++x) {
            const bool outside = x == 0 || x == 5;
            const uint32_t blue = outside ? 255 : static_cast<uint32_t>(x * 10 + y * 40);
            source.ScreenRow(y)[x] = 0xFF000000u | (outside ? 0xFF0000u : 0u) | blue;
        }
    Surface icon;
    ASSERT_TRUE(vnscript::ScaleToIcon(source, 2, icon));
    ASSERT_EQ(icon.Width(), 2);
    ASSERT_EQ(icon.Height(), 2);
    const struct {
        int32_t x, y;
        uint32_t pixel; // blue: the mean of x * 10 + y * 40 over the block
    } expected[] = {
        {0, 0, 0xFF000000u | 35},  // columns 1-2, rows 0-1: 10, 20, 50, 60
        {1, 0, 0xFF000000u | 55},  // columns 3-4, rows 0-1: 30, 40, 70, 80
        {0, 1, 0xFF000000u | 115}, // columns 1-2, rows 2-3: 90, 100, 130, 140
        {1, 1, 0xFF000000u | 135}, // columns 3-4, rows 2-3: 110, 120, 150, 160
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(testing::Message() << e.x << "," << e.y);
        EXPECT_EQ(icon.ScreenRow(e.y)[e.x], e.pixel);
    }
}
