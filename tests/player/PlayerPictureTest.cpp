// The picture events of the real player: the settled screen after chara,
// background and anime events, their reports, the refused damaged events,
// the button choice display and the screen's return after a load.
#include "PictureSupport.h"
#include "PlayerTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "tests/graphics/PixelReference.h"

#include <gtest/gtest.h>

#include <array>

using namespace playertest;
using namespace picturetest;
using platform::PostMouse;
using platform::WM_LBUTTONDOWN;
using platform::WM_LBUTTONUP;

namespace {

VNString U(const char8_t* text) {
    return VNString(text);
}

// The back buffer as it stands when the interpreter first reaches `index`.
struct ScreenAt {
    explicit ScreenAt(int32_t at) : index(at) {}
    int32_t index;
    bool taken = false;
    Surface screen;
    void Note(const VNPlayer& player) {
        if (!taken && PcOf(player) == index) {
            taken = true;
            pixeltest::Duplicate(player.Window()->BackBuffer(), screen);
        }
    }
};

const int32_t kCentreAX = (kScreenW - 24) / 2, kBottomAY = kScreenH - 30;

} // namespace

TEST(PlayerPictures, SettledScreenAfterCharaBackgroundAndAnime) {
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {
                  SetFade(0, -5, 0, 0), // a negative time counts as 0
                  Background("bg.bmp"),
                  Chara("a.bmp", "am.bmp", 0, 0), // centre, bottom
                  Chara("b.bmp", "AUTO", 1, 2),   // left, top
                  Chara("c.png", "cm.png", 2, 1), // right, centred
                  Anime(0, 3,
                        "4,a.bmp,am.bmp,0,-20,5,100,100,0,0,0,255/"
                        "5,c.png,cm.png,0,50,10,50,50,0,0,0,255/"
                        "6,b.bmp,AUTO,0,40,30,100,100,0,0,0,128/"),
                  Wait(10),
              },
              {});
    Session session;
    int frames = 0;
    session.onFrame = [&](float, const Surface&, VNPlayer&) { ++frames; };
    ScreenAt settled{6};
    std::array<VNString, kLayerCount> described;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        settled.Note(player);
        for (int i = 0; i < kLayerCount; ++i) {
            described[i] = player.GetStage().GetLayer(i).Describe();
        }
    }));
    EXPECT_TRUE(session.Seen().empty());
    EXPECT_EQ(frames, 0); // durations of 0 draw no frame
    ASSERT_TRUE(settled.taken);

    const Surface& a = pictures.Get("a");
    const Surface& b = pictures.Get("b");
    const Surface& c = pictures.Get("c");
    Model m;
    m.Copy(pictures.Get("bg"), 0, 0);
    // Back to front: layers 10 .. 1, layer 1 (the centre) in front.
    m.Blend(b, 40, 30, 128);              // alpha 128: half transparent
    m.Stretch(c, 50, 10, 16 / 2, 24 / 2); // 50 x 50 %: stretched, mask ignored
    m.Blend(a, -20, 5, 255);              // from the 21st column at column 0
    m.Blend(c, kScreenW - 16, (kScreenH - 24) / 2, 255);
    m.Blend(b, 0, 0, 255);
    m.Blend(a, kCentreAX, kBottomAY, 255);
    EXPECT_EQ(Difference(settled.screen, m.Pixels()), "");
    // Column 0 shows column 20 of the picture at x = -20 (row 20 at y = 25).
    EXPECT_EQ(pixeltest::At(settled.screen, 0, 25),
              pixeltest::BlendRule(pixeltest::At(pictures.Get("bg"), 0, 25),
                                   pixeltest::At(a, 20, 20), 255, true));

    EXPECT_EQ(described[0], VNString("bg.bmp,,0,0,0,100,100,0,0,0,255"));
    EXPECT_EQ(described[1], VNString("a.bmp,am.bmp,0,28,30,100,100,0,0,0,255"));
    EXPECT_EQ(described[2], VNString("b.bmp,AUTO,0,0,0,100,100,0,0,0,255"));
    EXPECT_EQ(described[3], VNString("c.png,cm.png,0,64,18,100,100,0,0,0,255"));
    EXPECT_EQ(described[5], VNString("c.png,cm.png,0,50,10,50,50,0,0,0,255"));
    EXPECT_EQ(described[7], VNString(",,0,0,0,0,0,0,0,0,0"));
}

TEST(PlayerPictures, NoChangeMovesTheCharacterItShows) {
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {SetFade(0, 500, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0),
               Chara("NOCHANGE", "", 0, 2), Wait(10)},
              {});
    Session session;
    float seenP = -1;
    Surface frame;
    session.onFrame = [&](float p, const Surface& screen, VNPlayer& player) {
        if (PcOf(player) == 3 && p >= 0.4f && seenP < 0) {
            seenP = p;
            pixeltest::Duplicate(screen, frame);
        }
    };
    ScreenAt settled{4};
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) { settled.Note(player); }));
    EXPECT_TRUE(session.Seen().empty());
    ASSERT_GE(seenP, 0.0f);
    const Surface& a = pictures.Get("a");
    // Moving from y = 30 to the top, at full alpha all the way.
    const auto between = [](int32_t from, int32_t to, float p) {
        return static_cast<int32_t>(static_cast<float>(from) * (1.0f - p) +
                                    static_cast<float>(to) * p);
    };
    Model m;
    m.Copy(pictures.Get("bg"), 0, 0);
    m.Blend(a, kCentreAX, between(kBottomAY, 0, seenP), between(255, 255, seenP));
    EXPECT_EQ(Difference(frame, m.Pixels()), "") << seenP;
    Model end;
    end.Copy(pictures.Get("bg"), 0, 0);
    end.Blend(a, kCentreAX, 0, 255);
    EXPECT_EQ(Difference(settled.screen, end.Pixels()), "");
}

TEST(PlayerPictures, UselessLayerChangesAndMissingPicturesAreReported) {
    struct Case {
        const char* what;
        std::vector<VNEvent> events; // the last one fails
        const char* templateName;
        VNString layerName; // already-loaded reports
        VNString image, mask;
    };
    const VNString centre = U(u8"レイヤー１（中央キャラ）");
    const VNString background = U(u8"レイヤー０（背景）");
    const Case cases[] = {
        {"the same picture twice",
         {Chara("a.bmp", "am.bmp", 0, 0), Chara("a.bmp", "am.bmp", 0, 1)},
         "IDD_IMAGEALREADYLOADED",
         centre,
         VNString("a.bmp"),
         VNString("am.bmp")},
        {"an empty chara on an empty layer",
         {Chara("", "", 1, 0)},
         "IDD_IMAGEALREADYLOADED",
         U(u8"レイヤー２（左キャラ）"),
         VNString(),
         VNString()},
        {"the same background with nothing else shown",
         {Background("bg.bmp"), Background("bg.bmp")},
         "IDD_IMAGEALREADYLOADED",
         background,
         VNString("bg.bmp"),
         VNString()},
        {"an empty background on an empty screen",
         {Background("")},
         "IDD_IMAGEALREADYLOADED",
         background,
         VNString(),
         VNString()},
        {"anime naming the picture a layer shows",
         {Chara("a.bmp", "am.bmp", 0, 0), Anime(100, 1, "1,a.bmp,am.bmp,0,0,0,100,100,0,0,0,255/")},
         "IDD_IMAGEALREADYLOADED",
         centre,
         VNString("a.bmp"),
         VNString("am.bmp")},
        {"anime keeping the background",
         {Background("bg.bmp"), Anime(100, 1, "0,NOCHANGE,0/")},
         "IDD_IMAGEALREADYLOADED",
         background,
         VNString("bg.bmp"),
         VNString()},
        {"a missing picture",
         {Chara("missing.bmp", "am.bmp", 2, 0)},
         "IDD_IMAGELOADERROR",
         VNString(),
         VNString("missing.bmp"),
         VNString("am.bmp")},
        {"a mask of another size",
         {Chara("a.bmp", "cm.png", 0, 0)},
         "IDD_IMAGELOADERROR",
         VNString(),
         VNString("a.bmp"),
         VNString("cm.png")},
        {"NOCHANGE on an empty layer",
         {Chara("NOCHANGE", "", 0, 0)},
         "IDD_IMAGELOADERROR",
         VNString(),
         VNString("NOCHANGE"),
         VNString()},
        {"a missing picture in an anime list",
         {Anime(100, 2, "3,c.png,cm.png,0,0,0,100,100,0,0,0,255/4,gone.png,,0/")},
         "IDD_IMAGELOADERROR",
         VNString(),
         VNString("gone.png"),
         VNString()},
    };
    for (const Case& c : cases) {
        GameFolder game;
        game.WriteIni(kSmallScreenIni);
        const Pictures pictures(game.Root());
        // The wait's clock readings hand the test the player.
        std::vector<VNEvent> events = {SetFade(0, 0, 0, 0), Wait(1)};
        events.insert(events.end(), c.events.begin(), c.events.end());
        events.push_back(SetParam("after", "1", 0, "0"));
        WriteGame(game, events, {{"after", 0}});
        Session session;
        VNPlayer* current = nullptr;
        std::array<int32_t, kLayerCount> states{};
        session.Push([&](platform::ModalView& view) {
            session.SeenMutable().push_back(Record(view));
            for (int i = 0; i < kLayerCount; ++i) {
                states[i] = current->GetStage().GetLayer(i).State();
            }
            view.Press(1);
        });
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) { current = &player; }));
        ASSERT_EQ(session.Seen().size(), 1u) << c.what;
        const SeenModal& report = session.Seen()[0];
        EXPECT_EQ(report.templateName, c.templateName) << c.what;
        EXPECT_EQ(report.fields.at(1007), c.image) << c.what;
        EXPECT_EQ(report.fields.at(1008), c.mask) << c.what;
        if (!c.layerName.IsEmpty()) {
            EXPECT_EQ(report.fields.at(1017), c.layerName) << c.what;
        }
        EXPECT_EQ(report.fields.at(1006), VNString(static_cast<int32_t>(events.size() - 1)))
            << c.what;
        // No pending picture is left behind, and the shown ones stay.
        for (int i = 0; i < kLayerCount; ++i) {
            EXPECT_EQ(states[i] & kLayerPendingImage, 0) << c.what << " layer " << i;
        }
        if (std::string(c.what) == "anime keeping the background") {
            EXPECT_EQ(states[0], kLayerCommittedImage);
        }
        // vnplay ends the game after a failed event.
        EXPECT_EQ(game.ReadParams("global.flg").at("after"), 0) << c.what;
    }
}

TEST(PlayerPictures, DamagedEventsAreRefusedAndChangeNothing) {
    struct Case {
        VNEvent event;
        VNString item;
    };
    // The summary line of a chara event with an unknown position warns in
    // a message box of its own before the report shows it.
    const Case cases[] = {
        {Chara("c.png", "cm.png", 3, 0), U(u8"キャラポジション：規定外の値（3）")},
        {Chara("c.png", "cm.png", -1, 0), U(u8"キャラポジション：規定外の値（-1）")},
        {Chara("c.png", "cm.png", 10, 0), U(u8"キャラポジション：規定外の値（10）")},
        // The first entry is fine; nothing of it may happen either.
        {Anime(100, 2, "2,NOCHANGE,,0,40,0,100,100,0,0,0,255/11,c.png,cm.png,0/"),
         U(u8"レイヤー番号：規定外の値（11）")},
        {Anime(100, 1, "-1,c.png,cm.png,0/"), U(u8"レイヤー番号：規定外の値（-1）")},
        {Anime(100, 3, "2,NOCHANGE,,0,40,0,100,100,0,0,0,255/4,c.png,cm.png,0/"),
         U(u8"レイヤー数：規定外の値（3）")},
        {Anime(100, -2, ""), U(u8"レイヤー数：規定外の値（-2）")},
    };
    for (const Case& c : cases) {
        GameFolder game;
        game.WriteIni(kSmallScreenIni);
        const Pictures pictures(game.Root());
        WriteGame(game,
                  {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("b.bmp", "AUTO", 1, 0), c.event,
                   SetParam("after", "1", 0, "0")},
                  {{"after", 0}});
        Session session;
        VNPlayer* current = nullptr;
        Surface during;
        std::array<VNString, kLayerCount> layers;
        const bool chara = c.event.GetCode() == EVENTCODE_CHARACTER;
        if (chara) {
            session.Push([&](platform::ModalView& view) {
                EXPECT_EQ(view.Text(), U(u8"不正なキャラポジション"));
                view.Press(platform::IDOK);
            });
        }
        session.Push([&](platform::ModalView& view) {
            session.SeenMutable().push_back(Record(view));
            pixeltest::Duplicate(current->Window()->BackBuffer(), during);
            for (int i = 0; i < kLayerCount; ++i) {
                layers[i] = current->GetStage().GetLayer(i).Describe() +
                            VNString(current->GetStage().GetLayer(i).State());
            }
            view.Press(1);
        });
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) { current = &player; }));
        ASSERT_EQ(session.Seen().size(), 1u) << c.item.ToUtf8Lossy();
        EXPECT_TRUE(session.Problems().empty());
        EXPECT_EQ(session.Seen()[0].templateName, "IDD_INVALIDOPTION");
        EXPECT_EQ(session.Seen()[0].fields.at(1016), c.item);
        EXPECT_EQ(session.Seen()[0].fields.at(1006), VNString("4"));
        Model before;
        before.Copy(pictures.Get("bg"), 0, 0);
        before.Blend(pictures.Get("b"), 0, kScreenH - 20, 255);
        EXPECT_EQ(Difference(during, before.Pixels()), "") << c.item.ToUtf8Lossy();
        EXPECT_EQ(layers[2], VNString("b.bmp,AUTO,0,0,40,100,100,0,0,0,2551"));
        for (int i = 3; i < kLayerCount; ++i) {
            EXPECT_EQ(layers[i], VNString(",,0,0,0,0,0,0,0,0,00")) << i;
        }
        EXPECT_EQ(game.ReadParams("global.flg").at("after"), 0);
    }
}

TEST(PlayerPictures, TheSameBackgroundAgainRemovesTheCharacters) {
    // Allowed while characters are shown; every character leaves.
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0),
               Anime(0, 1, "9,c.png,cm.png,0,3,3,100,100,0,0,0,255/"), Background("bg.bmp"),
               Wait(10)},
              {});
    Session session;
    ScreenAt after(5);
    std::array<int32_t, kLayerCount> states{};
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        after.Note(player);
        for (int i = 0; i < kLayerCount; ++i) {
            states[i] = player.GetStage().GetLayer(i).State();
        }
    }));
    EXPECT_TRUE(session.Seen().empty());
    Model bg;
    bg.Copy(pictures.Get("bg"), 0, 0);
    EXPECT_EQ(Difference(after.screen, bg.Pixels()), "");
    EXPECT_EQ(states, (std::array<int32_t, kLayerCount>{kLayerCommittedImage}));
}

TEST(PlayerPictures, AnimeBackgroundEntryUsesTheBackgroundFadeKind) {
    // The entry's effect index says 3 (slash 1); the background fade kind of
    // the setfade event, 1 (stipple 1), is what draws.
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {SetFade(0, 0, 1, 0), Background("bg.bmp"), Anime(1000, 1, "0,bg2.png,3/"), Wait(10)},
              {});
    Session session;
    float seenP = -1;
    Surface frame;
    session.onFrame = [&](float p, const Surface& screen, VNPlayer&) {
        if (p >= 0.4f && seenP < 0) {
            seenP = p;
            pixeltest::Duplicate(screen, frame);
        }
    };
    ASSERT_TRUE(session.Run(game));
    ASSERT_GE(seenP, 0.0f);
    Model m;
    m.Kind(pictures.Get("bg"), 1, true, static_cast<int32_t>((1.0f - seenP) * 255.0f), 0, 0);
    m.Kind(pictures.Get("bg2"), 1, false, static_cast<int32_t>(seenP * 255.0f), 0, 0);
    EXPECT_EQ(Difference(frame, m.Pixels()), "") << seenP;
}

TEST(PlayerPictures, AnimationLeavesTheLastRedrawToAFollowingVisualEvent) {
    struct Case {
        VNEvent next;
        bool redrawn;
    };
    const Case cases[] = {{Chara("c.png", "cm.png", 2, 0), false}, {Wait(10), true}};
    for (const Case& c : cases) {
        GameFolder game;
        game.WriteIni(kSmallScreenIni);
        const Pictures pictures(game.Root());
        WriteGame(game,
                  {SetFade(0, 0, 0, 0), Background("bg.bmp"),
                   Anime(1000, 1, "4,a.bmp,am.bmp,0,0,0,100,100,0,0,0,255/"), c.next, Wait(10)},
                  {});
        Session session;
        Surface lastFrame;
        session.onFrame = [&](float, const Surface& screen, VNPlayer&) {
            pixeltest::Duplicate(screen, lastFrame);
        };
        ScreenAt next{3};
        int64_t animeAt = -1;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            next.Note(player);
            if (PcOf(player) == 2 && animeAt < 0) {
                animeAt = now;
            }
            const auto handle = player.Window()->Handle();
            if (animeAt >= 0 && now == animeAt + 300) {
                PostMouse(handle, WM_LBUTTONDOWN, 1, 1); // ends the animation early
            } else if (animeAt >= 0 && now == animeAt + 320) {
                PostMouse(handle, WM_LBUTTONUP, 1, 1);
            }
        }));
        ASSERT_TRUE(next.taken);
        Model settled;
        settled.Copy(pictures.Get("bg"), 0, 0);
        settled.Blend(pictures.Get("a"), 0, 0, 255);
        if (c.redrawn) {
            EXPECT_EQ(Difference(next.screen, settled.Pixels()), "");
        } else {
            EXPECT_EQ(Difference(next.screen, lastFrame), "");
            EXPECT_NE(Difference(next.screen, settled.Pixels()), "");
        }
    }
}

TEST(PlayerPictures, ButtonChoiceDisplayUsesLayersZeroAndTen) {
    const std::vector<ChoiceButton> buttons = {{10, 10, 20, 10}, {25, 15, 20, 20}};
    struct Point {
        int32_t x, y, button;
    };
    // The first button in list order that holds the point.
    for (const Point& p :
         {Point{10, 10, 0}, Point{26, 16, 0}, Point{29, 19, 0}, Point{30, 20, 1}, Point{44, 34, 1},
          Point{45, 34, -1}, Point{44, 35, -1}, Point{9, 10, -1}, Point{10, 9, -1}}) {
        EXPECT_EQ(PointedButton(buttons, p.x, p.y), p.button) << p.x << ", " << p.y;
    }

    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(
        game,
        {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0), Wait(100)}, {});
    Session session;
    std::vector<Surface> shown(3);
    std::array<VNString, kLayerCount> during, after;
    bool done = false;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        if (PcOf(player) != 3 || done) {
            return;
        }
        done = true;
        // The base image is the current background: no report here.
        player.GetStage().ShowButtonChoice(VNString("bg.bmp"), VNString("bg2.png"));
        pixeltest::Duplicate(player.Window()->BackBuffer(), shown[0]);
        for (int i = 0; i < kLayerCount; ++i) {
            during[i] = player.GetStage().GetLayer(i).Describe();
        }
        player.GetStage().PointButton(buttons, -1, 1);
        pixeltest::Duplicate(player.Window()->BackBuffer(), shown[1]);
        player.GetStage().PointButton(buttons, 1, 0);
        pixeltest::Duplicate(player.Window()->BackBuffer(), shown[2]);
        player.GetStage().EndButtonChoice();
        for (int i = 0; i < kLayerCount; ++i) {
            after[i] = player.GetStage().GetLayer(i).Describe();
        }
    }));
    EXPECT_TRUE(session.Seen().empty());
    const Surface& bg = pictures.Get("bg");
    const Surface& bg2 = pictures.Get("bg2");
    Model base;
    base.Copy(bg, 0, 0);
    EXPECT_EQ(Difference(shown[0], base.Pixels()), ""); // the character is gone
    const auto copyRect = [](Model& m, const Surface& from, const ChoiceButton& b) {
        pixeltest::ForEachPair(m.Pixels(), b.left, b.top, from, b.left, b.top, b.width, b.height,
                               [](uint32_t& d, uint32_t s) { d = s; });
    };
    copyRect(base, bg2, buttons[1]);
    EXPECT_EQ(Difference(shown[1], base.Pixels()), "");
    copyRect(base, bg, buttons[1]);
    copyRect(base, bg2, buttons[0]);
    EXPECT_EQ(Difference(shown[2], base.Pixels()), "");

    EXPECT_EQ(during[0], VNString("bg.bmp,,0,0,0,100,100,0,0,0,255"));
    EXPECT_EQ(during[1], VNString(",,0,0,0,100,100,0,0,0,255"));
    EXPECT_EQ(during[10], VNString("bg2.png,,0,0,0,100,100,0,0,0,0"));
    EXPECT_EQ(after[0], during[0]);
    EXPECT_EQ(after[10], VNString(",,0,0,0,100,100,0,0,0,255"));
}

TEST(PlayerPictures, RestoreAfterLoadChangesEveryLayerToItsSavedSetting) {
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(
        game,
        {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0), Wait(100)}, {});
    Session session;
    int frames = 0;
    session.onFrame = [&](float, const Surface&, VNPlayer&) { ++frames; };
    Surface restored;
    std::array<VNString, kLayerCount> described;
    int32_t layer5State = -1;
    bool restoring = false, done = false;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        if (PcOf(player) != 3 || restoring || done) {
            return;
        }
        restoring = true;
        std::array<VNString, kLayerCount> saved;
        saved[0] = VNString("bg2.png,,0,0,0,100,100,0,0,0,255");
        saved[3] = VNString("c.png,cm.png,2,10,20,100,100,0,0,0,200");
        saved[5] = VNString("missing.bmp,,0,0,0,100,100,0,0,0,255"); // no longer loads
        player.GetStage().RestoreAfterLoad(saved);
        pixeltest::Duplicate(player.Window()->BackBuffer(), restored);
        for (int i = 0; i < kLayerCount; ++i) {
            described[i] = player.GetStage().GetLayer(i).Describe();
        }
        layer5State = player.GetStage().GetLayer(5).State();
        restoring = false;
        done = true;
    }));
    EXPECT_TRUE(session.Seen().empty());
    EXPECT_GT(frames, 10); // one second of transition
    Model m;
    m.Copy(pictures.Get("bg2"), 0, 0);
    // Kind 2 at alpha 200: step 8 x 200 / 255 = 6 of set 1.
    m.Pattern(pictures.Get("c"), 10, 20, 1, 8 * 200 / 255, false);
    EXPECT_EQ(Difference(restored, m.Pixels()), "");
    EXPECT_EQ(described[0], VNString("bg2.png,,0,0,0,100,100,0,0,0,255"));
    EXPECT_EQ(described[3], VNString("c.png,cm.png,2,10,20,100,100,0,0,0,200"));
    // The character saved as absent is gone (the empty setting reads as all
    // 0); the picture that no longer loads left its layer without one.
    EXPECT_EQ(described[1], VNString(",,0,0,0,0,0,0,0,0,0"));
    EXPECT_EQ(layer5State, 0);
}
