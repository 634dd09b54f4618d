// Transitions of the real player: frames at a chosen progress for every
// drawing kind compared with the screen computed from the rules, and what
// ends a transition (time, skip, a click, a button held from before).
#include "PictureSupport.h"
#include "PlayerTestSupport.h"

#include "platform/DisplayRefresh.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/VirtualKeys.h"
#include "tests/graphics/PixelReference.h"

#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <optional>

using namespace playertest;
using namespace picturetest;
using platform::PostKey;
using platform::PostMouse;
using platform::WM_LBUTTONDOWN;
using platform::WM_LBUTTONUP;

namespace {

// The first frame of each event at or after a progress.
struct FrameAt {
    float p = 0;
    Surface screen;
};

class FrameCatcher {
public:
    explicit FrameCatcher(float from) : from_(from) {}
    void Attach(Session& session) {
        session.onFrame = [this](float p, const Surface& screen, VNPlayer& player) {
            ++count_;
            const int32_t at = PcOf(player);
            if (p >= from_ && frames_.count(at) == 0) {
                pixeltest::Duplicate(screen, frames_[at].screen);
                frames_[at].p = p;
            }
        };
    }
    const FrameAt* At(int32_t event) const {
        const auto found = frames_.find(event);
        return found == frames_.end() ? nullptr : &found->second;
    }
    int Count() const { return count_; }

private:
    float from_;
    std::map<int32_t, FrameAt> frames_;
    int count_ = 0;
};

int32_t Trunc(float value) {
    return static_cast<int32_t>(value);
}

// The background transition's frame by its rules.
void BackgroundFrame(Model& m, int kind, float p, const Surface* incoming, const Surface& snapshot,
                     bool visible) {
    const auto base = [&] {
        m.Clear();
        if (visible) {
            m.Copy(snapshot, 0, 0);
        }
    };
    if (kind >= 1 && kind <= 4) {
        const int set = kind - 1;
        const int step = Trunc(p * static_cast<float>(PatternStepCount(set) - 1));
        if (incoming) {
            base();
            m.Pattern(*incoming, 0, 0, set, step, false);
        } else {
            m.Clear();
            m.Pattern(snapshot, 0, 0, set, step, true);
        }
        return;
    }
    const int32_t v = Trunc(p * 255.0f);
    if (incoming) {
        base();
        m.Kind(*incoming, kind, false, v, 0, 0);
    } else {
        m.Clear();
        m.Kind(snapshot, kind, true, 255 - v, 0, 0);
    }
}

} // namespace

TEST(PlayerTransitions, FramesOfEveryKindFollowTheDrawingRules) {
    // Kind 7 is no kind of the table: it draws like stipple 1 for characters;
    // for the background it is one of the alpha-driven kinds.
    for (const int kind : {0, 1, 2, 3, 4, 5, 7}) {
        SCOPED_TRACE("kind " + std::to_string(kind));
        GameFolder game;
        game.WriteIni(kSmallScreenIni);
        const Pictures pictures(game.Root());
        WriteGame(game,
                  {
                      SetFade(kind, 1000, kind, 1000),
                      Background("bg.bmp"),           // 1: onto an empty screen
                      Chara("a.bmp", "am.bmp", 0, 0), // 2: appears
                      Chara("c.png", "cm.png", 0, 0), // 3: replaces it
                      Chara("", "", 0, 0),            // 4: leaves
                      SetFade(kind, 0, kind, 1000),
                      Chara("b.bmp", "AUTO", 1, 0), // 6: at once
                      Background("bg2.png"),        // 7: over a visible screen
                      Background(""),               // 8: to black
                      Wait(10),
                  },
                  {});
        Session session;
        FrameCatcher frames(0.4f);
        frames.Attach(session);
        ASSERT_TRUE(session.Run(game));
        EXPECT_TRUE(session.Seen().empty());

        const Surface& bg = pictures.Get("bg");
        const Surface& bg2 = pictures.Get("bg2");
        const Surface& a = pictures.Get("a");
        const Surface& b = pictures.Get("b");
        const Surface& c = pictures.Get("c");
        // Centre, bottom: x = (80 - w) / 2, y = 60 - h. Left: x = 0.
        const int32_t ax = (kScreenW - 24) / 2, ay = kScreenH - 30;
        const int32_t cx = (kScreenW - 16) / 2, cy = kScreenH - 24;
        const int32_t by = kScreenH - 20;

        const auto check = [&](int32_t event, const std::function<void(Model&, float)>& draw) {
            const FrameAt* frame = frames.At(event);
            ASSERT_NE(frame, nullptr) << "no frame for event " << event;
            EXPECT_LT(frame->p, 0.6f);
            Model m;
            draw(m, frame->p);
            EXPECT_EQ(Difference(frame->screen, m.Pixels()), "")
                << "event " << event << " at p = " << frame->p;
        };
        const auto settledBackground = [&](Model& m) {
            m.Clear();
            m.Copy(bg, 0, 0); // opaque, not changing: a plain copy
        };
        const auto fadingIn = [](float p) { return Trunc(p * 255.0f); };
        const auto fadingOut = [](float p) { return Trunc((1.0f - p) * 255.0f); };

        Surface empty;
        empty.Create(kScreenW, kScreenH);
        check(1, [&](Model& m, float p) { BackgroundFrame(m, kind, p, &bg, empty, false); });
        check(2, [&](Model& m, float p) {
            settledBackground(m);
            m.Kind(a, kind, false, fadingIn(p), ax, ay);
        });
        check(3, [&](Model& m, float p) {
            settledBackground(m);
            if (kind == 0) {
                // Crossfade: new in front, old behind, through a premultiplied buffer.
                Model buffer;
                buffer.Accumulate(c, cx, cy, fadingIn(p));
                buffer.Accumulate(a, ax, ay, fadingOut(p));
                m.Over(buffer.Pixels());
            } else {
                m.Kind(a, kind, true, fadingOut(p), ax, ay);
                m.Kind(c, kind, false, fadingIn(p), cx, cy);
            }
        });
        check(4, [&](Model& m, float p) {
            settledBackground(m);
            m.Kind(c, kind, true, fadingOut(p), cx, cy);
        });
        // The old screen: the background copied, the character at full alpha.
        Model snapshot;
        snapshot.Copy(bg, 0, 0);
        snapshot.Kind(b, kind, false, 255, 0, by);
        check(7, [&](Model& m, float p) {
            BackgroundFrame(m, kind, p, &bg2, snapshot.Pixels(), true);
        });
        Model lastScreen;
        lastScreen.Copy(bg2, 0, 0);
        check(8, [&](Model& m, float p) {
            BackgroundFrame(m, kind, p, nullptr, lastScreen.Pixels(), true);
        });
        EXPECT_EQ(frames.At(6), nullptr); // a duration of 0 draws no frame
    }
}

namespace {

// The first clock reading at which the interpreter stood at `index`.
struct FirstSeen {
    int64_t at = -1;
    void Note(int64_t now, const VNPlayer& player, int32_t index) {
        if (at < 0 && PcOf(player) == index) {
            at = now;
        }
    }
};

// setfade, a background at once, a wait, a 1000 ms character fade, a wait.
void FadeGame(GameFolder& game) {
    game.WriteIni(kSmallScreenIni);
    WriteGame(game,
              {SetFade(0, 1000, 0, 0), Background("bg.bmp"), Wait(50),
               Chara("a.bmp", "am.bmp", 0, 0), Wait(50)},
              {});
}

} // namespace

TEST(PlayerTransitions, SkipCutsAFadeToATenthCountedFromItsStart) {
    struct Case {
        const char* what;
        int64_t tabAfterFadeStart;    // < 0: skip mode is on before the fade
        int64_t endsFrom, endsBefore; // after the fade began
    };
    const Case cases[] = {
        {"skip mode from before", -1, 100, 125},
        // Already past a tenth: the next look ends it.
        {"skip mode turned on half way", 500, 500, 520},
    };
    for (const Case& c : cases) {
        GameFolder game;
        const Pictures pictures(game.Root());
        FadeGame(game);
        Session session;
        FirstSeen fade, after;
        bool tabSent = false;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            fade.Note(now, player, 3);
            after.Note(now, player, 4);
            const bool due = c.tabAfterFadeStart < 0
                                 ? PcOf(player) == 2
                                 : fade.at >= 0 && now >= fade.at + c.tabAfterFadeStart;
            if (due && !tabSent) {
                tabSent = true;
                PostKey(player.Window()->Handle(), resources::VK_TAB, true);
            }
        }));
        ASSERT_GE(fade.at, 0) << c.what;
        EXPECT_GE(after.at - fade.at, c.endsFrom) << c.what;
        EXPECT_LT(after.at - fade.at, c.endsBefore) << c.what;
    }
}

TEST(PlayerTransitions, AClickEndsAFadeAtOnceWithItsFinalPicture) {
    for (const bool quick : {false, true}) {
        GameFolder game;
        const Pictures pictures(game.Root());
        FadeGame(game);
        Session session;
        FirstSeen fade, after;
        Surface shown;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            fade.Note(now, player, 3);
            after.Note(now, player, 4);
            const auto handle = player.Window()->Handle();
            if (fade.at >= 0 && now == fade.at + 300) {
                PostMouse(handle, WM_LBUTTONDOWN, 5, 5);
                if (quick) { // press and release within one pass
                    PostMouse(handle, WM_LBUTTONUP, 5, 5);
                }
            }
            if (after.at == now) {
                pixeltest::Duplicate(player.Window()->BackBuffer(), shown);
                PostMouse(handle, WM_LBUTTONUP, 5, 5);
            }
        }));
        EXPECT_GT(after.at - fade.at, 300) << quick;
        EXPECT_LT(after.at - fade.at, 315) << quick;
        Model settled;
        settled.Copy(pictures.Get("bg"), 0, 0);
        settled.Blend(pictures.Get("a"), (kScreenW - 24) / 2, kScreenH - 30, 255);
        EXPECT_EQ(Difference(shown, settled.Pixels()), "") << quick;
    }
}

TEST(PlayerTransitions, AButtonHeldFromBeforeTheFadeEndsItOnlyAfterItsFirstFrame) {
    GameFolder game;
    const Pictures pictures(game.Root());
    FadeGame(game);
    Session session;
    std::vector<float> progress;
    session.onFrame = [&](float p, const Surface&, VNPlayer&) { progress.push_back(p); };
    FirstSeen fade, after;
    bool pressed = false;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        fade.Note(now, player, 3);
        after.Note(now, player, 4);
        if (PcOf(player) == 2 && !pressed) {
            pressed = true; // ends the wait and is still held when the fade begins
            PostMouse(player.Window()->Handle(), WM_LBUTTONDOWN, 5, 5);
        }
        if (after.at == now) {
            PostMouse(player.Window()->Handle(), WM_LBUTTONUP, 5, 5);
        }
    }));
    ASSERT_EQ(progress.size(), 1u);
    EXPECT_LT(progress[0], 0.01f);
    EXPECT_LT(after.at - fade.at, 40);
}

TEST(PlayerTransitions, ALongFadeOnTheRealClockDrawsAtTheDisplayRateAndSleeps) {
    GameFolder game;
    game.WriteIni("[game]\r\nWindowWidth=640\r\nWindowHeight=480\r\n");
    const Pictures pictures(game.Root());
    WriteGame(game, {SetFade(0, 2000, 0, 0), Background("bg.bmp"), Chara("a.bmp", "am.bmp", 0, 0)},
              {});
    Session session;
    SteadyClock realClock;
    int frames = 0;
    int64_t firstAt = 0, lastAt = 0;
    std::clock_t firstCpu = 0, lastCpu = 0;
    session.onFrame = [&](float, const Surface&, VNPlayer&) {
        lastAt = realClock.NowMs();
        lastCpu = std::clock();
        if (frames++ == 0) {
            firstAt = lastAt;
            firstCpu = lastCpu;
        }
    };
    ASSERT_TRUE(session.RunOn(game, realClock));
    const double interval = platform::DisplayRefreshIntervalMs();
    const double wallMs = static_cast<double>(lastAt - firstAt);
    const double cpuMs = 1000.0 * static_cast<double>(lastCpu - firstCpu) / CLOCKS_PER_SEC;
    std::printf("2 s fade at 640 x 480: %d frames over %.0f ms (refresh %.2f ms), %.0f ms of "
                "processor time (%.1f %%)\n",
                frames, wallMs, interval, cpuMs, 100.0 * cpuMs / wallMs);
    // At most one frame per refresh, one more for the frame at the start.
    EXPECT_LE(frames, static_cast<int>(2000.0 / interval) + 1);
    EXPECT_GE(frames, 10);
    EXPECT_GT(wallMs, 1000.0); // a loaded machine may start the first frame late
    // Mostly idle between frames (a busy loop shows close to 100 %).
    EXPECT_LT(cpuMs, 0.5 * wallMs);
}

TEST(PlayerTransitions, CrossfadeAfterABackgroundChangeShowsNothingOfTheOldScreen) {
    // The background change leaves its snapshot of the old screen in the
    // composition buffer; the crossfade that follows must not show any of it.
    GameFolder game;
    game.WriteIni(kSmallScreenIni);
    const Pictures pictures(game.Root());
    WriteGame(game,
              {SetFade(0, 0, 0, 0), Background("bg.bmp"), Chara("b.bmp", "AUTO", 1, 0),
               Background("bg2.png"), Chara("a.bmp", "am.bmp", 2, 0), SetFade(0, 1000, 0, 0),
               Chara("c.png", "cm.png", 2, 0), Wait(10)},
              {});
    Session session;
    FrameCatcher frames(0.4f);
    frames.Attach(session);
    ASSERT_TRUE(session.Run(game));
    const FrameAt* frame = frames.At(6);
    ASSERT_NE(frame, nullptr);
    const float p = frame->p;
    Model m;
    m.Copy(pictures.Get("bg2"), 0, 0);
    Model buffer;
    buffer.Accumulate(pictures.Get("c"), kScreenW - 16, kScreenH - 24, Trunc(p * 255.0f));
    buffer.Accumulate(pictures.Get("a"), kScreenW - 24, kScreenH - 30, Trunc((1.0f - p) * 255.0f));
    m.Over(buffer.Pixels());
    EXPECT_EQ(Difference(frame->screen, m.Pixels()), "") << p;
}
