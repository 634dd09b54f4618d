#include "scenario/TesselString.h"

#include <gtest/gtest.h>

namespace {

using libtessel::String;

TEST(TesselString, WideFormIsBuiltOnDemandAndDroppedByChanges) {
    String s("\x83\x5c"
             "ab"); // "ソab": the first character's second byte is 0x5C
    EXPECT_FALSE(s.HasWide());
    EXPECT_EQ(s.GetByteLength(), 4);
    EXPECT_EQ(s.GetLength(), 3); // counted without building the wide form
    EXPECT_FALSE(s.HasWide());

    EXPECT_EQ(s.GetChar(0), u'\u30bd');
    EXPECT_TRUE(s.HasWide());
    s += String("c");
    EXPECT_FALSE(s.HasWide());
    EXPECT_EQ(std::u16string(s.GetWide()), u"\u30bd"
                                           u"abc");
}

TEST(TesselString, IntegerConstructorFormats) {
    EXPECT_EQ(String(-42), String("-42"));
    EXPECT_EQ(String(7, "save%02d.sav"), String("save07.sav"));
    // A format that would overflow the 4096-byte buffer is cut, not overrun.
    const std::string wide_format = "%-4200d";
    const String cut(1, wide_format.c_str());
    EXPECT_EQ(cut.GetByteLength(), String::kFormatBufferSize - 1);
    EXPECT_EQ(cut.GetByte(0), '1');
    EXPECT_EQ(cut.GetByte(cut.GetByteLength() - 1), ' ');
}

TEST(TesselString, CharacterOperationsTreatDoubleByteCharactersWhole) {
    String text("\x83\x5c\\x y");
    EXPECT_EQ(text.SplitToken(String("\\")), String("\x83\x5c"));
    EXPECT_EQ(text, String("x y"));
    EXPECT_EQ(text.SplitToken(String(" ")), String("x"));
    EXPECT_EQ(text, String("y"));
    EXPECT_EQ(text.SplitToken(String(" ")), String("y"));
    EXPECT_TRUE(text.IsEmpty());

    EXPECT_EQ(String(" \t\x81\x40z").TrimLeft(String(" \t")), String("\x81\x40z"));
    EXPECT_EQ(String("a\r\nb\n").RemoveNewlines(), String("ab"));
    EXPECT_EQ(String("a-b-c").RemoveChars(String("-")), String("abc"));
    EXPECT_TRUE(String("-12").IsNumeric());
    EXPECT_TRUE(String("").IsNumeric());
    EXPECT_FALSE(String("12ab").IsNumeric());
    EXPECT_EQ(String("12ab").ToInt(), 12);
}

TEST(TesselString, WideConstructionAndCopiesAgree) {
    const String from_wide(u"\u30bd"
                           u"z");
    EXPECT_EQ(from_wide, String("\x83\x5cz"));
    char bytes[8];
    from_wide.CopyBytesTo(bytes);
    EXPECT_STREQ(bytes, "\x83\x5cz");
    char16_t chars[8];
    from_wide.CopyCharsTo(chars);
    EXPECT_EQ(std::u16string(chars), u"\u30bd"
                                     u"z");
    EXPECT_EQ(String("ab") + String("cd"), String("abcd"));
    EXPECT_EQ(String("ab\0cd", 5), String("ab"));
}

} // namespace
