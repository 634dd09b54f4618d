#include "scenario/VNString.h"

#include <gtest/gtest.h>

namespace {

const VNString kBlanks(" \t");

TEST(VNString, DoubleByteCharacterWithBackslashTrailIsOneCharacter) {
    // "ソ" is 0x83 0x5C in Shift-JIS: its second byte is the code of "\".
    const VNString so("\x83\x5c");
    EXPECT_EQ(so.GetByteLength(), 2);
    EXPECT_EQ(so.GetLength(), 1);
    EXPECT_EQ(so.GetChar(0), u'\u30bd');

    VNString text("\x83\x5c\\x");
    EXPECT_EQ(text.GetLength(), 3);
    const VNString token = text.SplitToken(VNString("\\"));
    EXPECT_EQ(token, so);
    EXPECT_EQ(text, VNString("x"));

    EXPECT_EQ(VNString("\x83\x5c").TrimLeft(VNString("\\")), so);
    EXPECT_EQ(VNString("\x83\x5c\\").RemoveChars(VNString("\\")), so);
}

TEST(VNString, SplitTokenConsumesOneDelimiterPerCall) {
    VNString empty;
    EXPECT_EQ(empty.SplitToken(kBlanks), VNString());
    EXPECT_TRUE(empty.IsEmpty());

    VNString word("word");
    EXPECT_EQ(word.SplitToken(kBlanks), VNString("word"));
    EXPECT_TRUE(word.IsEmpty());

    VNString two("ab  cd");
    EXPECT_EQ(two.SplitToken(kBlanks), VNString("ab"));
    EXPECT_EQ(two.SplitToken(kBlanks), VNString());
    EXPECT_EQ(two.SplitToken(kBlanks), VNString("cd"));
    EXPECT_TRUE(two.IsEmpty());

    VNString trailing("ab ");
    EXPECT_EQ(trailing.SplitToken(kBlanks), VNString("ab"));
    EXPECT_TRUE(trailing.IsEmpty());
    EXPECT_EQ(trailing.SplitToken(kBlanks), VNString());
}

TEST(VNString, TrimRemoveAndNumbers) {
    EXPECT_TRUE(VNString(" \t ").TrimLeft(kBlanks).IsEmpty());
    // An ideographic space (0x81 0x40) is not an ASCII blank.
    EXPECT_EQ(VNString("\x81\x40x").TrimLeft(kBlanks), VNString("\x81\x40x"));
    EXPECT_EQ(VNString("a\r\nb\r\n").RemoveNewlines(), VNString("ab"));

    EXPECT_TRUE(VNString("-12").IsNumeric());
    EXPECT_TRUE(VNString("12").IsNumeric());
    EXPECT_TRUE(VNString("1-2").IsNumeric());
    EXPECT_TRUE(VNString().IsNumeric());
    EXPECT_FALSE(VNString("12ab").IsNumeric());
    EXPECT_EQ(VNString("12ab").ToInt(), 12);
    EXPECT_EQ(VNString("  -7x").ToInt(), -7);
    EXPECT_EQ(VNString("abc").ToInt(), 0);
    EXPECT_EQ(VNString("-2147483648").ToInt(), INT32_MIN);
    EXPECT_EQ(VNString("99999999999").ToInt(), INT32_MAX);
    EXPECT_EQ(VNString(-42), VNString("-42"));
}

TEST(VNString, InvalidBytesSurviveCharacterOperations) {
    // Lone 0x80, 0xA0, 0xFD..0xFF and a lead byte at the end are not Shift-JIS.
    const std::string damaged("\x80 \xA0\xFD\xFE\xFF \x81", 8);
    VNString s = VNString::FromBytes(damaged);
    EXPECT_EQ(s.GetByteLength(), 8);
    EXPECT_EQ(s.GetLength(), 8);
    EXPECT_EQ(s.TrimLeft(kBlanks).Bytes(), damaged);
    EXPECT_EQ(s.SplitToken(kBlanks).Bytes(), std::string("\x80"));
    EXPECT_EQ(s.SplitToken(kBlanks).Bytes(), std::string("\xA0\xFD\xFE\xFF"));
    EXPECT_EQ(s.Bytes(), std::string("\x81"));
    std::string utf8;
    EXPECT_FALSE(s.ToUtf8(utf8));
}

TEST(VNString, Utf8AndConcatenation) {
    const VNString confirm(u8"確認");
    EXPECT_EQ(confirm.Bytes(), std::string("\x8a\x6d\x94\x46"));
    std::string utf8;
    ASSERT_TRUE(confirm.ToUtf8(utf8));
    EXPECT_EQ(utf8, std::string(reinterpret_cast<const char*>(u8"確認")));
    VNString out;
    EXPECT_FALSE(VNString::FromUtf8("\xF0\x9F\x98\x80", out)); // outside the basic plane
    EXPECT_FALSE(VNString::FromUtf8("\xC2\xA5", out));         // yen sign has no code here
    EXPECT_EQ(VNString("ab") + VNString("\x83\x5c"), VNString("ab\x83\x5c"));
    VNString grow("a");
    grow += VNString("b");
    EXPECT_EQ(grow.GetLength(), 2);
}

TEST(VNString, DuplicateCodesComeBackAsTheirCanonicalTwin) {
    // NEC row 13 0x8790 (approximately equal) and 0x81E0 are the same character.
    const VNString nec("\x87\x90");
    EXPECT_EQ(nec.Bytes(), std::string("\x87\x90")); // bytes as given are kept
    EXPECT_EQ(VNString::FromWide(nec.Wide()).Bytes(), std::string("\x81\xe0"));
}

} // namespace
