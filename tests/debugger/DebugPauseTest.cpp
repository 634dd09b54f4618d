// vnprobe's pause inside an event and the reports of the control events: a
// pause ends waits, typing and transitions at once and the game stops before
// the next event; a choice it interrupts runs again; every control event's
// report appears in the debug window's status field after its step.
#include "DebugSession.h"
#include "MessageTestSupport.h"
#include "PictureSupport.h"

#include <functional>

using namespace debugtest;
using namespace playertest;

namespace {

// Line i of a text choice, in the default message area (24 + 2 pixels a line).
int LineY(int line) {
    return 335 + 26 * line + 13;
}

VNEvent TitleEvent(const char8_t* text) {
    VNEvent event(EVENTCODE_TITLE);
    event.SetString(0, VNString(text));
    return event;
}

} // namespace

TEST(DebugPause, PauseEndsWaitsTypingTransitionsAndChoicesAndAnInterruptedChoiceRunsAgain) {
    struct Case {
        const char* name;
        VNEvent event;
        // The report at the pause: a choice says it was interrupted.
        const char* status;
        // Chooses the second item when the choice runs again (choices only).
        std::function<void(VNPlayer&)> chooseSecond;
        const char* chosenStatus;
    };
    std::u8string longText;
    for (int i = 0; i < 60; ++i)
        longText += u8"あ"; // 60 characters at 30 ms: typing alone takes 1.8 s
    const Case cases[] = {
        {"a timed wait", Wait(100000), "", nullptr, ""},
        {"a click wait", WaitClick(), "", nullptr, ""},
        {"typing a message", messagetest::Narration(longText.c_str()), "", nullptr, ""},
        {"a background transition", picturetest::Background("bg.bmp"), "", nullptr, ""},
        {"a text choice", messagetest::Select(u8"はい", "one", u8"いいえ", "two"),
         "一時停止により選択肢イベントは中断しました。",
         [](VNPlayer& p) { messagetest::Click(p, 100, LineY(1)); },
         "選択肢2番 \"いいえ\"が選択され、\r\nラベル \"two\"（行番号：8）にジャンプしました。"},
        {"an image-button choice",
         messagetest::BtnSelect("base.bmp", "on.bmp", "", 2, "one,0,0,100,50,two,0,100,100,50"),
         "一時停止によりボタン選択イベントは中断しました。",
         [](VNPlayer& p) { messagetest::Click(p, 50, 125); },
         "ラベル \"two\"（行番号：8）にジャンプしました。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        game.WriteIni(messagetest::kIni);
        const picturetest::Pictures pictures(game.Root());
        // The background fades over 10 s; event 2 is the one under test.
        WriteGame(game,
                  {SetFade(0, 500, 0, 10000), c.event, SetParam("after", "1", 0, "0"),
                   Jump("", "end"), Label("one"), SetParam("r", "1", 0, "0"), Jump("", "end"),
                   Label("two"), SetParam("r", "2", 0, "0"), Label("end")},
                  {{"after", 0}, {"r", 0}});
        const bool choice = c.chooseSecond != nullptr;
        DebugSession s(game);
        int64_t began = -1, pausePressed = -1, last = -1, chooseAt = -1;
        s.session.clock.SetStepPerRead(1);
        s.session.clock.SetObserver([&](int64_t now) {
            last = now;
            if (s.player.ProgramCounter() != 1)
                return;
            if (s.debug.State() == DEBUG_STATE_PLAYING) {
                if (began < 0)
                    began = now;
                if (now == began + 50) {
                    pausePressed = now;
                    s.Keys('S');
                }
            } else if (s.debug.State() == DEBUG_STATE_ONE_STEP && choice) {
                if (chooseAt < 0)
                    chooseAt = now + 20;
                if (now == chooseAt)
                    c.chooseSecond(s.player);
            }
        });
        s.atPause.push_back([&] { s.Click(id::Play); });
        s.atPause.push_back([&] {
            // Stopped soon after the pause was pressed, long before the event
            // would have ended by itself.
            ASSERT_GE(pausePressed, 0);
            EXPECT_LT(last - pausePressed, 500);
            EXPECT_EQ(s.Text(id::LineNumber), choice ? "2" : "3");
            EXPECT_EQ(s.Text(id::Status), c.status);
            if (choice) {
                s.Click(id::Step);
            } else {
                s.Click(id::Play);
            }
        });
        if (choice) {
            s.atPause.push_back([&] {
                // The choice came again and this time the second item was chosen.
                EXPECT_EQ(s.Text(id::LineNumber), "9");
                EXPECT_EQ(s.Text(id::EventText), "@setparam r 2 0 0");
                EXPECT_EQ(s.Text(id::Status), c.chosenStatus);
                s.Click(id::Play);
            });
        }
        EXPECT_TRUE(s.Run());
        s.session.clock.SetObserver(nullptr);
        const auto global = game.ReadParams("global.flg");
        EXPECT_EQ(global.at("after"), choice ? 0 : 1);
        EXPECT_EQ(global.at("r"), choice ? 2 : 0);
    }
}

TEST(DebugPause, EveryControlEventReportsInTheStatusFieldAfterItsStep) {
    GameFolder game;
    WriteGame(game,
              {SetFlag("f", 0), SetParam("p", "6", 2, "7"), Jump("", "nowhere", 2, "f"),
               TitleEvent(u8"第一章"), Jump("", "here"), Label("here"), SetFade(0, 500, 0, 1000),
               Jump("second.evt", "mid")},
              {{"f", 0}, {"p", 0}, {"q", 0}});
    game.WriteEvents("second.evt",
                     {SetParam("p", "0", 0, "0"), Label("mid"), Jump("third.evt", "")});
    // The flag toggles on, the jump to the head is taken once, then not.
    game.WriteEvents("third.evt", {SetFlag("q", 2), Jump("", "", 1, "q")});
    struct Row {
        const char* file; // where the step leaves the game
        const char* line;
        const char* status;
    };
    const Row rows[] = {
        {"start.evt", "2", "パラメタ\"f\"に 1 を設定しました。"},
        {"start.evt", "3", "パラメタ\"p\"に 42 を設定しました。"},
        {"start.evt", "4", "条件外のためジャンプしませんでした。"},
        {"start.evt", "5", "セーブタイトルを\"第一章\"に変更しました。"},
        {"start.evt", "7", "ラベル\"here\"（行番号：6）へジャンプしました。"},
        {"start.evt", "8", ""}, // setfade reports nothing: the last report is gone
        {"second.evt", "3",
         "イベントファイル：second.evt\r\nラベル：mid（行番号：2）\r\nへジャンプしました。"},
        {"third.evt", "1", "イベントファイル\"third.evt\"の先頭へジャンプしました。"},
        {"third.evt", "2", "パラメタ\"q\"に 1 を設定しました。"},
        {"third.evt", "1", "ファイル先頭にジャンプしました。"},
        {"third.evt", "2", "パラメタ\"q\"に 0 を設定しました。"},
    };
    DebugSession s(game);
    s.atPause.push_back([&] { s.Click(id::Step); });
    for (const Row& row : rows) {
        s.atPause.push_back([&] {
            SCOPED_TRACE(row.status);
            EXPECT_EQ(s.Text(id::FileName), row.file);
            EXPECT_EQ(s.Text(id::LineNumber), row.line);
            EXPECT_EQ(s.Text(id::Status), row.status);
            s.Click(id::Step);
        });
    }
    EXPECT_TRUE(s.Run());
    EXPECT_EQ(U(s.player.SaveTitle()), "第一章");
    EXPECT_EQ(U(s.debug.StatusText()), "条件外のためジャンプしませんでした。");
}

TEST(DebugPause, AStepOverAMessageTypesItWholeAndDoesNotWaitForAClick) {
    GameFolder game;
    game.WriteIni(messagetest::kIni);
    WriteGame(game, {messagetest::Narration(u8"一歩ずつ"), SetParam("after", "1", 0, "0")},
              {{"after", 0}});
    DebugSession s(game);
    s.session.clock.SetStepPerRead(1);
    s.session.clock.SetObserver([&](int64_t now) {
        // A click wait that ignored the step would never end by itself.
        if (now > 100000)
            s.player.Window()->Close();
    });
    s.atPause.push_back([&] { s.Click(id::Step); });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Text(id::LineNumber), "2");
        EXPECT_EQ(s.player.Message().LinesDrawn(), 1);
        EXPECT_EQ(s.player.Message().CharsDrawnInLine(), 4);
        EXPECT_EQ(s.Global("after"), 0);
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    s.session.clock.SetObserver(nullptr);
    EXPECT_EQ(game.ReadParams("global.flg").at("after"), 1);
}
