// Messages and choices over pictures: the box and text over the layers, the
// right-button view showing the layers alone, and image buttons on layers 0
// and 10.
#include "MessageTestSupport.h"
#include "PictureSupport.h"
#include "PlayerTestSupport.h"

#include "player/VNPWindow.h"
#include "tests/graphics/PixelReference.h"

#include <gtest/gtest.h>

using namespace playertest;
using namespace picturetest;

namespace {

// An 80 x 60 screen with the message area (4, 30, 72 x 26) in it and a
// frame of 2: the box covers (2, 28) to (77, 57).
const char* const kIni = "[game]\r\nWindowWidth=80\r\nWindowHeight=60\r\nMsgFontName=default\r\n"
                         "MsgAreaLeft=4\r\nMsgAreaTop=30\r\nMsgAreaWidth=72\r\nMsgAreaHeight=26\r\n"
                         "MsgBoxGradFrameWidth=2\r\nMsgBoxGradFrameHeight=2\r\n";

bool InBox(int32_t x, int32_t y) {
    return x >= 2 && x < 78 && y >= 28 && y < 58;
}

// Differences outside the box, or "" when there are none.
std::string DifferenceOutsideBox(const Surface& actual, const Surface& expected) {
    for (int32_t y = 0; y < kScreenH; ++y) {
        for (int32_t x = 0; x < kScreenW; ++x) {
            if (!InBox(x, y) && pixeltest::At(actual, x, y) != pixeltest::At(expected, x, y)) {
                return "at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return "";
}

} // namespace

TEST(PlayerTextPictures, BoxAndTextLieOverTheLayersAndTheRightButtonShowsTheLayersAlone) {
    GameFolder game;
    game.WriteIni(kIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {SetFade(0, 0, 0, 0), Background("bg.bmp"), messagetest::Narration(u8"あ"), Wait(5)},
              {});
    Session session;
    messagetest::Schedule schedule;
    Surface page, held, back;
    bool started = false;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (!started && PcOf(player) == 2 && MessageOf(player).LinesDrawn() == 1) {
            started = true;
            pixeltest::Duplicate(player.Window()->BackBuffer(), page);
            schedule.At(now + 100, [](VNPlayer& p) { messagetest::RightButton(p, true); });
            schedule.At(now + 200,
                        [&](VNPlayer& p) { pixeltest::Duplicate(p.Window()->BackBuffer(), held); });
            schedule.At(now + 250, [](VNPlayer& p) { messagetest::RightButton(p, false); });
            schedule.At(now + 300,
                        [&](VNPlayer& p) { pixeltest::Duplicate(p.Window()->BackBuffer(), back); });
            schedule.At(now + 400, [](VNPlayer& p) { messagetest::Click(p); });
        }
        schedule.Run(now, player);
    }));
    ASSERT_TRUE(schedule.Done());
    Model layers;
    layers.Copy(pictures.Get("bg"), 0, 0);
    // Outside the box the background; the box's bottom row (57) is the end
    // colour at alpha 220 over it.
    EXPECT_EQ(DifferenceOutsideBox(page, layers.Pixels()), "");
    const uint32_t under = pixeltest::At(layers.Pixels(), 40, 57);
    const uint32_t end[3] = {255, 207, 207}; // blue, green, red
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(pixeltest::Channel(pixeltest::At(page, 40, 57), c),
                  pixeltest::T(35, pixeltest::Channel(under, c)) + pixeltest::T(220, end[c]))
            << c;
    }
    // Held: the layers alone. Released: box and text as before (the marker
    // after the text aside, from x = 4 + 24).
    EXPECT_EQ(Difference(held, layers.Pixels()), "");
    for (int32_t y = 0; y < kScreenH; ++y) {
        for (int32_t x = 0; x < 28; ++x) {
            ASSERT_EQ(pixeltest::At(back, x, y), pixeltest::At(page, x, y)) << x << ", " << y;
        }
    }
}

TEST(PlayerTextPictures, ImageButtonsOnLayersZeroAndTen) {
    struct Case {
        const char* name;
        std::function<void(VNPlayer&)> choose;
        int32_t chosen;
    };
    // Button "one" covers 10..29 x 10..19, "two" 25..44 x 15..34.
    const Case cases[] = {
        {"the overlap belongs to the first", [](VNPlayer& p) { messagetest::Click(p, 26, 16); }, 1},
        {"the second", [](VNPlayer& p) { messagetest::Click(p, 40, 30); }, 2},
        {"the right button cancels", [](VNPlayer& p) { messagetest::RightButton(p, true); }, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        game.WriteIni(kSmallScreenIni);
        const Pictures pictures(game.Root());
        WriteGame(game,
                  {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0),
                   Wait(10),
                   messagetest::BtnSelect("bg.bmp", "bg2.png", "cancel", 2,
                                          "one,10,10,20,10,two,25,15,20,20"),
                   playertest::Label("one"), SetParam("r", "1", 0, "0"), Jump("", "end"),
                   playertest::Label("two"), SetParam("r", "2", 0, "0"), Jump("", "end"),
                   playertest::Label("cancel"), SetParam("r", "9", 0, "0"),
                   playertest::Label("end"), Wait(5)},
                  {{"r", 0}});
        Session session;
        messagetest::Schedule schedule;
        Surface pointed, after;
        VNString layer0, layer1, layer10;
        bool started = false;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            if (!started && PcOf(player) == 4) {
                started = true;
                schedule.At(now + 20, [](VNPlayer& p) { messagetest::Move(p, 12, 12); });
                schedule.At(now + 40, [&](VNPlayer& p) {
                    pixeltest::Duplicate(p.Window()->BackBuffer(), pointed);
                });
                schedule.At(now + 60, c.choose);
            }
            schedule.Run(now, player);
            if (PcOf(player) == 14 && layer0.IsEmpty()) {
                pixeltest::Duplicate(player.Window()->BackBuffer(), after);
                layer0 = player.GetStage().GetLayer(0).Describe();
                layer1 = player.GetStage().GetLayer(1).Describe();
                layer10 = player.GetStage().GetLayer(10).Describe();
            }
        }));
        EXPECT_EQ(game.ReadParams("global.flg").at("r"), c.chosen);
        // Pointed: the base picture with the first button's rectangle from
        // the pointed picture; the character has left.
        Model expected;
        expected.Copy(pictures.Get("bg"), 0, 0);
        Model withButton;
        withButton.Copy(pictures.Get("bg"), 0, 0);
        pixeltest::ForEachPair(withButton.Pixels(), 10, 10, pictures.Get("bg2"), 10, 10, 20, 10,
                               [](uint32_t& d, uint32_t s) { d = s; });
        EXPECT_EQ(Difference(pointed, withButton.Pixels()), "");
        // Afterwards layer 10 is empty again, the base picture stays as the
        // background and the screen shows it without a pointed button.
        EXPECT_EQ(layer0, VNString("bg.bmp,,0,0,0,100,100,0,0,0,255"));
        EXPECT_EQ(layer1, VNString(",,0,0,0,100,100,0,0,0,255"));
        EXPECT_EQ(layer10, VNString(",,0,0,0,100,100,0,0,0,255"));
        EXPECT_EQ(Difference(after, expected.Pixels()), "");
    }
}
