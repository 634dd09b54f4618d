// The anime layer list and the btnselect button list, read as the player
// reads them.
#include "scenario/EventLists.h"
#include "tests/support/AddressSpaceLimit.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(EventLists, AnimeListReadsItsCountOfEntriesAndRefusesDamagedOnes) {
    using P = AnimeList::Problem;
    struct Row {
        int32_t count;
        const char* list;
        P problem;
        int32_t badLayer;
        std::vector<std::pair<int32_t, const char*>> entries;
        int32_t extra;
    };
    const std::vector<Row> rows = {
        {0, "", P::None, 0, {}, 0},
        {0, "1,a/", P::None, 0, {}, 1},
        {2,
         "0,bg.bmp,3/1,ch.bmp,AUTO,0,5/",
         P::None,
         0,
         {{0, "bg.bmp,3"}, {1, "ch.bmp,AUTO,0,5"}},
         0},
        {1, "10,x/2,y/3,z/", P::None, 0, {{10, "x"}}, 2},
        {1, "2,a", P::None, 0, {{2, "a"}}, 0},
        {1, "4,", P::None, 0, {{4, ""}}, 0},
        {-1, "0,a/", P::NegativeCount, 0, {}, 0},
        {3, "0,a/1,b/", P::TooFewEntries, 0, {{0, "a"}, {1, "b"}}, 0},
        {2147483647, "0,a/", P::TooFewEntries, 0, {{0, "a"}}, 0},
        {2, "0,a/11,b/", P::BadLayer, 11, {{0, "a"}}, 0},
        {1, "-1,a/", P::BadLayer, -1, {}, 0},
        {1, "x,a/", P::BadLayer, 0, {}, 0},
        {1, ",a/", P::BadLayer, 0, {}, 0},
        {1, "1 ,a/", P::BadLayer, 1, {}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.count) + " " + row.list);
        const AnimeList list = ReadAnimeList(row.count, VNString(row.list));
        EXPECT_EQ(list.problem, row.problem);
        if (row.problem == P::BadLayer) {
            EXPECT_EQ(list.badLayer, row.badLayer);
            EXPECT_EQ(list.badEntry, static_cast<int32_t>(row.entries.size()));
        }
        ASSERT_EQ(list.entries.size(), row.entries.size());
        for (size_t i = 0; i < row.entries.size(); ++i) {
            EXPECT_EQ(list.entries[i].layer, row.entries[i].first);
            EXPECT_EQ(list.entries[i].setting, VNString(row.entries[i].second));
        }
        EXPECT_EQ(list.extraEntries, row.extra);
    }
}

TEST(EventLists, ButtonListTakesFiveFieldsPerButtonWithoutBlanks) {
    struct Button {
        const char* label;
        int32_t left, top, width, height;
    };
    struct Row {
        int32_t count;
        const char* list;
        std::vector<Button> buttons;
        int32_t held;
    };
    const std::vector<Row> rows = {
        {0, "", {}, 0},
        {2, "a,0,0,10,10,b,10,0,10,10", {{"a", 0, 0, 10, 10}, {"b", 10, 0, 10, 10}}, 2},
        {1, " a , 1 ,\t2,3,4 ", {{"a", 1, 2, 3, 4}}, 1},
        {1, "a,1,2,3,4,b,5,6,7,8", {{"a", 1, 2, 3, 4}}, 2},
        {3, "a,1,2", {{"a", 1, 2, 0, 0}}, 1},
        {2, "a,-5,x,3,4", {{"a", -5, 0, 3, 4}}, 1},
        {-1, "a,1,2,3,4", {}, 1},
        {2147483647, "a,1,2,3,4", {{"a", 1, 2, 3, 4}}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.count) + " " + row.list);
        const ButtonEntries list = ReadButtonList(row.count, VNString(row.list));
        EXPECT_EQ(list.held, row.held);
        ASSERT_EQ(list.buttons.size(), row.buttons.size());
        for (size_t i = 0; i < row.buttons.size(); ++i) {
            const ChoiceButtonEntry& b = list.buttons[i];
            EXPECT_EQ(b.label, VNString(row.buttons[i].label));
            EXPECT_EQ(b.left, row.buttons[i].left);
            EXPECT_EQ(b.top, row.buttons[i].top);
            EXPECT_EQ(b.width, row.buttons[i].width);
            EXPECT_EQ(b.height, row.buttons[i].height);
        }
    }
}

// Each list is read in one pass: a million entries of either kind take well
// under the time a reader that converts the rest again per token needs for
// ten thousand (which was seconds). The unoptimised sanitizer build reads a
// tenth of them, which the quadratic reader still needs many minutes for.
TEST(EventLists, AMillionEntriesAreReadInOnePass) {
    constexpr int32_t kEntries = test_support::kSanitized ? 100'000 : 1'000'000;
    std::string anime;
    std::string buttons;
    for (int32_t i = 0; i < kEntries; ++i) {
        anime += std::to_string(i % 11) + ",a.bmp,AUTO/";
        buttons += "b" + std::to_string(i) + ",1,2,3,4,";
    }
    const auto start = std::chrono::steady_clock::now();
    const AnimeList animeList = ReadAnimeList(kEntries, VNString(anime.c_str()));
    const ButtonEntries buttonList = ReadButtonList(kEntries, VNString(buttons.c_str()));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(animeList.entries.size(), static_cast<size_t>(kEntries));
    EXPECT_EQ(animeList.entries.back().setting, VNString("a.bmp,AUTO"));
    EXPECT_EQ(buttonList.held, kEntries);
    EXPECT_EQ(buttonList.buttons.back().label,
              VNString(("b" + std::to_string(kEntries - 1)).c_str()));
    EXPECT_LT(seconds.count(), 10.0);
}
