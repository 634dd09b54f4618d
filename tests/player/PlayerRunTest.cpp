// The real player on the offscreen platform: small game folders, a clock
// driven by the test, input posted to the window from inside the waits, and
// the modal windows answered through the test hook.
#include "PlayerTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNEventFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>

using namespace playertest;
using platform::PostKey;
using platform::PostMouse;
using platform::WM_LBUTTONDOWN;
using platform::WM_LBUTTONUP;

namespace {

VNString U(const char8_t* text) {
    return VNString(text);
}

// The first clock reading at which the interpreter stood at `index`.
struct FirstSeen {
    int64_t at = -1;
    void Note(int64_t now, const VNPlayer& player, int32_t index) {
        if (at < 0 && PcOf(player) == index) {
            at = now;
        }
    }
};

} // namespace

TEST(PlayerRun, SetParamArithmeticForEveryOperator) {
    GameFolder game;
    WriteGame(game,
              {
                  SetParam("r0", "5", 0, "3"),
                  SetParam("r1", "5", 1, "8"),
                  SetParam("r2", "-4", 2, "6"),
                  SetParam("r3", "x", 3, "2"), // x holds -7
                  SetParam("r4", "x", 4, "2"),
                  SetParam("r5", "12", 5, "10"),
                  SetParam("r6", "12", 6, "10"),
                  SetParam("r7", "12", 7, "10"),
                  SetParam("r8", "3", 8, "2"),
                  SetParam("r9", "3", 9, "2"),
                  SetParam("r10", "2", 10, "2"),
                  SetParam("r11", "3", 11, "2"),
                  SetParam("r12", "7", 12, "7"),
                  SetParam("dice", "RAND", 4, "6"),
                  SetParam("wrap", "2147483647", 0, "1"),
                  SetParam("product", "65536", 2, "65536"),
                  SetParam("minq", "min", 3, "-1"),
                  SetParam("minr", "min", 4, "-1"),
                  SetParam("loc", "loc", 0, "r0"),    // local target and operand
                  SetParam("fromdup", "dup", 0, "0"), // dup: local 1 hides global 100
              },
              {{"x", -7},      {"r0", 0},      {"r1", 0},          {"r2", 0},   {"r3", 0},
               {"r4", 0},      {"r5", 0},      {"r6", 0},          {"r7", 0},   {"r8", 0},
               {"r9", 9},      {"r10", 0},     {"r11", 9},         {"r12", 0},  {"dice", -1},
               {"wrap", 0},    {"product", 1}, {"min", INT32_MIN}, {"minq", 0}, {"minr", 5},
               {"fromdup", 0}, {"dup", 100}},
              {{"loc", 10}, {"dup", 1}});
    Session session;
    EXPECT_TRUE(session.Run(game));
    EXPECT_TRUE(session.Problems().empty());

    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("r0"), 8);
    EXPECT_EQ(global.at("r1"), -3);
    EXPECT_EQ(global.at("r2"), -24);
    EXPECT_EQ(global.at("r3"), -3);
    EXPECT_EQ(global.at("r4"), -1);
    EXPECT_EQ(global.at("r5"), 8);
    EXPECT_EQ(global.at("r6"), 14);
    EXPECT_EQ(global.at("r7"), 6);
    EXPECT_EQ(global.at("r8"), 1);
    EXPECT_EQ(global.at("r9"), 0);
    EXPECT_EQ(global.at("r10"), 1);
    EXPECT_EQ(global.at("r11"), 0);
    EXPECT_EQ(global.at("r12"), 1);
    // The first draw of the generator seeded with 12345 is 7584.
    EXPECT_EQ(global.at("dice"), 7584 % 6);
    EXPECT_EQ(global.at("wrap"), INT32_MIN);
    EXPECT_EQ(global.at("product"), 0);
    EXPECT_EQ(global.at("minq"), INT32_MIN);
    EXPECT_EQ(global.at("minr"), 0);
    EXPECT_EQ(global.at("fromdup"), 1);
    EXPECT_EQ(global.at("dup"), 100);
    // Only the global table is written back at the end.
    EXPECT_EQ(game.ReadParams("local.flg").at("loc"), 10);
}

TEST(PlayerRun, RandStaysInRangeOverManyDraws) {
    GameFolder game;
    std::vector<VNEvent> events;
    playertest::Params params;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "d" + std::to_string(i);
        params.emplace_back(name, -1);
    }
    std::vector<std::string> names;
    for (const auto& p : params) {
        names.push_back(p.first);
    }
    for (const std::string& name : names) {
        events.push_back(SetParam(name.c_str(), "RAND", 4, "6"));
    }
    WriteGame(game, events, params);
    Session session;
    EXPECT_TRUE(session.Run(game));
    for (const auto& [name, value] : game.ReadParams("global.flg")) {
        EXPECT_GE(value, 0) << name;
        EXPECT_LE(value, 5) << name;
    }
}

TEST(PlayerRun, DivisionByZeroReportsAndLeavesTheTargetAlone) {
    GameFolder game;
    WriteGame(game, {Title("t"), SetParam("t", "5", 3, "0"), SetParam("after", "1", 0, "0")},
              {{"t", 42}, {"after", 0}});
    Session session;
    session.ExpectReport();
    EXPECT_TRUE(session.Run(game));
    ASSERT_EQ(session.Seen().size(), 1u);
    const SeenModal& report = session.Seen()[0];
    EXPECT_EQ(report.templateName, "IDD_INVALIDOPTION");
    EXPECT_EQ(report.caption, U(u8"不正オプション"));
    EXPECT_EQ(report.fields.at(1016), U(u8"右辺第２項：ゼロによる除算"));
    EXPECT_EQ(report.fields.at(1005), VNString("start.evt"));
    EXPECT_EQ(report.fields.at(1006), VNString("2"));
    EXPECT_EQ(report.fields.at(1015), U(u8"▽　パラメタ設定　t　＝　5　÷　0"));
    EXPECT_EQ(report.fields.at(1010),
              ReportHelpText(ReportKind::InvalidOption, PlayerEdition::Play));
    // vnplay ends after the report; the global table is still written.
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("t"), 42);
    EXPECT_EQ(global.at("after"), 0);
}

TEST(PlayerRun, JumpsWithinAndAcrossFilesToLabelsAndHeads) {
    GameFolder game;
    WriteGame(game,
              {
                  Jump("", "skip"),
                  SetParam("bad", "1", 0, "0"),
                  Label("skip"),
                  SetFlag("f1", 0),
                  Jump("", "nowhere-not-taken", 1, "zero"), // zero is 0: no jump
                  SetParam("notjumped", "1", 0, "0"),
                  Jump("", "b", 2, "zero"), // zero is 0: jump
                  SetParam("bad", "2", 0, "0"),
                  Label("b"),
                  Jump("second.evt", "there"),
                  SetParam("bad", "3", 0, "0"),
              },
              {{"bad", 0},
               {"f1", 0},
               {"zero", 0},
               {"notjumped", 0},
               {"visits", 0},
               {"hits", 0},
               {"once", 0},
               {"third", 0}});
    game.WriteEvents("second.evt", {
                                       SetParam("visits", "visits", 0, "1"),
                                       Label("there"),
                                       SetParam("hits", "hits", 0, "1"),
                                       SetFlag("once", 2),
                                       Jump("", "", 1, "once"), // to the head, once
                                       Jump("third.evt", ""),
                                       SetParam("bad", "5", 0, "0"),
                                   });
    game.WriteEvents("third.evt", {SetParam("third", "7", 0, "0")});
    Session session;
    EXPECT_TRUE(session.Run(game));
    EXPECT_TRUE(session.Problems().empty());
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("bad"), 0);
    EXPECT_EQ(global.at("f1"), 1);
    EXPECT_EQ(global.at("notjumped"), 1);
    EXPECT_EQ(global.at("visits"), 1); // the label jump passed event 0; the head jump did not
    EXPECT_EQ(global.at("hits"), 2);
    EXPECT_EQ(global.at("once"), 0);
    EXPECT_EQ(global.at("third"), 7);
}

TEST(PlayerRun, FlagOperationsTitleAndFadeSettings) {
    GameFolder game;
    WriteGame(game,
              {SetFlag("on", 0), SetFlag("off", 1), SetFlag("flip0", 2), SetFlag("flip1", 2),
               Title("Chapter"), SetFade(1, 250, 2, 750), Wait(10)},
              {{"on", 0}, {"off", 1}, {"flip0", 0}, {"flip1", 5}});
    Session session;
    VNString title;
    std::array<int32_t, 4> fades{};
    VNString status;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        title = player.GetInterpreter().SaveTitle();
        fades = player.GetStage().GetFades();
        status = player.Context().LastStatus();
    }));
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("on"), 1);
    EXPECT_EQ(global.at("off"), 0);
    EXPECT_EQ(global.at("flip0"), 1);
    EXPECT_EQ(global.at("flip1"), 0);
    EXPECT_EQ(title, VNString("Chapter"));
    EXPECT_EQ(status, U(u8"セーブタイトルを\"Chapter\"に変更しました。"));
    EXPECT_EQ(fades[0], 1);
    EXPECT_EQ(fades[1], 250);
    EXPECT_EQ(fades[2], 2);
    EXPECT_EQ(fades[3], 750);
}

TEST(PlayerRun, StartUpFailuresShowTheirReportAndEndTheRun) {
    {
        GameFolder game; // no event/start.evt
        game.WriteParams("global.flg", {{"g", 1}});
        game.WriteParams("local.flg", {});
        for (PlayerEdition edition : {PlayerEdition::Play, PlayerEdition::Probe}) {
            Session session(edition);
            session.ExpectReport();
            EXPECT_FALSE(session.Run(game));
            ASSERT_EQ(session.Seen().size(), 1u);
            const SeenModal& report = session.Seen()[0];
            EXPECT_EQ(report.templateName, "IDD_EVTLOADERROR");
            EXPECT_EQ(report.caption,
                      edition == PlayerEdition::Play ? U(u8"エラー") : U(u8"EVTロードエラー"));
            EXPECT_EQ(report.fields.at(1014), VNString("start.evt"));
            EXPECT_TRUE(report.fields.at(1013).IsEmpty());
            // Nothing is loaded yet, so the place is empty.
            EXPECT_TRUE(report.fields.at(1005).IsEmpty());
            EXPECT_TRUE(report.fields.at(1006).IsEmpty());
            EXPECT_TRUE(report.fields.at(1015).IsEmpty());
            EXPECT_EQ(report.fields.at(1010), ReportHelpText(ReportKind::EvtLoadError, edition));
        }
    }
    const VNString text7 = ReportHelpText(ReportKind::LoadError, PlayerEdition::Play);
    {
        GameFolder game; // no save/global.flg
        game.WriteEvents("start.evt", {SetParam("g", "2", 0, "0")});
        game.WriteParams("local.flg", {});
        Session session;
        session.ExpectReport();
        EXPECT_FALSE(session.Run(game));
        ASSERT_EQ(session.Seen().size(), 1u);
        EXPECT_EQ(session.Seen()[0].templateName, "IDD_LOADERROR");
        EXPECT_EQ(session.Seen()[0].caption, U(u8"ロードエラー"));
        EXPECT_EQ(session.Seen()[0].fields.at(1004),
                  U(u8"global.flg のロードに失敗しました。") + text7);
        EXPECT_FALSE(game.Exists("save/global.flg")); // nothing is written after a failed start
    }
    {
        GameFolder game; // no save/local.flg
        game.WriteEvents("start.evt", {SetParam("g", "2", 0, "0")});
        game.WriteParams("global.flg", {{"g", 1}});
        Session session;
        session.ExpectReport();
        EXPECT_FALSE(session.Run(game));
        ASSERT_EQ(session.Seen().size(), 1u);
        EXPECT_EQ(session.Seen()[0].fields.at(1004),
                  U(u8"local.flg のロードに失敗しました。\r\n\r\n▽セーブデータが壊れている\r\n"
                    u8"　●問題のあるセーブデータは上書きしてください。"));
        EXPECT_EQ(game.ReadParams("global.flg").at("g"), 1);
    }
}

TEST(PlayerRun, DataErrorsNameFileLineAndSummaryAndEndTheGame) {
    struct Case {
        std::vector<VNEvent> events;
        std::string templateName;
        VNString caption;
        int itemId;
        VNString item;
        VNString line;
        VNString summary;
        ReportKind kind;
    };
    const std::vector<Case> cases = {
        {{Title("x"), Jump("", "nolabel")},
         "IDD_LABELUNDEFINED",
         U(u8"ラベル未定義"),
         1013,
         VNString("nolabel"),
         VNString("2"),
         U(u8"← ジャンプ　無条件　ファイル内　ラベル\"nolabel\"　"),
         ReportKind::LabelUndefined},
        {{SetFlag("ghost", 0)},
         "IDD_PARAMUNDECLARED",
         U(u8"パラメタ未宣言"),
         1012,
         VNString("ghost"),
         VNString("1"),
         U(u8"▽ フラグ設定　ＯＮ　ghost"),
         ReportKind::ParamUndeclared},
        {{Wait(0), Wait(0), SetParam("", "1", 0, "2")},
         "IDD_MISSINGENTRY",
         U(u8"項目未入力"),
         1016,
         U(u8"左辺"),
         VNString("3"),
         U(u8"▽　パラメタ設定　　＝　1　＋　2"),
         ReportKind::MissingEntry},
        {{SetFlag("marker", 7)},
         "IDD_INVALIDOPTION",
         U(u8"不正オプション"),
         1016,
         U(u8"操作タイプ：規定外の値"),
         VNString("1"),
         U(u8"▽ フラグ設定　不明なオプション"),
         ReportKind::InvalidOption},
    };
    for (const Case& c : cases) {
        GameFolder game;
        std::vector<VNEvent> events = c.events;
        events.push_back(SetParam("marker", "1", 0, "0"));
        WriteGame(game, events, {{"marker", 0}});
        Session session;
        session.ExpectReport();
        EXPECT_TRUE(session.Run(game)) << c.templateName;
        ASSERT_EQ(session.Seen().size(), 1u) << c.templateName;
        const SeenModal& report = session.Seen()[0];
        EXPECT_EQ(report.templateName, c.templateName);
        EXPECT_EQ(report.caption, c.caption);
        EXPECT_EQ(report.fields.at(c.itemId), c.item) << c.templateName;
        EXPECT_EQ(report.fields.at(1005), VNString("start.evt"));
        EXPECT_EQ(report.fields.at(1006), c.line) << c.templateName;
        EXPECT_EQ(report.fields.at(1015), c.summary) << c.templateName;
        EXPECT_EQ(report.fields.at(1010), ReportHelpText(c.kind, PlayerEdition::Play));
        // The failed event ended the game: the marker after it never ran.
        EXPECT_EQ(game.ReadParams("global.flg").at("marker"), 0) << c.templateName;
    }
    // The label report names the file a jump went for.
    GameFolder game;
    WriteGame(game, {Jump("second.evt", "nowhere"), Jump("missing.evt", "")}, {});
    game.WriteEvents("second.evt", {Label("elsewhere")});
    Session session;
    session.ExpectReport();
    EXPECT_TRUE(session.Run(game));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].fields.at(1014), VNString("second.evt"));
    EXPECT_EQ(session.Seen()[0].fields.at(1013), VNString("nowhere"));

    GameFolder missing;
    WriteGame(missing, {Jump("missing.evt", "")}, {});
    Session second;
    second.ExpectReport();
    EXPECT_TRUE(second.Run(missing));
    ASSERT_EQ(second.Seen().size(), 1u);
    EXPECT_EQ(second.Seen()[0].templateName, "IDD_EVTLOADERROR");
    EXPECT_EQ(second.Seen()[0].fields.at(1014), VNString("missing.evt"));
    EXPECT_EQ(second.Seen()[0].fields.at(1013), U(u8"先頭"));
    EXPECT_EQ(second.Seen()[0].fields.at(1006), VNString("1"));
}

TEST(PlayerWaits, WaitClickNeedsAFreshPressAndRelease) {
    for (const bool useEnter : {false, true}) {
        GameFolder game;
        WriteGame(game, {Wait(1000), WaitClick(), SetParam("done", "1", 0, "0"), Wait(50)},
                  {{"done", 0}});
        Session session;
        FirstSeen waitClickStart;
        FirstSeen finished;
        bool advancedEarly = false;
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            const auto handle = player.Window()->Handle();
            const auto press = [&](bool down) {
                if (useEnter) {
                    PostKey(handle, resources::VK_RETURN, down);
                } else {
                    PostMouse(handle, down ? WM_LBUTTONDOWN : WM_LBUTTONUP, 10, 10);
                }
            };
            waitClickStart.Note(now, player, 1);
            finished.Note(now, player, 3);
            if (now == 100) {
                press(true); // ends the timed wait and is still held when waitclick starts
            } else if (now == 300) {
                press(false); // releasing the old press is not a click
            } else if (now == 500) {
                advancedEarly = PcOf(player) != 1;
                press(true);
            } else if (now == 600) {
                press(false);
            }
        }));
        EXPECT_GE(waitClickStart.at, 100);
        EXPECT_LT(waitClickStart.at, 110);
        EXPECT_FALSE(advancedEarly);
        EXPECT_GT(finished.at, 600);
        EXPECT_LT(finished.at, 610);
        EXPECT_EQ(game.ReadParams("global.flg").at("done"), 1);
    }
}

TEST(PlayerWaits, WaitEndsAtItsTimeOrAtAClick) {
    {
        GameFolder game;
        WriteGame(game, {Wait(500), Wait(20)}, {});
        Session session;
        FirstSeen next;
        EXPECT_TRUE(session.Run(game, 1,
                                [&](int64_t now, VNPlayer& player) { next.Note(now, player, 1); }));
        EXPECT_GE(next.at, 500);
        EXPECT_LT(next.at, 505);
    }
    {
        GameFolder game;
        WriteGame(game, {Wait(5000), Wait(20)}, {});
        Session session;
        FirstSeen next;
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            next.Note(now, player, 1);
            if (now == 200) {
                PostMouse(player.Window()->Handle(), WM_LBUTTONDOWN, 1, 1);
            }
        }));
        EXPECT_GT(next.at, 200);
        EXPECT_LT(next.at, 205);
    }
}

TEST(PlayerWaits, SkipModeCutsWaitsAndCtrlNeedsTheKeyReallyDown) {
    GameFolder game;
    WriteGame(game, {Wait(100), WaitClick(), Wait(100000), Wait(10)}, {});
    Session session;
    FirstSeen last;
    bool checked = false;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        last.Note(now, player, 3);
        const auto handle = player.Window()->Handle();
        if (now == 5) {
            // The window sees Ctrl go down, but the system does not report the
            // key as held now, so the wait is not cut.
            PostKey(handle, resources::VK_CONTROL, true, true);
        } else if (now == 200) {
            PostKey(handle, resources::VK_TAB, true); // skip mode on
        } else if (now > 200) {
            // Skip mode cuts the remaining waits too, so look at once.
            checked = player.Window()->SkipMode() &&
                      player.Window()->Host().IsMenuItemChecked(resources::player_cmd::SkipMode);
        }
    }));
    EXPECT_TRUE(checked);
    // The first wait ran its full 100 ms; waitclick and the long wait were cut
    // right after Tab.
    EXPECT_GT(last.at, 200);
    EXPECT_LT(last.at, 215);
}

TEST(PlayerWaits, AutoModeEndsTheMessageWaitAfterItsDelay) {
    for (const int32_t speed : {1, 2}) {
        GameFolder game;
        WriteGame(game, {Narration("page"), Wait(10)}, {});
        Session session;
        int64_t waitStart = -1; // the page is typed: its click wait begins
        FirstSeen next;
        bool posted = false;
        bool autoChecked = false;
        EXPECT_TRUE(session.Run(game, 20, [&](int64_t now, VNPlayer& player) {
            VNPWindow& window = *player.Window();
            if (!posted) {
                posted = true;
                PostKey(window.Handle(), resources::VK_SPACE, true); // auto mode on
                if (speed == 2) {
                    window.OnCommand(platform::MakeWParam(resources::player_cmd::SpeedLow, 0), 0);
                }
            } else if (!autoChecked) {
                autoChecked = window.Host().IsMenuItemChecked(resources::player_cmd::AutoMode);
            }
            if (waitStart < 0 && PcOf(player) == 0 && MessageOf(player).LinesDrawn() == 1) {
                waitStart = now;
            }
            next.Note(now, player, 1);
        }));
        EXPECT_TRUE(autoChecked);
        const int64_t delay = 1000 * speed + 1000;
        ASSERT_GE(waitStart, 0);
        EXPECT_GT(next.at - waitStart, delay) << speed;
        EXPECT_LE(next.at - waitStart, delay + 60) << speed;
    }
}

TEST(PlayerWaits, MessageWaitEndsAtAClickWithoutAutoMode) {
    GameFolder game;
    WriteGame(game, {Narration("page"), Wait(10)}, {});
    Session session;
    FirstSeen next;
    EXPECT_TRUE(session.Run(game, 20, [&](int64_t now, VNPlayer& player) {
        next.Note(now, player, 1);
        if (now == 20 * 200) {
            PostMouse(player.Window()->Handle(), WM_LBUTTONDOWN, 5, 5);
        } else if (now == 20 * 205) {
            PostMouse(player.Window()->Handle(), WM_LBUTTONUP, 5, 5);
        }
    }));
    EXPECT_GT(next.at, 20 * 205);
    EXPECT_LE(next.at, 20 * 210);
}

TEST(PlayerClose, ConfirmedCloseEndsTheRunAndStillWritesGlobalParams) {
    GameFolder game;
    WriteGame(game, {SetParam("before", "1", 0, "0"), Wait(100000), SetParam("after", "1", 0, "0")},
              {{"before", 0}, {"after", 0}});
    Session session;
    session.Push([&](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        EXPECT_EQ(view.Buttons(), platform::MsgButtons::OkCancel);
        EXPECT_EQ(view.Icon(), platform::MsgIcon::Question);
        view.Press(platform::IDOK);
    });
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (now == 50) {
            platform::PostClose(player.Window()->Handle());
        }
    }));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].text, U(u8"終了してもよろしいですか？"));
    EXPECT_EQ(session.Seen()[0].caption, U(u8"確認"));
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("before"), 1);
    EXPECT_EQ(global.at("after"), 0);
}

TEST(PlayerClose, AGameThatLoopsWithoutWaitingStillAnswersItsWindow) {
    // The loop ends by itself after 100000 rounds; the window must be served
    // long before that.
    GameFolder game;
    WriteGame(game,
              {Label("top"), SetParam("n", "n", 0, "1"), SetParam("more", "n", 9, "100000"),
               Jump("", "top", 1, "more"), SetParam("after", "1", 0, "0")},
              {{"n", 0}, {"more", 0}, {"after", 0}});
    Session session;
    session.Push([&](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        view.Press(platform::IDOK);
    });
    bool skipModeSeen = false;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (now == 20) {
            PostKey(player.Window()->Handle(), resources::VK_TAB, true); // skip mode, from the menu
        } else if (now == 100) {
            skipModeSeen = player.Window()->SkipMode();
            platform::PostClose(player.Window()->Handle());
        }
    }));
    EXPECT_TRUE(skipModeSeen);
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].text, U(u8"終了してもよろしいですか？"));
    const auto global = game.ReadParams("global.flg");
    EXPECT_GT(global.at("n"), 0);
    EXPECT_LT(global.at("n"), 1000);
    EXPECT_EQ(global.at("after"), 0);
}

TEST(PlayerClose, CancelledCloseKeepsTheGameRunning) {
    GameFolder game;
    WriteGame(game, {Wait(200), SetParam("after", "1", 0, "0")}, {{"after", 0}});
    Session session;
    session.Push([](platform::ModalView& view) { view.Press(platform::IDCANCEL); });
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (now == 50) {
            platform::PostClose(player.Window()->Handle());
        }
    }));
    EXPECT_EQ(session.Problems().size(), 0u);
    EXPECT_EQ(game.ReadParams("global.flg").at("after"), 1);
}

TEST(PlayerClose, ClosingWhileAModalDialogIsOpenEndsTheRun) {
    // A report is open when the window is closed.
    {
        GameFolder game;
        WriteGame(game, {Wait(5), SetParam("before", "1", 0, "0"), SetFlag("ghost", 0)},
                  {{"before", 0}});
        Session session;
        VNPlayer* current = nullptr;
        session.Push([&](platform::ModalView& view) {
            EXPECT_EQ(view.TemplateName(), "IDD_PARAMUNDECLARED");
            current->Window()->OnClose(); // the confirmation below answers OK
            EXPECT_FALSE(view.IsOpen());
        });
        session.Push([](platform::ModalView& view) { view.Press(platform::IDOK); });
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) { current = &player; }));
        EXPECT_TRUE(session.Problems().empty());
        EXPECT_EQ(game.ReadParams("global.flg").at("before"), 1);
    }
    // The version dialog is open during a wait: the wait ends through the
    // closed window, and the events after it never run.
    {
        GameFolder game;
        WriteGame(game,
                  {SetParam("before", "1", 0, "0"), Wait(100000), SetParam("after", "1", 0, "0")},
                  {{"before", 0}, {"after", 0}});
        Session session;
        VNPlayer* current = nullptr;
        session.Push([&](platform::ModalView& view) {
            EXPECT_EQ(view.TemplateName(), "IDD_VERSION");
            EXPECT_EQ(view.Caption(), U(u8"バージョン情報"));
            current->Window()->OnClose();
            EXPECT_FALSE(view.IsOpen());
        });
        session.Push([](platform::ModalView& view) { view.Press(platform::IDOK); });
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            current = &player;
            if (now == 20) {
                player.Window()->OnCommand(platform::MakeWParam(resources::player_cmd::Version, 0),
                                           0);
            }
        }));
        EXPECT_TRUE(session.Problems().empty());
        const auto global = game.ReadParams("global.flg");
        EXPECT_EQ(global.at("before"), 1);
        EXPECT_EQ(global.at("after"), 0);
    }
}

TEST(PlayerRun, ImageReportsShowTheirFieldsInBothPlayers) {
    for (PlayerEdition edition : {PlayerEdition::Play, PlayerEdition::Probe}) {
        GameFolder game;
        WriteGame(game, {Title("x"), Wait(50)}, {});
        Session session(edition);
        // vnprobe alone offers to verify the files; the answer comes in a box.
        const bool probe = edition == PlayerEdition::Probe;
        session.Push([&](platform::ModalView& view) {
            session.SeenMutable().push_back(Record(view));
            if (session.Seen().back().verifyEnabled)
                view.Press(1012);
            view.Press(1);
        });
        if (probe)
            session.ExpectReport(); // the answer's box
        session.ExpectReport();
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            if (now == 10) {
                // What the picture events report when an image fails to load
                // or is loaded again; vnplay shows the second one too.
                player.SetImageExplainer([](const VNString& image, const VNString&) {
                    return image.ToUtf8Lossy() + " is missing";
                });
                Reports& reports = player.GetReports();
                reports.ReportImageLoadError(VNString("cg\\bg01.bmp"), VNString("cg\\bg01m.bmp"));
                reports.ReportImageAlreadyLoaded(2, VNString("cg\\girl.bmp"), VNString());
            }
        }));
        ASSERT_EQ(session.Seen().size(), probe ? 3u : 2u);
        const SeenModal& load = session.Seen()[0];
        EXPECT_EQ(load.templateName, "IDD_IMAGELOADERROR");
        EXPECT_EQ(load.caption, U(u8"イメージロードエラー"));
        EXPECT_EQ(load.fields.at(1007), VNString("cg\\bg01.bmp"));
        EXPECT_EQ(load.fields.at(1008), VNString("cg\\bg01m.bmp"));
        EXPECT_EQ(load.verifyEnabled, probe);
        if (probe) {
            EXPECT_EQ(session.Seen()[1].text, VNString("cg\\bg01.bmp is missing"));
        }
        EXPECT_EQ(load.fields.at(1005), VNString("start.evt"));
        EXPECT_EQ(load.fields.at(1006), VNString("2"));
        EXPECT_EQ(load.fields.at(1015), U(u8"◎ ミリ秒ウェイト　50ミリ秒"));
        EXPECT_EQ(load.fields.at(1010), ReportHelpText(ReportKind::ImageLoadError, edition));
        const SeenModal& again = session.Seen().back();
        EXPECT_EQ(again.templateName, "IDD_IMAGEALREADYLOADED");
        EXPECT_EQ(again.caption, U(u8"無駄なレイヤー操作"));
        EXPECT_EQ(again.fields.at(1017), U(u8"レイヤー２（左キャラ）"));
        EXPECT_EQ(again.fields.at(1007), VNString("cg\\girl.bmp"));
        EXPECT_EQ(again.fields.at(1010),
                  ReportHelpText(ReportKind::ImageAlreadyLoaded, PlayerEdition::Probe));
    }
}

TEST(PlayerRun, SaveErrorAtTheEndIsReportedAndTheRunEndsAsFailed) {
    GameFolder game;
    WriteGame(game, {SetParam("g", "5", 0, "0"), Wait(20)}, {{"g", 0}});
    Session session;
    session.ExpectReport();
    // The game ends after the report, and the run says it failed (vnplay's
    // exit status 1).
    EXPECT_FALSE(session.Run(game, 1, [&](int64_t now, VNPlayer&) {
        if (now == 5) {
            // The save folder turns into a file: global.flg cannot be written.
            std::filesystem::remove_all(game.Root() / "save");
            std::ofstream(game.Root() / "save") << "not a folder";
        }
    }));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_SAVEERROR");
    EXPECT_EQ(session.Seen()[0].caption, U(u8"セーブエラー"));
    EXPECT_EQ(session.Seen()[0].fields.at(1004),
              U(u8"global.flg のセーブに失敗しました。") +
                  ReportHelpText(ReportKind::SaveError, PlayerEdition::Play));
}

TEST(PlayerWaits, AQuickClickBetweenTwoPassesStillCounts) {
    // Press and release arrive in the same pump, as a touchpad tap or a
    // synthetic click delivers them.
    GameFolder game;
    WriteGame(game, {WaitClick(), Narration("page"), Wait(10)}, {});
    Session session;
    FirstSeen narration;
    int64_t typed = -1; // the page is on screen: its click wait begins
    FirstSeen last;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        narration.Note(now, player, 1);
        last.Note(now, player, 2);
        if (typed < 0 && PcOf(player) == 1 && MessageOf(player).LinesDrawn() == 1) {
            typed = now;
        }
        const auto handle = player.Window()->Handle();
        if (now == 50 || (typed > 0 && now == typed + 50)) {
            PostMouse(handle, WM_LBUTTONDOWN, 3, 3);
            PostMouse(handle, WM_LBUTTONUP, 3, 3);
        }
        if (now > 100000) {
            player.Window()->Close(); // a lost click fails instead of hanging
        }
    }));
    EXPECT_GT(narration.at, 50);
    EXPECT_LT(narration.at, 55);
    EXPECT_GT(last.at, typed + 50);
    EXPECT_LT(last.at, typed + 55);
}

TEST(PlayerRun, JumpStatusTexts) {
    GameFolder game;
    WriteGame(game,
              {Jump("", "", 1, "zero"), Wait(1), Jump("", "L"), SetParam("bad", "1", 0, "0"),
               Label("L"), Wait(1), Jump("second.evt", "M")},
              {{"zero", 0}, {"once", 0}, {"bad", 0}});
    game.WriteEvents("second.evt", {Label("M"), Wait(1), Jump("third.evt", "")});
    game.WriteEvents("third.evt", {Wait(1), SetFlag("once", 2), Jump("", "", 1, "once"), Wait(1)});
    Session session;
    std::vector<VNString> statuses;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        // The status each jump left, as the waits between them see it.
        const VNEventFile* file = player.GetInterpreter().EventFile();
        const int32_t at = PcOf(player);
        if (!file || at < 0 || at >= file->GetCount() ||
            file->Get(at)->GetCode() != EVENTCODE_WAIT) {
            return;
        }
        if (statuses.empty() || statuses.back() != player.Context().LastStatus()) {
            statuses.push_back(player.Context().LastStatus());
        }
    }));
    const std::vector<VNString> expected = {
        U(u8"条件外のためジャンプしませんでした。"),
        U(u8"ラベル\"L\"（行番号：5）へジャンプしました。"),
        U(u8"イベントファイル：second.evt\r\nラベル：M（行番号：1）\r\nへジャンプしました。"),
        U(u8"イベントファイル\"third.evt\"の先頭へジャンプしました。"),
        U(u8"ファイル先頭にジャンプしました。"),
        U(u8"条件外のためジャンプしませんでした。"),
    };
    EXPECT_EQ(statuses, expected);
    EXPECT_EQ(game.ReadParams("global.flg").at("bad"), 0);
}

TEST(PlayerRun, AWindowThatCannotOpenIsACriticalError) {
    GameFolder game;
    game.WriteIni("[game]\r\nWindowWidth=0\r\n"); // no back buffer of that size
    WriteGame(game, {SetParam("g", "1", 0, "0")}, {{"g", 0}});
    Session session;
    session.ExpectReport();
    EXPECT_FALSE(session.Run(game));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_CRITICALERROR");
    EXPECT_EQ(session.Seen()[0].caption, U(u8"エラー"));
    EXPECT_EQ(session.Seen()[0].fields.at(1004),
              U(u8"メインウィンドウをオープンできません。") +
                  ReportHelpText(ReportKind::CriticalError, PlayerEdition::Play));
    EXPECT_EQ(game.ReadParams("global.flg").at("g"), 0);
}
