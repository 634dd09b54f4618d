#include "scenario/VNParamFile.h"
#include "scenario/VNFileReader.h"

#include "ItemBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>

namespace {

using item_bytes::Int;
using item_bytes::Plain;
using item_bytes::Str;

const std::string kHeader = Str("flagdata");

bool LoadBytes(const std::string& bytes, VNParamFile& table, VNLoadError* why = nullptr) {
    VNFileReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    return table.Load(reader, why);
}

TEST(VNParamFile, AddFindAndRemoveKeepDeclarationOrder) {
    VNParamFile table;
    EXPECT_TRUE(table.Add(VNString("flag"), 1));
    EXPECT_TRUE(table.Add(VNString("FLAG"), 2)); // letter case makes another name
    EXPECT_TRUE(table.Add(VNString("\x83\x5c"), -3));
    EXPECT_FALSE(table.Add(VNString("flag"), 9));
    EXPECT_EQ(table.GetCount(), 3);
    EXPECT_EQ(table.GetValue(0), 1);
    EXPECT_EQ(table.Find(VNString("FLAG")), 1);
    EXPECT_EQ(table.Find(VNString("Flag")), -1);

    table.SetValue(2, INT32_MIN);
    table.Remove(0);
    ASSERT_EQ(table.GetCount(), 2);
    VNString name;
    int32_t value = 0;
    table.GetName(0, name);
    table.GetValue(0, value);
    EXPECT_EQ(name, VNString("FLAG"));
    EXPECT_EQ(value, 2);
    table.GetName(1, name);
    table.GetValue(1, value);
    EXPECT_EQ(name, VNString("\x83\x5c"));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_EQ(table.Find(VNString("flag")), -1);
    EXPECT_TRUE(table.Add(VNString("flag"), 4)); // a removed name can come back
    EXPECT_EQ(table.Find(VNString("flag")), 2);
}

TEST(VNParamFile, GrowsByFiftyKeepingEveryEntry) {
    VNParamFile table;
    EXPECT_EQ(table.GetCapacity(), 0);
    for (int i = 0; i < 51; ++i) {
        ASSERT_TRUE(table.Add(VNString(i), i * 10));
        EXPECT_EQ(table.GetCapacity(), i < 50 ? 50 : 100);
    }
    for (int i = 0; i < 51; ++i) {
        EXPECT_EQ(table.GetName(i), VNString(i));
        EXPECT_EQ(table.GetValue(i), i * 10);
    }
    table.Clear();
    EXPECT_EQ(table.GetCount(), 0);
    EXPECT_EQ(table.GetCapacity(), 100);
}

TEST(VNParamFileDeathTest, PositionsBeyondTheTableStop) {
    VNParamFile table;
    table.Add(VNString("a"), 0);
    EXPECT_DEATH(table.GetValue(1), "n < item_count");
    EXPECT_DEATH(table.SetValue(5, 0), "n < item_count");
    EXPECT_DEATH(table.Remove(1), "n < item_count");
    EXPECT_DEATH(table.GetName(-1), "n >= 0");
}

TEST(VNParamFile, FileLayoutAndRoundTrip) {
    TempFolder folder;
    const std::string path = folder / "local.flg";
    VNParamFile empty;
    ASSERT_TRUE(empty.Save(path));
    EXPECT_EQ(ReadBytes(path), kHeader + Int(0));
    EXPECT_EQ(ReadBytes(path).size(), 18u);
    EXPECT_TRUE(empty.Load(path));
    EXPECT_EQ(empty.GetCount(), 0);

    VNParamFile table;
    table.Add(VNString("\x83\x5c\xff"), INT32_MAX);
    table.Add(VNString("b"), -1);
    ASSERT_TRUE(table.Save(path));
    const std::string expected =
        kHeader + Int(2) + Str("\x83\x5c\xff") + Int(INT32_MAX) + Str("b") + Int(-1);
    EXPECT_EQ(ReadBytes(path), expected);

    VNParamFile back;
    ASSERT_TRUE(back.Load(path));
    ASSERT_EQ(back.GetCount(), 2);
    EXPECT_EQ(back.GetName(0).Bytes(), "\x83\x5c\xff");
    EXPECT_EQ(back.GetValue(0), INT32_MAX);
    EXPECT_EQ(back.GetValue(1), -1);

    // Plain names and unchecked integer tags load too; a negative count is none.
    VNParamFile plain;
    EXPECT_TRUE(LoadBytes(Plain("flagdata") + Int(1, '\0') + Plain("x") + Int(5, '\7'), plain));
    EXPECT_EQ(plain.GetValue(0), 5);
    VNParamFile none;
    EXPECT_TRUE(LoadBytes(kHeader + Int(-1) + Str("x") + Int(1), none));
    EXPECT_EQ(none.GetCount(), 0);
}

TEST(VNParamFile, LoadAppendsAndRefusesDuplicateNames) {
    VNParamFile table;
    VNLoadError why;
    EXPECT_FALSE(LoadBytes(
        kHeader + Int(3) + Str("a") + Int(1) + Str("b") + Int(2) + Str("a") + Int(3), table, &why));
    ASSERT_EQ(table.GetCount(), 2);
    EXPECT_EQ(table.GetValue(0), 1);
    EXPECT_EQ(why.kind, VNLoadError::Kind::DuplicateName);
    EXPECT_EQ(why.Describe(), "duplicate parameter name \"a\" at parameter 3 (counted from 1)");

    // Loading into a filled table appends, and a name already there fails.
    EXPECT_TRUE(LoadBytes(kHeader + Int(1) + Str("c") + Int(4), table));
    EXPECT_EQ(table.GetCount(), 3);
    EXPECT_FALSE(LoadBytes(kHeader + Int(1) + Str("b") + Int(5), table, &why));
    EXPECT_EQ(table.GetValue(1), 2);
    // A name in Shift-JIS is described in UTF-8.
    VNParamFile japanese;
    japanese.Add(VNString("\x83\x5c"), 0);
    LoadBytes(kHeader + Int(1) + Str("\x83\x5c") + Int(0), japanese, &why);
    EXPECT_EQ(why.Describe(),
              "duplicate parameter name \"\xe3\x82\xbd\" at parameter 1 (counted from 1)");
}

TEST(VNParamFile, DamagedFilesFail) {
    const std::string bytes = kHeader + Int(2) + Str("ab") + Int(1) + Str("c") + Int(2);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        VNParamFile table;
        EXPECT_FALSE(LoadBytes(bytes.substr(0, cut), table)) << cut;
        EXPECT_EQ(table.GetCount(), cut >= 18 + 12 ? 1 : 0) << cut;
    }
    VNParamFile table;
    VNLoadError why;
    EXPECT_FALSE(LoadBytes(bytes.substr(0, 18 + 12 + 3), table, &why));
    EXPECT_EQ(why.Describe(), "file ends inside parameter 2 (counted from 1)");
    EXPECT_FALSE(LoadBytes(Str("eventdata") + Int(0), table, &why));
    EXPECT_EQ(why.Describe(), "wrong file type: the signature \"flagdata\" is missing");
    EXPECT_FALSE(LoadBytes(Str("Flagdata") + Int(0), table, &why));
    EXPECT_EQ(why.kind, VNLoadError::Kind::BadSignature);
    EXPECT_FALSE(LoadBytes(kHeader + Int(1) + Int(0x7fffffff, '\3') + "x", table, &why));
    EXPECT_EQ(why.kind, VNLoadError::Kind::StringTooLong);
    EXPECT_EQ(why.index, 0);
}

} // namespace

namespace {

TEST(VNParamFile, LargeTablesLoadInLinearTime) {
    // 100000 entries: a name lookup that walks the table would take billions
    // of comparisons here.
    const int count = 100000;
    std::string bytes = kHeader + Int(count);
    for (int i = 0; i < count; ++i)
        bytes += Str("p" + std::to_string(i)) + Int(i);
    const auto start = std::chrono::steady_clock::now();
    VNParamFile table;
    ASSERT_TRUE(LoadBytes(bytes, table));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(table.Find(VNString("p99999")), 99999);
    table.Remove(0);
    EXPECT_EQ(table.Find(VNString("p99999")), 99998);
    EXPECT_EQ(table.Find(VNString("p0")), -1);
}

} // namespace
