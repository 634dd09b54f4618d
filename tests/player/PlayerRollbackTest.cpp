// Rollback in the player: the wheel and the Page keys in a message's click
// wait go back to earlier messages and forward again, a click plays on from
// an earlier message, and a load leaves nothing to go back to.
#include "MessageTestSupport.h"
#include "PictureSupport.h"
#include "PlayerTestSupport.h"

#include "platform/DialogHost.h"
#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "player/Interpreter.h"
#include "player/Rollback.h"
#include "player/Stage.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNParamFile.h"

#include <gtest/gtest.h>

using namespace playertest;
using namespace messagetest;

namespace {

void Back(VNPlayer& player, bool keys, int notches = 1) {
    for (int i = 0; i < notches; ++i) {
        keys ? Key(player, resources::VK_PRIOR)
             : platform::PostWheel(player.Window()->Handle(), 120);
    }
}
void Forward(VNPlayer& player, bool keys) {
    keys ? Key(player, resources::VK_NEXT) : platform::PostWheel(player.Window()->Handle(), -120);
}

int32_t Global(const VNPlayer& player, const char* name) {
    const VNParamFile* table = player.GetInterpreter().GlobalParams();
    return table->GetValue(table->Find(VNString(name)));
}

size_t Steps(const VNPlayer& player) {
    return player.GetInterpreter().GetRollback().History().Count();
}

// The screen with the click marker's place (after the text of the message
// of the present) left out: the marker blinks on its own. The messages of a
// test are equally long, so the place is the same for all.
std::unique_ptr<Surface> WithoutMarker(VNPlayer& player) {
    auto screen = Snapshot(player);
    const MessageText& message = MessageOf(player);
    for (int32_t y = message.MarkerY(); y < message.MarkerY() + 32; ++y) {
        for (int32_t x = message.MarkerX(); x < message.MarkerX() + 56; ++x) {
            if (x < screen->Width() && y >= 0 && y < screen->Height()) {
                screen->ScreenRow(y)[x] = 0;
            }
        }
    }
    return screen;
}

// One act of a test, done 50 ms after the game first stands at event `pc`
// once the act before has been done (with `anew`, after it has also stood
// elsewhere since); `check` looks 100 ms after the act. `after` is longer
// where a transition comes first.
struct Act {
    int32_t pc;
    std::function<void(VNPlayer&)> act;
    std::function<void(VNPlayer&)> check;
    bool anew = false;
    int64_t after = 50;
};

bool PlayActs(GameFolder& game, const std::vector<Act>& acts, Session&& session = Session()) {
    game.WriteIni(kIni);
    Schedule schedule;
    size_t next = 0;
    bool speedSet = false;
    bool left = false;
    const bool ended = session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (!speedSet) {
            speedSet = true; // a page appears whole
            player.Window()->OnCommand(platform::MakeWParam(resources::player_cmd::SpeedHigh, 0),
                                       0);
        }
        if (next < acts.size() && schedule.Done()) {
            const Act& a = acts[next];
            left = left || PcOf(player) != a.pc;
            if (PcOf(player) == a.pc && (left || !a.anew)) {
                schedule.At(now + a.after, a.act);
                if (a.check) {
                    schedule.At(now + a.after + 100, a.check);
                }
                ++next;
                left = false;
            }
        }
        schedule.Run(now, player);
        if (now > 200000) {
            player.Window()->Close(); // a game that waits for ever fails
        }
    });
    // Every act done, and no report or dialog beyond those expected.
    EXPECT_EQ(next, acts.size());
    return ended && session.Problems().empty();
}

TEST(PlayerRollback, GoingBackRestoresWhatTheMessageShowedAndForwardReturns) {
    // What each message showed: message "one" at event 3, "two" at event 9.
    struct Item {
        const char* what;
        std::function<std::string(const VNPlayer&)> read;
        std::string atOne;
        std::string atTwo;
    };
    const std::vector<Item> items = {
        {"background",
         [](const VNPlayer& p) { return p.GetStage().GetLayer(0).CommittedName().Bytes(); },
         "bg.bmp", "bg2.png"},
        {"music", [](const VNPlayer& p) { return p.GetSound().MidiFile().Bytes(); }, "first.mid",
         "second.mid"},
        {"title", [](const VNPlayer& p) { return p.GetInterpreter().SaveTitle().Bytes(); }, "first",
         "second"},
        {"fades",
         [](const VNPlayer& p) {
             const Stage::Fades& f = p.GetStage().GetFades();
             return std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) +
                    "," + std::to_string(f[3]);
         },
         "0,500,0,1000", "1,20,0,30"},
        {"parameter", [](const VNPlayer& p) { return std::to_string(Global(p, "p")); }, "0", "5"},
    };
    for (const bool keys : {false, true}) {
        GameFolder game;
        picturetest::Pictures pictures(game.Root());
        WriteGame(game,
                  {picturetest::Background("bg.bmp"), Midi("first.mid", 1), Title("first"),
                   Narration(u8"one"), SetParam("p", "5", 0, "0"),
                   picturetest::Background("bg2.png"), Midi("second.mid", 1), Title("second"),
                   SetFade(1, 20, 0, 30), Narration(u8"two")},
                  {{"p", 0}});
        std::unique_ptr<Surface> one, two;
        const auto expect = [&](bool atOne, const std::unique_ptr<Surface>& screen) {
            return [&, atOne](VNPlayer& player) {
                for (const Item& item : items) {
                    EXPECT_EQ(item.read(player), atOne ? item.atOne : item.atTwo)
                        << item.what << (keys ? " (keys)" : " (wheel)");
                }
                EXPECT_EQ(picturetest::Difference(*WithoutMarker(player), *screen), "");
            };
        };
        EXPECT_TRUE(PlayActs(game, {{3,
                                     [&](VNPlayer& p) {
                                         one = WithoutMarker(p);
                                         Click(p);
                                     },
                                     nullptr},
                                    {9,
                                     [&](VNPlayer& p) {
                                         two = WithoutMarker(p);
                                         Back(p, keys);
                                     },
                                     expect(true, one)},
                                    {9, [&](VNPlayer& p) { Forward(p, keys); }, expect(false, two)},
                                    {9, [&](VNPlayer& p) { Click(p); }, nullptr}}));
    }
}

TEST(PlayerRollback, PlayingOnFromAnEarlierMessageDropsTheNewerAndOffersTheChoiceAgain) {
    // Line n of the choice lies at 335 + 26 n to 361 + 26 n (default area).
    const auto choose = [](int line) {
        return [line](VNPlayer& p) { Click(p, 100, 335 + 26 * line + 13); };
    };
    const auto expect = [](int32_t r, size_t steps) {
        return [r, steps](VNPlayer& p) {
            EXPECT_EQ(Global(p, "r"), r);
            EXPECT_EQ(Steps(p), steps);
        };
    };
    GameFolder game;
    WriteGame(game,
              {Narration(u8"before"), Select(u8"x", "x", u8"y", "y"), Label("x"),
               SetParam("r", "1", 0, "0"), Narration(u8"after x"), Jump("", "end"), Label("y"),
               SetParam("r", "2", 0, "0"), Narration(u8"after y"), Label("end")},
              {{"r", 0}});
    EXPECT_TRUE(PlayActs(game, {{0, [](VNPlayer& p) { Click(p); }, nullptr},
                                {1, choose(0), nullptr},
                                {4, [](VNPlayer& p) { Back(p, false); }, expect(0, 2)},
                                {4, [](VNPlayer& p) { Click(p); }, expect(0, 1)},
                                {1, choose(1), nullptr},
                                {8, [](VNPlayer& p) { Back(p, false, 3); }, expect(0, 2)},
                                {8, [](VNPlayer& p) { Forward(p, false); }, expect(2, 2)},
                                {8, [](VNPlayer& p) { Click(p); }, nullptr}}));
    EXPECT_EQ(game.ReadParams("global.flg").at("r"), 2);
}

TEST(PlayerRollback, ALoadLeavesNothingToGoBackTo) {
    GameFolder game;
    // Slot 0 resumes at event 2; the load comes back to message "two".
    WriteGame(game,
              {Narration(u8"one"), Jump("SAVE", ""), Narration(u8"two"), SetParam("n", "n", 0, "1"),
               Jump("LOAD", "")},
              {{"n", 0}});
    Session session;
    for (const char* dialog : {"IDD_SAVE", "IDD_LOAD"}) {
        session.Push([dialog](platform::ModalView& view) {
            EXPECT_EQ(view.TemplateName(), dialog);
            view.Dialog().ListSetSelection(1002, 0);
            view.Press(std::string(dialog) == "IDD_SAVE" ? 1003 : 3);
        });
        session.Push([](platform::ModalView& view) { view.Press(platform::IDYES); });
    }
    // Before the load "one" lies behind; after it nothing does, and the
    // wheel leaves the game where it is.
    const auto expect = [](size_t steps) {
        return [steps](VNPlayer& p) {
            EXPECT_EQ(Steps(p), steps);
            EXPECT_EQ(PcOf(p), 2);
        };
    };
    PlayActs(game,
             {{0, [](VNPlayer& p) { Click(p); }, nullptr},
              {2, [](VNPlayer& p) { Back(p, false); }, expect(2)},
              {2, [](VNPlayer& p) { Forward(p, false); }, nullptr},
              {2, [](VNPlayer& p) { Click(p); }, nullptr},
              // The loaded picture comes back over a second first.
              {2, [](VNPlayer& p) { Back(p, false); }, expect(1), true, 1500},
              {2, [](VNPlayer& p) { p.Window()->Close(); }, nullptr}},
             std::move(session));
    EXPECT_EQ(game.ReadParams("global.flg").at("n"), 1);
}

} // namespace
