// Breakpoints, run to here and watches in a running game: where the game
// pauses, what the event list shows, what a second run finds, what the watch
// window marks.
#include "DebugSession.h"

#include "debugger/BreakpointStore.h"
#include "debugger/WatchWindow.h"
#include "resources/BreakpointResources.h"
#include "resources/VirtualKeys.h"

#include <optional>

using namespace debugtest;
using namespace playertest;
using platform::ModalView;
namespace bid = resources::break_id;

namespace {

// Events 1..count, event n storing n into "last": before event index i,
// "last" holds i.
std::vector<VNEvent> Numbered(int count) {
    std::vector<VNEvent> events;
    for (int n = 1; n <= count; ++n)
        events.push_back(SetParam("last", std::to_string(n).c_str(), 0, "0"));
    return events;
}

// In the event list opened from the debug window: selects `line` (0-based)
// and runs `act` on the list.
void InList(DebugSession& s, int line, std::function<void(ModalView&)> act) {
    s.session.Push([line, act](ModalView& v) {
        EXPECT_EQ(v.TemplateName(), "IDD_EVENTLIST");
        v.Dialog().ListSetSelection(id::List, line);
        act(v);
        if (v.IsOpen())
            v.Press(id::Back);
    });
    s.Click(id::ChooseLine);
}

std::string ListLine(ModalView& v, int line) {
    return U(v.Dialog().ListGetText(id::List, line));
}

} // namespace

TEST(Breakpoints, PauseBeforeTheirEventAndConditionalOnesOnlyWhenTheConditionHolds) {
    struct Case {
        const char* name;
        std::optional<BreakCondition> condition;
        bool pauses;
    };
    using C = BreakCondition::Compare;
    const Case cases[] = {
        {"plain", std::nullopt, true},
        {"equal, holding", BreakCondition{VNString("last"), C::Equal, 5}, true},
        {"equal, not holding", BreakCondition{VNString("last"), C::Equal, 3}, false},
        {"not equal, holding", BreakCondition{VNString("last"), C::NotEqual, 0}, true},
        {"not equal, not holding", BreakCondition{VNString("last"), C::NotEqual, 5}, false},
        {"undeclared parameter", BreakCondition{VNString("none"), C::NotEqual, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        WriteGame(game, Numbered(8), {{"last", 0}});
        DebugSession s(game);
        s.atPause.push_back([&] {
            InList(s, 5, [&](ModalView& v) {
                if (!c.condition) {
                    v.Dialog().PressKey(id::List, resources::VK_F1 + 8); // F9
                } else {
                    s.session.Push([&](ModalView& d) {
                        EXPECT_EQ(d.TemplateName(), "IDD_BREAKCONDITION");
                        d.Dialog().SetText(bid::Param, c.condition->param);
                        d.Dialog().ComboSetSelection(bid::Compare,
                                                     static_cast<int>(c.condition->compare) - 1);
                        d.Dialog().SetText(bid::Value, VNString(c.condition->value));
                        d.Press(1);
                    });
                    v.Press(bid::Condition);
                }
                EXPECT_EQ(ListLine(v, 5).substr(0, 3), c.condition ? "▲" : "■");
                EXPECT_EQ(ListLine(v, 4).substr(0, 1), "5");
            });
            s.Click(id::Play);
        });
        if (c.pauses) {
            s.atPause.push_back([&] {
                // Paused before line 6, as the pause button leaves the window.
                EXPECT_EQ(s.Text(id::LineNumber), "6");
                EXPECT_EQ(s.Global("last"), 5);
                EXPECT_EQ(U(s.debug.Controls().GetCaption()),
                          "[一時停止中] - デバッグウィンドウ -");
                EXPECT_TRUE(s.MenuEnabled(cmd::DebugPlay));
                s.Click(id::Play);
            });
        }
        EXPECT_TRUE(s.Run());
        EXPECT_EQ(game.ReadParams("global.flg")["last"], 8);
    }
}

TEST(Breakpoints, SurviveARestartAndFollowEventsCopiedOrDeletedInTheList) {
    GameFolder game;
    WriteGame(game, Numbered(8), {{"last", 0}});
    {
        DebugSession s(game);
        s.atPause.push_back([&] {
            InList(s, 3, [&](ModalView& v) {
                v.Press(bid::Toggle);
                // A copy of line 1 before it moves the breakpoint to line 5;
                // deleting line 2 (the old line 1) brings it back to line 4.
                v.Dialog().ListSetSelection(id::List, 0);
                v.Press(bid::InsertCopy);
                EXPECT_EQ(ListLine(v, 4).substr(0, 3), "■");
                v.Dialog().ListSetSelection(id::List, 1);
                v.Dialog().PressKey(id::List, resources::VK_DELETE);
                EXPECT_EQ(v.Dialog().ListCount(id::List), 8);
                EXPECT_EQ(ListLine(v, 3).substr(0, 3), "■");
                s.session.Push([](ModalView& ask) { ask.Press(platform::IDNO); });
            });
            s.Click(id::Play);
        });
        s.atPause.push_back([&] {
            EXPECT_EQ(s.Text(id::LineNumber), "4");
            // The edits were not saved: asked about again at the end.
            s.session.Push([](ModalView& ask) { ask.Press(platform::IDNO); });
            s.Click(id::Play);
        });
        EXPECT_TRUE(s.Run());
    }
    // The next run pauses there too.
    DebugSession again(game);
    again.atPause.push_back([&] { again.Click(id::Play); });
    again.atPause.push_back([&] {
        EXPECT_EQ(again.Text(id::LineNumber), "4");
        EXPECT_EQ(again.Global("last"), 3);
        again.Click(id::Play);
    });
    EXPECT_TRUE(again.Run());
}

TEST(Breakpoints, RunToHerePausesOnceBeforeTheChosenLine) {
    GameFolder game;
    WriteGame(game, Numbered(8), {{"last", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        InList(s, 6, [](ModalView& v) { v.Press(bid::RunToHere); });
        EXPECT_EQ(s.debug.State(), DEBUG_STATE_PLAYING);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Text(id::LineNumber), "7");
        EXPECT_EQ(s.Global("last"), 6);
        s.Click(id::Play); // one-shot: the game plays to its end
    });
    EXPECT_TRUE(s.Run());
    EXPECT_FALSE(game.Exists("save/breakpoints.txt"));
}

TEST(Watches, ShowValuesAtPausesAndMarkThoseChangedSinceTheGameWentOn) {
    GameFolder game;
    WriteGame(game,
              {SetParam("a", "1", 0, "0"), SetParam("b", "2", 0, "0"), SetParam("a", "1", 0, "0")},
              {{"a", 0}}, {{"b", 0}});
    DebugSession s(game);
    auto lines = [&] {
        std::vector<std::string> shown;
        platform::DialogHost& w = s.debug.Watcher()->Controls();
        for (int i = 0; i < w.ListCount(bid::WatchList); ++i)
            shown.push_back(U(w.ListGetText(bid::WatchList, i)));
        return shown;
    };
    using Lines = std::vector<std::string>;
    s.atPause.push_back([&] {
        s.Click(bid::Watches);
        platform::DialogHost& w = s.debug.Watcher()->Controls();
        for (const char* name : {"a", "b", "c"}) {
            w.SetText(bid::WatchName, VNString(name));
            w.ClickButton(bid::AddWatch);
        }
        EXPECT_EQ(lines(), (Lines{"　a = 0", "　b = 0", "　c = ？"}));
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(lines(), (Lines{"＊a = 1", "　b = 0", "　c = ？"}));
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(lines(), (Lines{"　a = 1", "＊b = 2", "　c = ？"}));
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    ProbeStops kept = ReadProbeStops(BreakpointStorePath(game.Root().string()));
    ASSERT_EQ(kept.watches.size(), 3u);
    EXPECT_EQ(kept.watches[2], VNString("c"));
}
