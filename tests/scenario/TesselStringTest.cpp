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
    EXPECT_EQ(std::u16string(s.GetWide()), u"\u30bdabc");
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
    // "ソ\x y": the second byte of "ソ" (0x83 0x5C) is no backslash.
    String text("\x83\x5c\\x y");
    EXPECT_EQ(text.SplitToken(String("\\")), String("\x83\x5c"));
    EXPECT_EQ(text, String("x y"));
    EXPECT_EQ(String(u"\u30bdz"), String("\x83\x5cz"));
    EXPECT_EQ(String("ab\0cd", 5), String("ab")); // a zero byte ends the text
}

} // namespace
