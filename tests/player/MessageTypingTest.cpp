// Typing message text with a font with known glyphs: pages, shadows, typing
// and its interruption, and what is presented.
#include "player/MessageTyping.h"
#include "graphics/MessageText.h"
#include "graphics/PixelOps.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"
#include "tests/graphics/PixelReference.h"
#include "tests/graphics/TextTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace pixeltest;
using namespace texttest;

namespace {

const LineColours kColours{{255, 255, 255}, {255, 0, 0}};

// Time moves only when read: every NowMs() first advances by `step` and
// then calls `onTime`. IdleUntil jumps to its deadline. Display shows a
// message page by page as the message window does, with a click wait after
// each page.
struct RecordingHost : TypingInput {
    void Pump() override {}
    uint32_t PressCount() override { return presses; }
    bool SkipActive() override { return skip; }
    bool Paused() override { return paused; }
    int64_t NowMs() override {
        now += step;
        if (onTime)
            onTime(now);
        return now;
    }
    void IdleUntil(int64_t deadlineMs) override { now = std::max(now, deadlineMs); }
    void Present(const ScreenRect& r) override {
        presents.push_back(r);
        presentedAt.push_back(now);
    }
    bool Display(MessageText& m, TextRenderer& r, const char* text, int32_t delayMs) {
        for (const std::string& page : MessageText::PagesOf(text)) {
            pages.push_back(WithoutLineBreaks(page));
            MessageTyping(r, *this).TypePage(m, page, kColours, delayMs);
            if (++clickWaits, onClickWait && !onClickWait())
                return false;
            m.EndPage();
        }
        return true;
    }
    int64_t now = 0, step = 1;
    uint32_t presses = 0;
    bool skip = false, paused = false;
    int clickWaits = 0;
    std::function<void(int64_t)> onTime;
    std::function<bool()> onClickWait;
    std::vector<ScreenRect> presents;
    std::vector<int64_t> presentedAt;
    std::vector<std::string> pages;
};

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
            if (style.shadowShift != 0)
                BlendGlyph(screen, x + style.shadowShift, top + style.shadowShift,
                           FakeFont::kAscent, metrics, bitmap, colours.shadow);
            BlendGlyph(screen, x, top, FakeFont::kAscent, metrics, bitmap, colours.text);
            x += FakeFont::AdvanceOf(code);
        }
    }
}

bool SamePicture(const Surface& a, const Surface& b) {
    for (int32_t y = 0; y < a.Height(); ++y) {
        for (int32_t x = 0; x < a.Width(); ++x) {
            if (At(a, x, y) != At(b, x, y))
                return ADD_FAILURE() << "first difference at (" << x << ", " << y << ")", false;
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
    Surface picture, expected;
    FakeFont font;
    RecordingHost host;
};

ScreenRect Area(const MessageStyle& s) {
    return {s.areaLeft, s.areaTop, s.areaWidth, s.areaHeight};
}

} // namespace

TEST(MessageTyping, LinesPagesAndShadows) {
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
        ASSERT_TRUE(s.host.Display(message, renderer, c.text, 0));

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

TEST(MessageTyping, MarkerFollowsTheLastLine) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    std::vector<std::pair<int32_t, int32_t>> markers;
    s.host.onClickWait = [&] {
        markers.emplace_back(message.MarkerX(), message.MarkerY());
        return true;
    };
    ASSERT_TRUE(s.host.Display(message, renderer, "abc\\d\x82\xA0", 0));
    const int32_t left = s.style.areaLeft, top = s.style.areaTop;
    EXPECT_EQ(markers, (std::vector<std::pair<int32_t, int32_t>>{
                           {left + 3 * 6, top}, {left + 6 + 12, top + s.style.LineHeight()}}));
    EXPECT_EQ(message.Kept(), "abc/d\x82\xA0/");
    EXPECT_EQ(message.LinesDrawn(), 2);

    // A text that cannot be measured from its first character shows
    // nothing; the click wait still follows, its marker at the area's start.
    markers.clear();
    message.Clear();
    ASSERT_TRUE(s.host.Display(message, renderer, "xa", 0));
    EXPECT_EQ(markers, (std::vector<std::pair<int32_t, int32_t>>{{left, top}}));
    EXPECT_EQ(message.LinesDrawn(), 0);
}

TEST(MessageTyping, ALoadChosenInTheClickWaitStopsTheMessage) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    s.host.onClickWait = [] { return false; };
    EXPECT_FALSE(s.host.Display(message, renderer, "ab\\cd", 0));
    EXPECT_EQ(s.host.pages, std::vector<std::string>{"ab"});
    DrawExpected(s.expected, s.style, {"ab"}, kColours);
    EXPECT_TRUE(SamePicture(s.picture, s.expected));
}

TEST(MessageTyping, TypingAndItsInterruption) {
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
        ASSERT_TRUE(s.host.Display(message, renderer, "abc/def", 30));

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

TEST(MessageTyping, TypingKeepsTheDelayPerCharacter) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    RecordingHost host;
    host.step = 0;
    ASSERT_TRUE(host.Display(message, renderer, "abcd", 60));
    EXPECT_EQ(host.presentedAt, (std::vector<int64_t>{0, 60, 120, 180}));
}

TEST(MessageTyping, RedrawShowsEveryLineAgain) {
    Screen s(SmallStyle());
    TextRenderer renderer(s.picture, s.font, s.style);
    MessageText message;
    ASSERT_TRUE(s.host.Display(message, renderer, "abc/de", 0));
    const int32_t lines = message.LinesDrawn();
    const int32_t chars = message.CharsDrawnInLine();
    // The right-button view: the picture beneath is redrawn without text,
    // then the text comes back whole, although the last line's count says
    // two characters were drawn.
    s.picture.Clear();
    MessageTyping(renderer, s.host).Redraw(message);
    DrawExpected(s.expected, s.style, {"abc", "de"}, kColours);
    EXPECT_TRUE(SamePicture(s.picture, s.expected));
    EXPECT_EQ(message.LinesDrawn(), lines);
    EXPECT_EQ(message.CharsDrawnInLine(), chars);
}
