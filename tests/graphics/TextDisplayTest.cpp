// Message text against a font with known glyphs: line breaking, pages,
// shadows, typing and its interruption, and what is presented.
#include "graphics/MessageText.h"
#include "graphics/PixelOps.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"

#include "PixelReference.h"
#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pixeltest;
using namespace texttest;

namespace {

MessageStyle SmallStyle(int32_t areaWidth = 60, int32_t shadowShift = 1) {
    MessageStyle style;
    style.fontWidth = 6;
    style.fontHeight = 10;
    style.lineMargin = 2; // line height 12
    style.shadowShift = shadowShift;
    style.areaLeft = 4;
    style.areaTop = 10;
    style.areaWidth = areaWidth;
    style.areaHeight = 40;
    return style;
}

const LineColours kColours{{255, 255, 255}, {255, 0, 0}};

// The picture the rules give for `lines`: line i at the area's top + i x
// line height, each character's shadow (when shifted) and then the
// character itself, the pen moving by the character's advance.
void DrawExpected(Surface& screen, const MessageStyle& style, const std::vector<std::string>& lines,
                  const LineColours& colours) {
    FakeFont font;
    for (size_t i = 0; i < lines.size(); ++i) {
        int32_t x = style.areaLeft;
        const int32_t top = style.areaTop + static_cast<int32_t>(i) * style.LineHeight();
        for (const uint32_t code : CharacterCodes(lines[i])) {
            GlyphMetrics metrics;
            std::vector<uint8_t> bitmap;
            ASSERT_TRUE(font.Glyph(code, metrics, &bitmap));
            if (style.shadowShift != 0) {
                BlendGlyph(screen, x + style.shadowShift, top + style.shadowShift,
                           FakeFont::kAscent, metrics, bitmap, colours.shadow);
            }
            BlendGlyph(screen, x, top, FakeFont::kAscent, metrics, bitmap, colours.text);
            x += FakeFont::AdvanceOf(code);
        }
    }
}

bool SamePicture(const Surface& a, const Surface& b) {
    for (int32_t y = 0; y < a.Height(); ++y) {
        for (int32_t x = 0; x < a.Width(); ++x) {
            if (At(a, x, y) != At(b, x, y)) {
                ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
                return false;
            }
        }
    }
    return true;
}

struct Screen {
    explicit Screen(const MessageStyle& style) : style(style) {
        EXPECT_TRUE(picture.Create(100, 80));
        EXPECT_TRUE(expected.Create(100, 80));
    }
    MessageStyle style;
    Surface picture;
    Surface expected;
    FakeFont font;
    RecordingHost host;
};

ScreenRect Area(const MessageStyle& s) {
    return {s.areaLeft, s.areaTop, s.areaWidth, s.areaHeight};
}

} // namespace

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

TEST(MessageText, LinesPagesAndShadows) {
    struct Case {
        const char* text;
        int32_t shadowShift;
        std::vector<std::string> lines; // on screen at the end
        std::vector<std::string> pages; // handed to the backlog
        int linesAtFirstWait;           // lines on screen during the first click wait
        int32_t bottom = 50;            // of the last present: the area's, or the text's below it
    };
    const Case cases[] = {
        {"ab/cd", 1, {"ab", "cd"}, {"abcd"}, 2},
        {"ab\\cd", 1, {"ab", "cd"}, {"ab", "cd"}, 1},
        {"ab\\cd", 0, {"ab", "cd"}, {"ab", "cd"}, 1},
        {"ab\\cd", 2, {"ab", "cd"}, {"ab", "cd"}, 1},
        // The fourth line's shadow ends at 10 + 3 x 12 + 1 + 8, below the area.
        {"a/b\\c/d", 1, {"a", "b", "c", "d"}, {"ab", "cd"}, 2, 55},
        // Line breaks written as control characters break the line as "/"
        // does, a tab is a space, other control characters are left out.
        {"ab\r\ncd", 1, {"ab", "cd"}, {"abcd"}, 2},
        {"a\rb\nc\td\x01\x7F", 1, {"a", "b", "c d"}, {"abc d"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " shift " + std::to_string(c.shadowShift));
        Screen s(SmallStyle(60, c.shadowShift));
        TextRenderer renderer(s.picture, s.font, s.style);
        MessageText message;
        Surface atFirstWait;
        ASSERT_TRUE(atFirstWait.Create(100, 80));
        s.host.onClickWait = [&] {
            if (s.host.clickWaits == 1) {
                Copy(atFirstWait, 0, 0, s.picture);
            }
            return true;
        };
        ASSERT_TRUE(message.Display(renderer, c.text, kColours, 0, s.host));

        DrawExpected(s.expected, s.style, c.lines, kColours);
        EXPECT_TRUE(SamePicture(s.picture, s.expected));
        EXPECT_EQ(s.host.pages, c.pages);
        EXPECT_EQ(s.host.clickWaits, static_cast<int>(c.pages.size()));
        // No delay: the message area is presented once per page, with the
        // text that went below it.
        std::vector<ScreenRect> presents(c.pages.size(), Area(s.style));
        presents.back().height = c.bottom - s.style.areaTop;
        EXPECT_EQ(s.host.presents, presents);

        Surface firstPage;
        ASSERT_TRUE(firstPage.Create(100, 80));
        DrawExpected(
            firstPage, s.style,
            std::vector<std::string>(c.lines.begin(), c.lines.begin() + c.linesAtFirstWait),
            kColours);
        EXPECT_TRUE(SamePicture(atFirstWait, firstPage));
    }
}

TEST(MessageText, MarkerFollowsTheLastLine) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    std::vector<std::pair<int32_t, int32_t>> markers;
    s.host.onClickWait = [&] {
        markers.emplace_back(message.MarkerX(), message.MarkerY());
        return true;
    };
    ASSERT_TRUE(message.Display(renderer, "abc\\d\x82\xA0", kColours, 0, s.host));
    const int32_t left = s.style.areaLeft, top = s.style.areaTop;
    EXPECT_EQ(markers, (std::vector<std::pair<int32_t, int32_t>>{
                           {left + 3 * 6, top}, {left + 6 + 12, top + s.style.LineHeight()}}));
    EXPECT_EQ(message.Kept(), "abc/d\x82\xA0/");
    EXPECT_EQ(message.LinesDrawn(), 2);

    // A text that cannot be measured from its first character shows
    // nothing; the click wait still follows, its marker at the area's start.
    markers.clear();
    message.Clear();
    ASSERT_TRUE(message.Display(renderer, "xa", kColours, 0, s.host));
    EXPECT_EQ(markers, (std::vector<std::pair<int32_t, int32_t>>{{left, top}}));
    EXPECT_EQ(message.LinesDrawn(), 0);
}

TEST(MessageText, ALoadChosenInTheClickWaitStopsTheMessage) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    s.host.onClickWait = [] { return false; };
    EXPECT_FALSE(message.Display(renderer, "ab\\cd", kColours, 0, s.host));
    EXPECT_EQ(s.host.pages, std::vector<std::string>{"ab"});
    DrawExpected(s.expected, s.style, {"ab"}, kColours);
    EXPECT_TRUE(SamePicture(s.picture, s.expected));
}

TEST(MessageText, TypingAndItsInterruption) {
    struct Case {
        const char* name;
        std::function<void(RecordingHost&)> arrange;
        int typedAlone; // characters presented one by one before the rest comes at once
    };
    // Six characters at 30 ms each; time advances 1 ms per reading.
    const Case cases[] = {
        {"undisturbed", [](RecordingHost&) {}, 6},
        {"a press held from before the line", [](RecordingHost& h) { h.presses = 1; }, 6},
        {"a press during the third character",
         [](RecordingHost& h) {
             h.onTime = [&h](int64_t now) {
                 if (now >= 70 && h.presses == 0) {
                     h.presses = 1;
                 }
             };
         },
         3},
        {"skip", [](RecordingHost& h) { h.skip = true; }, 0},
        {"the debugger's pause", [](RecordingHost& h) { h.paused = true; }, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Screen s(SmallStyle());
        TextRenderer renderer(s.picture, s.font, s.style);
        MessageText message;
        c.arrange(s.host);
        ASSERT_TRUE(message.Display(renderer, "abc/def", kColours, 30, s.host));

        // Every character once, whatever happened: a second drawing of the
        // half-covered glyphs would show.
        DrawExpected(s.expected, s.style, {"abc", "def"}, kColours);
        EXPECT_TRUE(SamePicture(s.picture, s.expected));

        // Each typed character presents its own rectangle; after an
        // interruption the message area comes once with the rest.
        std::vector<ScreenRect> expected;
        for (int i = 0; i < c.typedAlone; ++i) {
            expected.push_back({s.style.areaLeft + (i % 3) * 6,
                                s.style.areaTop + (i / 3) * s.style.LineHeight(), 6,
                                s.style.LineHeight()});
        }
        if (c.typedAlone < 6) {
            expected.push_back(Area(s.style));
        }
        EXPECT_EQ(s.host.presents, expected);
        EXPECT_EQ(s.host.clickWaits, 1);
    }
}

TEST(MessageText, TypingKeepsTheDelayPerCharacter) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    std::vector<int64_t> presentedAt;
    struct TimedHost : RecordingHost {
        std::vector<int64_t>* times = nullptr;
        void Present(int32_t x, int32_t y, int32_t w, int32_t h) override {
            RecordingHost::Present(x, y, w, h);
            times->push_back(now);
        }
    } host;
    host.times = &presentedAt;
    host.step = 0;
    ASSERT_TRUE(message.Display(renderer, "abcd", kColours, 60, host));
    EXPECT_EQ(presentedAt, (std::vector<int64_t>{0, 60, 120, 180}));
}

TEST(MessageText, RedrawShowsEveryLineAgain) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    ASSERT_TRUE(message.Display(renderer, "abc/de", kColours, 0, s.host));
    const int32_t lines = message.LinesDrawn();
    const int32_t chars = message.CharsDrawnInLine();
    // The right-button view: the picture beneath is redrawn without text,
    // then the text comes back whole, although the last line's count says
    // two characters were drawn.
    s.picture.Clear();
    message.Redraw(renderer, s.host);
    DrawExpected(s.expected, s.style, {"abc", "de"}, kColours);
    EXPECT_TRUE(SamePicture(s.picture, s.expected));
    EXPECT_EQ(message.LinesDrawn(), lines);
    EXPECT_EQ(message.CharsDrawnInLine(), chars);
}
