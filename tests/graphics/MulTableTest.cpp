#include "graphics/MulTable.h"
#include "graphics/PixelOpsKernels.h"

#include <gtest/gtest.h>

#include <cmath>

// Every entry is a * x / 255 rounded to nearest (255 is odd, so no ties),
// and the vectorised 16-bit form used by the pixel loops agrees with it.
TEST(MulTable, EveryEntryIsTheRoundedProduct) {
    const MulTable table;
    for (uint32_t a = 0; a < 256; ++a)
        for (uint32_t x = 0; x < 256; ++x) {
            const auto expected = static_cast<uint32_t>(std::lround(a * x / 255.0));
            ASSERT_EQ(table(a, x), expected) << a << " " << x;
            ASSERT_EQ(MulFormula(a, x), expected) << a << " " << x;
            ASSERT_EQ(table.Row(a)[x], expected);
            ASSERT_EQ(table(x, a), expected);
            ASSERT_EQ(pixelkernels::Mul(a, x), expected) << a << " " << x;
        }
}

TEST(MulTable, KnownEntries) {
    const MulTable table;
    EXPECT_EQ(table(128, 255), 128);
    EXPECT_EQ(table(1, 127), 0);
    EXPECT_EQ(table(1, 128), 1);
    EXPECT_EQ(table(255, 77), 77);
    EXPECT_EQ(table(0, 200), 0);
}
