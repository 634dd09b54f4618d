// Message text against a font with known glyphs: characters, pages and line
// breaking by measured width.
#include "graphics/Surface.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"
#include "scenario/VNString.h"

#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace texttest;

TEST(TextCharacters, DoubleByteCharactersCountOnce) {
    // "ソ" is 0x83 0x5C: its second byte is no page break.
    const std::string text = "a\x83\x5C/\\b\x82";
    EXPECT_EQ(CharacterCodes(text), (std::vector<uint32_t>{'a', 0x835C, '/', '\\', 'b', 0x82}));
    EXPECT_EQ(SplitPages(text), (std::vector<std::string>{"a\x83\x5C/", "b\x82"}));
    EXPECT_EQ(SplitPages(""), std::vector<std::string>{""});
    EXPECT_EQ(WithoutLineBreaks("a/\x83\x5C/b"), "a\x83\x5C"
                                                 "b");
}

TEST(TextLayout, BreaksAtSlashesAndBeforeTheFirstCharacterThatCrossesTheArea) {
    struct Case {
        const char* text;
        int32_t areaWidth;
        std::vector<std::string> lines;
        bool measureFailed;
    };
    // Half-width characters advance 6, "\x82\xA0" (あ) 12.
    const Case cases[] = {
        {"ab/cd", 60, {"ab", "cd"}, false},
        {"ab//cd", 60, {"ab", "", "cd"}, false},
        {"/ab", 60, {"", "ab"}, false},
        {"ab/", 60, {"ab"}, false},
        // 5 x 6 = 30 fits exactly, the sixth would make 36.
        {"abcdef", 30, {"abcde", "f"}, false},
        {"\x82\xA0\x82\xA0\x82\xA0", 30, {"\x82\xA0\x82\xA0", "\x82\xA0"}, false},
        {"abc\x82\xA0", 24, {"abc", "\x82\xA0"}, false},
        // A character wider than the area on its own still gets a line.
        {"\x82\xA0\x82\xA0", 5, {"\x82\xA0", "\x82\xA0"}, false},
        // A character that cannot be measured ends the text before its line.
        {"ab/cxd", 60, {"ab"}, true},
        {"", 60, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Surface target;
        ASSERT_TRUE(target.Create(8, 8));
        FakeFont font;
        TextRenderer renderer(target, font, SmallStyle(c.areaWidth));
        const std::vector<uint32_t> codes = CharacterCodes(c.text);
        const TextLayout layout = renderer.LayOut(codes);
        EXPECT_EQ(layout.measureFailed, c.measureFailed);
        std::vector<std::string> lines;
        for (const LaidOutLine& line : layout.lines) {
            std::string bytes;
            for (size_t i = 0; i < line.count; ++i) {
                AppendCharacter(bytes, codes[line.first + i]);
            }
            lines.push_back(bytes);
        }
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(TextLayout, WidthIsTheSumOfAdvances) {
    Surface target;
    ASSERT_TRUE(target.Create(8, 8));
    FakeFont font;
    TextRenderer renderer(target, font, SmallStyle());
    EXPECT_EQ(renderer.TextWidth("ab\x82\xA0"), 6 + 6 + 12);
    EXPECT_EQ(renderer.TextWidth(""), 0);
    EXPECT_EQ(renderer.TextWidth("axb"), -1);
    // The glyph of a character is asked for once, however often it is
    // measured and drawn (shadow and text).
    const int before = font.requests;
    renderer.TextWidth("aaaa");
    renderer.DrawCharacter(0, 0, 'a');
    EXPECT_EQ(font.requests - before, 0);
}

TEST(TextLayout, KinsokuMovesTheBreakAndHangsPunctuation) {
    // An area of 48 pixels holds four full-width characters or eight
    // half-width ones. The lines of MsgKinsoku 0, 1 and 2, joined with "|".
    struct Case {
        const char8_t* text;
        std::string lines[3];
    };
    const Case cases[] = {
        {u8"あいうえ・か", {"あいうえ|・か", "あいう|え・か", "あいう|え・か"}},
        {u8"あいうえっか", {"あいうえ|っか", "あいう|えっか", "あいう|えっか"}},
        {u8"「あいう」か", {"「あいう|」か", "「あい|う」か", "「あい|う」か"}},
        {u8"あいう「えお」", {"あいう「|えお」", "あいう|「えお」", "あいう|「えお」"}},
        {u8"abcdefg(h)", {"abcdefg(|h)", "abcdefg|(h)", "abcdefg|(h)"}},
        {u8"あいうえ、か", {"あいうえ|、か", "あいう|え、か", "あいうえ、|か"}},
        {u8"あいうえ。/か", {"あいうえ|。|か", "あいう|え。|か", "あいうえ。|か"}},
        {u8"あいうえ。」か", {"あいうえ|。」か", "あいう|え。」か", "あいう|え。」か"}},
        // No break keeps the rules: broken as without them.
        {u8"あーーーーー", {"あーーー|ーー", "あーーー|ーー", "あーーー|ーー"}},
    };
    for (const Case& c : cases) {
        const std::vector<uint32_t> codes = CharacterCodes(VNString(c.text).Bytes());
        for (int32_t kinsoku = 0; kinsoku <= 2; ++kinsoku) {
            Surface target;
            FakeFont font;
            MessageStyle style = SmallStyle(48);
            style.lineBreak = LineBreakRuleOf(kinsoku);
            TextRenderer renderer(target, font, style);
            std::string bytes;
            for (const LaidOutLine& line : renderer.LayOut(codes).lines) {
                for (size_t i = 0; i < line.count; ++i)
                    AppendCharacter(bytes, codes[line.first + i]);
                bytes += '|';
            }
            bytes.pop_back();
            EXPECT_EQ(VNString::FromBytes(bytes).ToUtf8Lossy(), c.lines[kinsoku])
                << c.lines[0] << " with MsgKinsoku " << kinsoku;
        }
    }
}
