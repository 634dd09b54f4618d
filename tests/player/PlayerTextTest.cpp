// Narration and dialogue in the player: typed into the message box in the
// real face, the click-wait marker, the right-button view, the backlog.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include "graphics/ClickMarker.h"
#include "graphics/PixelOps.h"
#include "graphics/Polygon.h"
#include "graphics/TextRenderer.h"
#include "platform/WindowHost.h"
#include "player/VNBackLog.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace playertest;
using namespace messagetest;

namespace {

// The default message area and line height (24 + 2).
constexpr int32_t kLeft = 19, kTop = 335, kWidth = 601, kLine = 26;

// Whether the rectangle of two pictures is the same.
bool SameArea(const Surface& a, const Surface& b, int32_t x, int32_t y, int32_t w, int32_t h) {
    for (int32_t row = y; row < y + h; ++row) {
        for (int32_t column = x; column < x + w; ++column) {
            if (Rgb(a, column, row) != Rgb(b, column, row)) {
                ADD_FAILURE() << "first difference at (" << column << ", " << row << ")";
                return false;
            }
        }
    }
    return true;
}

} // namespace

TEST(PlayerText, NarrationAndSerifAreTypedIntoTheBoxAndKeptInTheBacklog) {
    GameFolder game;
    game.WriteIni(kIni);
    WriteGame(
        game,
        {messagetest::Narration(u8"あいう"), Serif(u8"花子", u8"こんにちは\\さようなら"), Wait(5)},
        {});
    Session session;
    std::unique_ptr<Surface> narration, serif;
    int32_t narrationMarkerX = -1;
    std::vector<VNString> backlog;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        const MessageText& message = MessageOf(player);
        // Each page is looked at once its click wait has begun, then clicked away.
        if (PcOf(player) == 0 && message.LinesDrawn() == 1 && !narration) {
            narration = Snapshot(player);
            narrationMarkerX = message.MarkerX();
            Click(player);
        }
        if (PcOf(player) == 1 && message.LinesDrawn() == 2 && !serif) {
            serif = Snapshot(player);
        }
        if (PcOf(player) == 1 && now % 200 == 0) {
            Click(player);
        }
        if (PcOf(player) == 2 && backlog.empty()) {
            for (int32_t i = 0; i < player.GetMessageWindow().BackLog().Count(); ++i) {
                backlog.push_back(player.GetMessageWindow().BackLog().Entry(i));
            }
        }
    }));
    ASSERT_TRUE(narration && serif);

    // Three full-width characters of 24 pixels on the first line, in white
    // with a black shadow; nothing on the second line.
    EXPECT_EQ(narrationMarkerX, kLeft + 3 * 24);
    EXPECT_TRUE(Holds(*narration, kLeft, kTop, 72, kLine, RgbOf(255, 255, 255)));
    EXPECT_TRUE(Holds(*narration, kLeft, kTop, 73, kLine + 1, RgbOf(0, 0, 0)));
    EXPECT_FALSE(Holds(*narration, kLeft + 72, kTop, 200, kLine, RgbOf(255, 255, 255)));
    EXPECT_FALSE(Holds(*narration, kLeft, kTop + kLine, kWidth, kLine, RgbOf(255, 255, 255)));

    // The serif: the name in brackets on the first line, the first page of
    // the text on the second, the second page on the third, none cleared.
    for (int line = 0; line < 3; ++line) {
        EXPECT_EQ(Holds(*serif, kLeft, kTop + line * kLine, kWidth, kLine, RgbOf(255, 255, 255)),
                  line < 2)
            << line;
    }

    // Every page in the backlog, without its line breaks.
    EXPECT_EQ(backlog,
              (std::vector<VNString>{VNString(u8"あいう\r\n"), VNString(u8"【花子】こんにちは\r\n"),
                                     VNString(u8"さようなら\r\n")}));
}

TEST(PlayerText, AClickWhileTypingShowsTheRestAtOnce) {
    // The same line typed to the end at high speed, and at low speed with a
    // click in the middle: the pictures must agree, so nothing was drawn
    // twice or left out.
    const char8_t* text = u8"吾輩は猫である。名前はまだ無い。";
    std::unique_ptr<Surface> pictures[2];
    int64_t clickedAt = -1, typedAt = -1, leftAt = -1;
    for (int slow = 0; slow < 2; ++slow) {
        GameFolder game;
        game.WriteIni(kIni);
        WriteGame(game, {messagetest::Narration(text), Wait(5)}, {});
        Session session;
        Schedule schedule;
        schedule.At(1, [&](VNPlayer& player) {
            const int command =
                slow ? resources::player_cmd::SpeedLow : resources::player_cmd::SpeedHigh;
            player.Window()->OnCommand(platform::MakeWParam(command, 0), 0);
        });
        if (slow) {
            schedule.At(400, [&](VNPlayer& player) {
                clickedAt = 400;
                Click(player);
            });
        }
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            schedule.Run(now, player);
            if (PcOf(player) == 0 && MessageOf(player).LinesDrawn() == 1 && !pictures[slow]) {
                pictures[slow] = Snapshot(player);
                typedAt = now;
            }
            if (pictures[slow] && now == typedAt + 300) {
                Click(player);
            }
            if (PcOf(player) == 1 && leftAt < 0 && slow) {
                leftAt = now;
            }
        }));
        ASSERT_TRUE(pictures[slow]);
    }
    EXPECT_TRUE(SameArea(*pictures[0], *pictures[1], 0, 0, 640, 480));
    // Sixteen characters at 60 ms would take until about 1000 ms; the click
    // at 400 brought the rest at once, and the click wait still wanted a
    // click of its own.
    EXPECT_LT(typedAt - clickedAt, 10);
    EXPECT_GE(leftAt, typedAt + 300);
}

TEST(PlayerText, LinesBelowTheBoxAreShownAndLeaveTheScreenWithTheNextMessage) {
    // Seven lines where the area holds five, then a line of its own: the
    // window must show the back buffer, at both the high (untyped) and the
    // normal speed.
    for (const int command :
         {resources::player_cmd::SpeedHigh, resources::player_cmd::SpeedNormal}) {
        SCOPED_TRACE(command);
        GameFolder game;
        game.WriteIni(std::string(kIni) + "WindowHeight=600\r\n");
        WriteGame(game,
                  {messagetest::Narration(u8"一/二/三/四/五/六/七"), messagetest::Narration(u8"あ"),
                   Wait(5)},
                  {});
        Session session;
        std::vector<int32_t> differences; // in the click wait of each message
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            if (now == 1)
                player.Window()->OnCommand(platform::MakeWParam(command, 0), 0);
            const int32_t lines = PcOf(player) == 0 ? 7 : 1;
            if (PcOf(player) > 1 || MessageOf(player).LinesDrawn() != lines ||
                differences.size() > static_cast<size_t>(PcOf(player)))
                return;
            const Surface& back = player.Window()->BackBuffer();
            int32_t different = 0;
            for (int32_t y = 0; y < back.Height(); ++y)
                for (int32_t x = 0; x < back.Width(); ++x)
                    different +=
                        (player.Window()->Host().PixelAt(x, y) & 0xFFFFFF) != Rgb(back, x, y);
            differences.push_back(different);
            Click(player);
        }));
        EXPECT_EQ(differences, (std::vector<int32_t>{0, 0}));
    }
}

TEST(PlayerText, MarkerTurnsAndTheRightButtonHidesBoxAndText) {
    GameFolder game;
    game.WriteIni(kIni);
    WriteGame(game, {messagetest::Narration(u8"あ"), Wait(5)}, {});
    Session session;
    Schedule schedule;
    int64_t waitStart = -1;
    std::unique_ptr<Surface> beneath; // the page without the marker
    int32_t markerX = 0, markerY = 0;
    std::vector<std::string> problems;
    const auto expectMarker = [&](VNPlayer& player, int32_t offset) {
        // The saved picture with exactly this turn of the triangle (2 x 12
        // wide, 24 high).
        Surface expected;
        ASSERT_TRUE(expected.Create(640, 480));
        Copy(expected, 0, 0, *beneath);
        DrawClickMarker(expected, markerX, markerY, 24, 24, offset);
        EXPECT_TRUE(SameArea(player.Window()->BackBuffer(), expected, 0, 0, 640, 480))
            << "offset " << offset;
    };
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (waitStart < 0 && PcOf(player) == 0 && MessageOf(player).LinesDrawn() == 1) {
            waitStart = now;
            beneath = Snapshot(player);
            markerX = MessageOf(player).MarkerX();
            markerY = MessageOf(player).MarkerY();
            // One turn takes 2000 ms, 24 offsets, about 83 ms each: each
            // look falls in the middle of one, whatever the few ms between
            // the start of the wait and the marker's own start.
            for (const int32_t offset : {6, 12, 18}) {
                schedule.At(now + offset * 2000 / 24 + 45,
                            [&, offset](VNPlayer& p) { expectMarker(p, offset); });
            }
            schedule.At(now + 1600, [](VNPlayer& p) { RightButton(p, true); });
            schedule.At(now + 1700, [&](VNPlayer& p) {
                // Held: the picture beneath alone (no layers yet: black),
                // without box or text.
                const Surface& screen = p.Window()->BackBuffer();
                EXPECT_EQ(Rgb(screen, 14, 470), 0u);
                EXPECT_FALSE(Holds(screen, kLeft, kTop, kWidth, kLine, RgbOf(255, 255, 255)));
            });
            schedule.At(now + 1750, [](VNPlayer& p) { RightButton(p, false); });
            // Box and text are back, and the marker turns on (offset 21 at
            // about 1800 ms).
            schedule.At(now + 1800, [&](VNPlayer& p) { expectMarker(p, 21); });
            schedule.At(now + 1900, [](VNPlayer& p) { Click(p); });
        }
        schedule.Run(now, player);
        if (PcOf(player) == 1 && beneath) {
            // After the wait the marker's pixels are back.
            EXPECT_TRUE(SameArea(player.Window()->BackBuffer(), *beneath, 0, 0, 640, 480));
            beneath.reset();
        }
    }));
    EXPECT_TRUE(schedule.Done());
}

TEST(PlayerText, BacklogKeepsTheLastFiftyPieces) {
    VNBackLog backlog;
    EXPECT_EQ(backlog.AllText(), VNString());
    std::string expected;
    for (int i = 1; i <= 51; ++i) {
        backlog.Append(VNString(("p" + std::to_string(i)).c_str()));
        if (i >= 2) {
            expected += "p" + std::to_string(i) + "\r\n";
        }
    }
    EXPECT_EQ(backlog.Count(), 50);
    EXPECT_EQ(backlog.Entry(0), VNString("p2\r\n"));
    EXPECT_EQ(backlog.Entry(49), VNString("p51\r\n"));
    EXPECT_EQ(backlog.AllText().Bytes(), expected);
}
