// vnprobe's pause inside an event and the reports of the events: a pause
// ends waits, typing and transitions at once and the game stops before the
// next event; a choice it interrupts runs again; a step over a message does
// not wait for its click; the pause serves save, backlog and load, and a
// confirmed load ends it at once; every control and sound event's report
// appears in the debug window's status field after its step.
#include "DebugSession.h"
#include "MessageTestSupport.h"
#include "PictureSupport.h"

#include <functional>

using namespace debugtest;
using namespace playertest;
using platform::ModalView;

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
            if (PcOf(s.player) != 1)
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

TEST(DebugPause, EveryControlAndSoundEventReportsInTheStatusFieldAfterItsStep) {
    GameFolder game;
    WriteGame(game,
              {SetFlag("f", 0), SetParam("p", "6", 2, "7"), Jump("", "nowhere", 2, "f"),
               TitleEvent(u8"第一章"), Jump("", "here"), Label("here"), SetFade(0, 500, 0, 1000),
               Jump("second.evt", "mid")},
              {{"f", 0}, {"p", 0}, {"q", 0}});
    game.WriteEvents("second.evt",
                     {SetParam("p", "0", 0, "0"), Label("mid"), Jump("third.evt", "")});
    // The flag toggles on, the jump to the head is taken once, then not; the
    // sound events follow (their files are missing, which plays nothing).
    game.WriteEvents("third.evt",
                     {SetFlag("q", 2), Jump("", "", 1, "q"), Pcm("se.wav", 0), Pcm("", 0), Cdda(3),
                      Cdda(0), Midi("bgm.mid", 1), Midi("", 1), Mp3("song.mp3"), Mp3("")});
    // MIDI and MP3 name the full path they play.
    const auto full = [&](const char* folder, const char* file) {
        return (game.Root() / folder / file).lexically_normal().string();
    };
    struct Row {
        const char* file; // where the step leaves the game
        const char* line;
        std::string status;
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
        {"third.evt", "3", "条件外のためジャンプしませんでした。"},
        {"third.evt", "4", "WAVE演奏: ファイル名\"pcm\\se.wav\""},
        {"third.evt", "5", "WAVE演奏: 停止"},
        {"third.evt", "6", "CD-DA演奏: トラック3"},
        {"third.evt", "7", "CD-DA演奏: 停止"},
        {"third.evt", "8", "MIDI演奏: ファイル名\"" + full("midi", "bgm.mid") + "\""},
        {"third.evt", "9", "MIDI演奏: 停止"},
        {"third.evt", "10", "MP3演奏: ファイル名\"" + full("mp3", "song.mp3") + "\""},
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
    EXPECT_EQ(U(s.player.GetInterpreter().SaveTitle()), "第一章");
    EXPECT_EQ(U(s.debug.StatusText()), "MP3演奏: 停止");
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
        EXPECT_EQ(MessageOf(s.player).LinesDrawn(), 1);
        EXPECT_EQ(MessageOf(s.player).CharsDrawnInLine(), 4);
        EXPECT_EQ(s.Global("after"), 0);
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    s.session.clock.SetObserver(nullptr);
    EXPECT_EQ(game.ReadParams("global.flg").at("after"), 1);
}

TEST(DebugPause, ThePauseServesSaveBacklogAndLoadAndAConfirmedLoadEndsItAtOnce) {
    namespace slot = resources::slot_id;
    GameFolder game;
    game.WriteIni(messagetest::kIni);
    WriteGame(game,
              {messagetest::Narration(u8"記録する"), SetParam("a", "1", 0, "0"),
               SetParam("b", "a", 0, "1"), SetParam("c", "1", 0, "0")},
              {{"a", 0}, {"b", 0}, {"c", 0}});
    DebugSession s(game);
    bool loading = false;
    bool toolsOpenDuringLoad = false;
    s.session.clock.SetStepPerRead(1);
    s.session.clock.SetObserver([&](int64_t) {
        // The load brings the saved screen back over a second, delivering
        // messages meanwhile: the debugger's tools and the commands are shut.
        if (loading && (s.debug.NavigationEnabled() || s.MenuEnabled(cmd::Save)))
            toolsOpenDuringLoad = true;
    });
    const auto chooseSlot = [&](const char* dialog, int button) {
        s.session.Push([=](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), dialog);
            v.Dialog().ListSetSelection(slot::List, 3);
            v.Press(button);
        });
        s.session.Push([&](ModalView& ask) {
            if (ask.Text() == VNString(u8"ロードします。よろしいですか？"))
                loading = true;
            ask.Press(platform::IDYES);
        });
    };
    s.atPause.push_back([&] { s.Click(id::Step); });
    s.atPause.push_back([&] {
        // Paused before line 2: save, load and backlog are offered.
        for (int command : {cmd::Save, cmd::Load, cmd::Backlog})
            EXPECT_TRUE(s.MenuEnabled(command)) << command;
        chooseSlot("IDD_SAVE", slot::SaveButton);
        EXPECT_TRUE(s.Menu(cmd::Save));
        s.Until([&] { return game.Exists("save/save3.sav"); });
    });
    bool backlogSeen = false;
    s.atPause.push_back([&] {
        s.session.Push([&](ModalView& v) {
            backlogSeen = true;
            EXPECT_EQ(v.TemplateName(), "IDD_BACKLOG");
            EXPECT_EQ(U(v.Dialog().GetText(resources::backlog_id::Text)), "記録する\r\n");
            v.Press(resources::backlog_id::Back);
        });
        EXPECT_TRUE(s.Menu(cmd::Backlog));
        s.Until([&] { return backlogSeen; });
    });
    s.atPause.push_back([&] { s.Click(id::Step); });
    s.atPause.push_back([&] { s.Click(id::Step); });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Text(id::LineNumber), "4");
        EXPECT_EQ(s.Global("b"), 2);
        chooseSlot("IDD_LOAD", slot::LoadButton);
        EXPECT_TRUE(s.Menu(cmd::Load));
        s.Until([&] { return s.player.Context().LastStatus() == VNString(u8"ロードしました。"); });
    });
    s.atPause.push_back([&] {
        // Back at the saved line, still paused, and the window says so.
        EXPECT_TRUE(loading);
        loading = false;
        EXPECT_EQ(s.Text(id::LineNumber), "2");
        EXPECT_EQ(s.Text(id::EventText), "@setparam a 1 0 0");
        EXPECT_EQ(s.Text(id::Status), "ロードしました。");
        EXPECT_EQ(s.Global("c"), 0);
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    s.session.clock.SetObserver(nullptr);
    EXPECT_FALSE(toolsOpenDuringLoad);
    EXPECT_EQ(game.ReadParams("global.flg"),
              (std::map<std::string, int32_t>{{"a", 1}, {"b", 2}, {"c", 1}}));
}
