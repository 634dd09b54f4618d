// The pieces around message text: the glyph cache, the message box, the
// click-wait marker and the text choice display.
#include "graphics/ChoiceDisplay.h"
#include "graphics/ClickMarker.h"
#include "graphics/GlyphCache.h"
#include "graphics/MessageBox.h"
#include "graphics/PixelOps.h"
#include "graphics/Polygon.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"

#include "PixelReference.h"
#include "TextTestSupport.h"

#include <gtest/gtest.h>

using namespace pixeltest;
using namespace texttest;

namespace {

bool Equal(const Surface& a, const Surface& b, const ScreenRect& area) {
    for (int32_t y = area.y; y < area.y + area.height; ++y) {
        for (int32_t x = area.x; x < area.x + area.width; ++x) {
            if (At(a, x, y) != At(b, x, y)) {
                ADD_FAILURE() << "first difference at (" << x << ", " << y << ")";
                return false;
            }
        }
    }
    return true;
}

ScreenRect Whole(const Surface& s) {
    return {0, 0, s.Width(), s.Height()};
}

// A picture where every pixel differs from its neighbours.
void Pattern(Surface& s) {
    for (int32_t y = 0; y < s.Height(); ++y) {
        for (int32_t x = 0; x < s.Width(); ++x) {
            At(s, x, y) = Rgba((x * 7) & 0xFF, (y * 5) & 0xFF, (x + y) & 0xFF, 0x40);
        }
    }
}

} // namespace

TEST(GlyphCache, AsksTheFontOnceAndForgetsTheLeastRecentlyUsed) {
    FakeFont font;
    GlyphCache cache(font, 2);
    EXPECT_EQ(cache.Get('a').metrics.cellAdvanceX, 6);
    cache.Get('a');
    EXPECT_EQ(font.requests, 1);
    cache.Get('b');
    cache.Get('a'); // 'a' is now the most recently used: 'b' goes for 'c'
    cache.Get('c');
    EXPECT_EQ(font.requests, 3);
    EXPECT_EQ(cache.Size(), 2u);
    cache.Get('a');
    EXPECT_EQ(font.requests, 3);
    cache.Get('b');
    EXPECT_EQ(font.requests, 4);
    // A character the font cannot give is remembered as such.
    EXPECT_FALSE(cache.Get('x').valid);
    EXPECT_FALSE(cache.Get('x').valid);
    EXPECT_EQ(font.requests, 5);
}

TEST(MessageBox, DefaultGradientAndPicture) {
    Surface screen;
    ASSERT_TRUE(screen.Create(640, 480));
    const uint32_t under = Rgba(40, 80, 120, 0x33);
    Fill(screen, under);
    const MessageStyle text;   // the default message area 19, 335, 601 x 131
    const MessageBoxStyle box; // the default gradient and frame
    const ScreenRect rect = DrawMessageBox(screen, box, text);
    EXPECT_EQ(rect, (ScreenRect{19 - 5, 335 - 5, 601 + 10, 131 + 10}));
    // Over (40, 80, 120) each channel becomes T(35, d) + T(220, c).
    const auto over = [](uint32_t r, uint32_t g, uint32_t b) {
        return Rgba(T(35, 40) + T(220, r), T(35, 80) + T(220, g), T(35, 120) + T(220, b), 0x33);
    };
    // The bottom row has the end colour; the top row lies one step of
    // (start - end) / 141 short of the start colour.
    EXPECT_EQ(At(screen, 14, 470), over(207, 207, 255));
    EXPECT_EQ(At(screen, 624, 470), over(207, 207, 255));
    const uint32_t top = At(screen, 300, 330);
    const uint32_t nearly = over(95, 88, 191);
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(static_cast<int>(Channel(top, c)), static_cast<int>(Channel(nearly, c)), 1);
    }
    EXPECT_EQ(At(screen, 13, 330), under);
    EXPECT_EQ(At(screen, 14, 329), under);
    EXPECT_EQ(At(screen, 625, 471), under);

    // A picture is blended at its own place, a plain one copied.
    Surface picture;
    ASSERT_TRUE(picture.Create(30, 20));
    Pattern(picture);
    MessageBoxStyle withPicture;
    withPicture.image = &picture;
    withPicture.imageLeft = 100;
    withPicture.imageTop = 400;
    EXPECT_EQ(DrawMessageBox(screen, withPicture, text), (ScreenRect{100, 400, 30, 20}));
    EXPECT_EQ(At(screen, 100, 400), At(picture, 0, 0) & 0x00FFFFFFu);
    EXPECT_EQ(At(screen, 129, 419), At(picture, 29, 19) & 0x00FFFFFFu);
}

TEST(ClickMarker, TurnsEveryTwoSecondsOverTheSavedPicture) {
    Surface screen, original;
    ASSERT_TRUE(screen.Create(64, 48));
    ASSERT_TRUE(original.Create(64, 48));
    Pattern(screen);
    Pattern(original);
    // Width 2 x 12 and height 24 at (10, 5), started at 1000 ms.
    ClickMarker marker(screen, 10, 5, 24, 24, 1000);
    EXPECT_EQ(marker.Area(), (ScreenRect{10, 5, 25, 25}));
    struct Step {
        int64_t now;
        bool draws;
        int32_t offset; // trunc(24 / 2000 x (elapsed mod 2000))
    };
    const Step steps[] = {
        {1000, true, 0},  // the first round always draws
        {1040, false, 0}, // 24 x 40 / 2000 = 0.48
        {1500, true, 6},  // 24 x 500 / 2000
        {2000, true, 12}, //
        {2999, true, 23}, // 23.988
        {3000, true, 0},  // a whole turn
        {3083, false, 0}, // 0.996
        {4250, true, 15}, // 1250 ms into the second turn
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.now);
        EXPECT_EQ(marker.Update(step.now), step.draws);
        EXPECT_EQ(marker.Offset(), step.offset);
        // On screen: the saved picture with exactly this turn of the triangle.
        Surface expected;
        ASSERT_TRUE(expected.Create(64, 48));
        Pattern(expected);
        DrawClickMarker(expected, 10, 5, 24, 24, step.offset);
        EXPECT_TRUE(Equal(screen, expected, Whole(screen)));
    }
    marker.Restore();
    EXPECT_TRUE(Equal(screen, original, Whole(screen)));

    // Near the edge only the part inside is saved and restored.
    ClickMarker edge(screen, 50, 40, 24, 24, 0);
    EXPECT_EQ(edge.Area(), (ScreenRect{50, 40, 14, 8}));
    EXPECT_TRUE(edge.Update(0));
    edge.Restore();
    EXPECT_TRUE(Equal(screen, original, Whole(screen)));
}

TEST(ChoiceDisplay, PointingRedrawsOneLineOverItsOwnBackground) {
    MessageStyle style;
    style.areaLeft = 4;
    style.areaTop = 10;
    style.areaWidth = 60;
    style.areaHeight = 40;
    style.fontHeight = 10;
    style.lineMargin = 2; // line height 12
    Surface screen;
    ASSERT_TRUE(screen.Create(80, 60));
    Pattern(screen);
    FakeFont font;
    TextRenderer renderer(screen, font, style);
    const ChoiceColours colours{{128, 128, 128}, {255, 32, 255}, {0, 0, 0}};
    ChoiceDisplay choices(renderer, colours);
    const ScreenRect area{4, 10, 60, 40};
    EXPECT_EQ(choices.Show({"ab", "\x82\xA0\x63"}), area); // \x63: c

    // The expected picture: the background with both lines, `selected` (or
    // -1) in the selected colour.
    const auto expectedWith = [&](int selected) {
        auto out = std::make_unique<Surface>();
        EXPECT_TRUE(out->Create(80, 60));
        Pattern(*out);
        const char* lines[] = {"ab", "\x82\xA0\x63"};
        for (int i = 0; i < 2; ++i) {
            int32_t x = 4;
            const int32_t topOfLine = 10 + 12 * i;
            for (const uint32_t code : CharacterCodes(lines[i])) {
                GlyphMetrics m;
                std::vector<uint8_t> bitmap;
                font.Glyph(code, m, &bitmap);
                BlendGlyph(*out, x + 1, topOfLine + 1, FakeFont::kAscent, m, bitmap,
                           colours.shadow);
                BlendGlyph(*out, x, topOfLine, FakeFont::kAscent, m, bitmap,
                           i == selected ? colours.selected : colours.unselected);
                x += FakeFont::AdvanceOf(code);
            }
        }
        return out;
    };
    EXPECT_TRUE(Equal(screen, *expectedWith(-1), Whole(screen)));

    struct Probe {
        int32_t y;
        int32_t line;
    };
    for (const Probe& p : {Probe{9, -1}, Probe{10, 0}, Probe{21, 0}, Probe{22, 1}, Probe{33, 1},
                           Probe{34, -1}, Probe{-5, -1}}) {
        EXPECT_EQ(choices.LineAt(p.y), p.line) << "y " << p.y;
    }

    for (int line : {0, 1, -1, 1}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(choices.Point(line), area);
        EXPECT_EQ(choices.Pointed(), line);
        EXPECT_TRUE(Equal(screen, *expectedWith(line), Whole(screen)));
    }
    // Pointing the same line again changes nothing and presents nothing.
    EXPECT_TRUE(choices.Point(1).IsEmpty());
}
