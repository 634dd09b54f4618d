// vnprobe's debugger with the real debug window and menu: starting paused,
// stepping, playing and pausing, jumping through the event list and to other
// event files, editing the next event, the parameter lists, hiding the
// window, and a failed event that is mended and run again.
#include "DebugSession.h"

#include "scenario/Summary.h"
#include "scenario/VNEventFile.h"

#include <filesystem>

using namespace debugtest;
using namespace playertest;
using platform::ModalView;

namespace {

// One control's enabling in the debug window and the debug menu.
struct Enabling {
    bool play, pause, step;
};

void ExpectEnabling(DebugSession& s, Enabling want, const char* where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(s.Enabled(id::Play), want.play);
    EXPECT_EQ(s.Enabled(id::Pause), want.pause);
    EXPECT_EQ(s.Enabled(id::Step), want.step);
    EXPECT_EQ(s.MenuEnabled(cmd::DebugPlay), want.play);
    EXPECT_EQ(s.MenuEnabled(cmd::DebugPause), want.pause);
    EXPECT_EQ(s.MenuEnabled(cmd::DebugStep), want.step);
}

constexpr Enabling kPaused{true, false, true};
constexpr Enabling kRunning{false, true, false};

// Events 1..count, event n storing n into "last".
std::vector<VNEvent> Numbered(int count) {
    std::vector<VNEvent> events;
    for (int n = 1; n <= count; ++n)
        events.push_back(SetParam("last", std::to_string(n).c_str(), 0, "0"));
    return events;
}

VNEvent ReadEvent(GameFolder& game, const char* file, int32_t index) {
    VNEventFile events;
    EXPECT_TRUE(events.Load((game.Root() / "event" / file).string()));
    return *events.Get(index);
}

} // namespace

TEST(DebugSession, StartsPausedStepsOneEventAndPlayThenPauseStopsBeforeTheNextEvent) {
    GameFolder game;
    WriteGame(game,
              {SetParam("a", "1", 0, "0"), SetParam("b", "2", 0, "0"), Wait(100000),
               SetParam("c", "3", 0, "0"), SetParam("d", "4", 0, "0")},
              {{"a", 0}, {"b", 0}, {"c", 0}, {"d", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        EXPECT_TRUE(s.debug.IsVisible());
        EXPECT_TRUE(s.MenuChecked(cmd::DebugWindow));
        EXPECT_EQ(U(s.debug.Controls().GetCaption()), "[一時停止中] - デバッグウィンドウ -");
        ExpectEnabling(s, kPaused, "at the start");
        EXPECT_FALSE(s.MenuEnabled(cmd::LayerCheck));
        EXPECT_EQ(s.Text(id::FileName), "start.evt");
        EXPECT_EQ(s.Text(id::LineNumber), "1");
        EXPECT_EQ(s.Text(id::EventText), "@setparam a 1 0 0");
        EXPECT_EQ(s.Text(id::Status), "start.evtから実行を開始します。");
        for (int button : {id::ChooseFile, id::ChooseLine, id::EditEvent})
            EXPECT_TRUE(s.Enabled(button)) << button;
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        // Exactly one event ran; the window shows the next and its report.
        EXPECT_EQ(s.Global("a"), 1);
        EXPECT_EQ(s.Global("b"), 0);
        EXPECT_EQ(s.Text(id::LineNumber), "2");
        EXPECT_EQ(s.Text(id::EventText), "@setparam b 2 0 0");
        EXPECT_EQ(s.Text(id::Status), "パラメタ\"a\"に 1 を設定しました。");
        ExpectEnabling(s, kPaused, "after the step");
        s.Click(id::Play);
    });
    bool stepKeySent = false;
    bool pauseKeySent = false;
    s.session.clock.SetStepPerRead(1);
    s.session.clock.SetObserver([&](int64_t) {
        if (PcOf(s.player) != 2 || s.debug.State() != DEBUG_STATE_PLAYING)
            return;
        // Inside the long wait, playing: the greyed step key does nothing,
        // the pause key ends the wait.
        if (!stepKeySent) {
            stepKeySent = true;
            EXPECT_EQ(U(s.debug.Controls().GetCaption()), "[プレイ中] - デバッグウィンドウ -");
            ExpectEnabling(s, kRunning, "playing");
            for (int button : {id::ChooseFile, id::ChooseLine, id::EditEvent})
                EXPECT_FALSE(s.Enabled(button)) << button;
            s.Keys('N');
        } else if (!pauseKeySent) {
            pauseKeySent = true;
            s.Keys('S');
        }
    });
    s.atPause.push_back([&] {
        // Stopped before the event after the wait, not inside it.
        EXPECT_TRUE(pauseKeySent);
        EXPECT_EQ(s.Text(id::LineNumber), "4");
        EXPECT_EQ(s.Global("c"), 0);
        ExpectEnabling(s, kPaused, "paused during play");
        s.Menu(cmd::DebugPlay);
    });
    EXPECT_TRUE(s.Run());
    s.session.clock.SetObserver(nullptr);
    EXPECT_EQ(game.ReadParams("global.flg"),
              (std::map<std::string, int32_t>{{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}));
}

TEST(DebugSession, EventListJumpsEditsAndAsksBeforeClosingWithChanges) {
    GameFolder game;
    WriteGame(game, Numbered(12), {{"last", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        // Edit the next event (line 1): it runs with the new value.
        s.session.Push([](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_PARAM");
            v.Dialog().SetText(resources::event_id::Term1, VNString("42"));
            v.Press(1);
        });
        s.Click(id::EditEvent);
        EXPECT_EQ(s.Text(id::EventText), "@setparam last 42 0 0");
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Global("last"), 42);
        // The list opens on the next line; jump to line 10.
        s.session.Push([](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_EVENTLIST");
            EXPECT_EQ(U(v.Caption()), "イベントリスト");
            platform::DialogHost& d = v.Dialog();
            ASSERT_EQ(d.ListCount(id::List), 12);
            EXPECT_EQ(d.ListGetSelection(id::List), 1);
            EXPECT_EQ(U(d.ListGetText(id::List, 0)), "1    ▽　パラメタ設定　last　＝　42　＋　0");
            EXPECT_EQ(U(d.ListGetText(id::List, 9)), "10   ▽　パラメタ設定　last　＝　10　＋　0");
            d.ListSetSelection(id::List, 9);
            v.Press(id::Jump);
        });
        s.Click(id::ChooseLine);
        EXPECT_EQ(s.Text(id::LineNumber), "10");
        EXPECT_EQ(s.Text(id::EventText), "@setparam last 10 0 0");
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Global("last"), 10);
        EXPECT_EQ(s.Text(id::LineNumber), "11");
        // Edit line 12 in the list; closing asks, Cancel keeps the list, Yes
        // saves the running file and closes it.
        s.session.Push([&](ModalView& v) {
            platform::DialogHost& d = v.Dialog();
            d.ListSetSelection(id::List, 11);
            s.session.Push([](ModalView& edit) {
                edit.Dialog().SetText(resources::event_id::Term1, VNString("77"));
                edit.Press(1);
            });
            v.Press(id::Edit);
            EXPECT_EQ(U(d.ListGetText(id::List, 11)), "12   ▽　パラメタ設定　last　＝　77　＋　0");
            EXPECT_EQ(d.ListGetSelection(id::List), 11);
            s.session.Push([](ModalView& ask) {
                EXPECT_EQ(U(ask.Text()), "変更をファイルに保存しますか？");
                EXPECT_EQ(U(ask.Caption()), "vnevedit");
                EXPECT_EQ(ask.Buttons(), platform::MsgButtons::YesNoCancel);
                ask.Press(platform::IDCANCEL);
            });
            v.Press(id::Back);
            EXPECT_TRUE(v.IsOpen());
            s.session.Push([](ModalView& ask) { ask.Press(platform::IDYES); });
            s.session.Push([](ModalView& done) {
                EXPECT_EQ(U(done.Text()), "ファイルに保存しました。");
                EXPECT_EQ(U(done.Caption()), "確認");
                done.Press(platform::IDOK);
            });
            v.Close();
            EXPECT_FALSE(v.IsOpen());
        });
        s.Click(id::ChooseLine);
        // Closed without a jump: the line stays.
        EXPECT_EQ(s.Text(id::LineNumber), "11");
        EXPECT_EQ(ReadEvent(game, "start.evt", 11).GetString(1), VNString("77"));
        EXPECT_EQ(ReadEvent(game, "start.evt", 0).GetString(1), VNString("42"));
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    EXPECT_EQ(game.ReadParams("global.flg").at("last"), 77);
}

TEST(DebugSession, JumpsToAnotherEventFileOrReportsOneThatDoesNotLoad) {
    GameFolder game;
    WriteGame(game, Numbered(3), {{"last", 0}, {"other", 0}});
    game.WriteEvents("second.evt", {SetParam("other", "9", 0, "0"), SetParam("last", "8", 0, "0")});
    DebugSession s(game);
    const std::filesystem::path before = std::filesystem::current_path();
    s.atPause.push_back([&] {
        s.session.Push([](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_LOADEVENTFILE");
            EXPECT_EQ(U(v.Caption()), "ジャンプ先指定");
            EXPECT_EQ(U(v.Dialog().GetText(id::EventFile)), "start.evt");
            v.Dialog().SetText(id::EventFile, VNString("missing.evt"));
            v.Press(1);
        });
        s.session.ExpectReport();
        s.Click(id::ChooseFile);
        ASSERT_EQ(s.session.Seen().size(), 1u);
        const SeenModal& report = s.session.Seen()[0];
        EXPECT_EQ(report.templateName, "IDD_EVTLOADERROR");
        namespace r = resources::report_id;
        EXPECT_EQ(U(report.fields.at(r::File)), "start.evt");
        EXPECT_EQ(U(report.fields.at(r::Line)), "1");
        EXPECT_EQ(U(report.fields.at(r::Summary)), "デバッガによるジャンプ");
        EXPECT_EQ(U(report.fields.at(r::TargetFile)), "missing.evt");
        EXPECT_EQ(U(report.fields.at(r::TargetLabel)), "");
        EXPECT_EQ(s.Text(id::FileName), "start.evt");
        EXPECT_EQ(s.Text(id::LineNumber), "1");

        // Cancel changes nothing.
        s.session.Push([](ModalView& v) {
            v.Dialog().SetText(id::EventFile, VNString("second.evt"));
            v.Press(2);
        });
        s.Click(id::ChooseFile);
        EXPECT_EQ(s.Text(id::FileName), "start.evt");

        // Browsing puts the chosen file's own name into the field.
        s.session.Push([&](ModalView& v) {
            s.session.Push([&](ModalView& chooser) {
                EXPECT_EQ(chooser.Kind(), platform::ModalKind::OpenFile);
                EXPECT_EQ(U(chooser.Caption()), "ジャンプ先イベントファイルを選択する");
                ASSERT_EQ(chooser.Filters().size(), 1u);
                EXPECT_EQ(U(chooser.Filters()[0].description), "ｲﾍﾞﾝﾄﾌｧｲﾙ(*.evt)");
                EXPECT_EQ(U(chooser.Filters()[0].pattern), "*.evt");
                VNString path;
                ASSERT_TRUE(
                    VNString::FromUtf8((game.Root() / "event" / "second.evt").string(), path));
                chooser.ChooseFile(path);
            });
            v.Press(id::Browse);
            EXPECT_EQ(U(v.Dialog().GetText(id::EventFile)), "second.evt");
            v.Press(1);
        });
        s.Click(id::ChooseFile);
        EXPECT_EQ(std::filesystem::current_path(), before);
        EXPECT_EQ(s.Text(id::FileName), "second.evt");
        EXPECT_EQ(s.Text(id::LineNumber), "1");
        EXPECT_EQ(s.Text(id::EventText), "@setparam other 9 0 0");
        // The interpreter still holds its own file until it resumes.
        EXPECT_EQ(U(s.player.GetInterpreter().EventFileName()), "start.evt");
        s.Click(id::Step);
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(s.Global("other"), 9);
        EXPECT_EQ(s.Global("last"), 0);
        EXPECT_EQ(U(s.player.GetInterpreter().EventFileName()), "second.evt");
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    EXPECT_EQ(game.ReadParams("global.flg"),
              (std::map<std::string, int32_t>{{"last", 8}, {"other", 9}}));
}

TEST(DebugSession, ParameterListsSetValuesThatTheNextEventsSee) {
    GameFolder game;
    WriteGame(game,
              {SetParam("r", "g", 0, "l"), Jump("", "zero", 2, "g"), SetParam("seen", "1", 0, "0"),
               Label("zero")},
              {{"g", 0}, {"r", 0}, {"seen", 0}}, {{"l", 1}, {"m", 2}});
    DebugSession s(game);
    // The value dialog's text and whether the line changes.
    struct Case {
        const char* table;
        int line;
        const char* typed;
        const char* want;  // the list line afterwards
        const char* first; // the first line when the list opens
    };
    const Case cases[] = {
        {"global", 0, "5", "g　5", "g　0"},   // the next setparam and jump see it
        {"global", 2, "", "seen　0", "g　5"}, // an empty field changes nothing
        {"local", 0, "-3", "l　-3", "l　1"},  // signed values
        {"local", 1, "12abc", "m　12", "l　-3"},
    };
    s.atPause.push_back([&] {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.typed);
            const bool global = std::string(c.table) == "global";
            s.session.Push([&](ModalView& v) {
                EXPECT_EQ(v.TemplateName(), "IDD_PARAMLIST");
                EXPECT_EQ(U(v.Caption()),
                          global ? "グローバルパラメタ global.flg" : "ローカルパラメタ local.flg");
                platform::DialogHost& d = v.Dialog();
                EXPECT_EQ(U(d.ListGetText(id::List, 0)), c.first);
                d.ListSetSelection(id::List, c.line);
                s.session.Push([&](ModalView& value) {
                    EXPECT_EQ(value.TemplateName(), "IDD_SETVALUE");
                    EXPECT_EQ(U(value.Caption()), "値の設定");
                    value.Dialog().SetText(id::Value, VNString(c.typed));
                    value.Press(1);
                });
                v.Press(id::SetValue);
                EXPECT_EQ(U(d.ListGetText(id::List, c.line)), c.want);
                EXPECT_EQ(d.ListGetSelection(id::List), c.line);
                v.Press(id::Return);
            });
            EXPECT_TRUE(s.Menu(global ? cmd::EditGlobalParams : cmd::EditLocalParams));
        }
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    // r = g + l = 5 + -3; the jump on g == 0 was not taken. Nothing of the
    // lists was written to local.flg.
    EXPECT_EQ(game.ReadParams("global.flg"),
              (std::map<std::string, int32_t>{{"g", 5}, {"r", 2}, {"seen", 1}}));
    EXPECT_EQ(game.ReadParams("local.flg"), (std::map<std::string, int32_t>{{"l", 1}, {"m", 2}}));
}

TEST(DebugSession, HidingTheWindowKeepsThePauseAndThePlayItemResumes) {
    GameFolder game;
    WriteGame(game, Numbered(2), {{"last", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        // The close box hides the window and takes the check mark away.
        s.debug.Controls().RequestClose();
        EXPECT_FALSE(s.debug.IsVisible());
        EXPECT_FALSE(s.MenuChecked(cmd::DebugWindow));
        // Shown again through the menu, with the fields filled.
        EXPECT_TRUE(s.Menu(cmd::DebugWindow));
        EXPECT_TRUE(s.debug.IsVisible());
        EXPECT_TRUE(s.MenuChecked(cmd::DebugWindow));
        EXPECT_EQ(s.Text(id::LineNumber), "1");
        ExpectEnabling(s, kPaused, "shown again");
        EXPECT_TRUE(s.Menu(cmd::DebugWindow));
        EXPECT_FALSE(s.debug.IsVisible());
        s.Keys('D'); // shown again by its key
    });
    s.atPause.push_back([&] {
        EXPECT_TRUE(s.debug.IsVisible());
        EXPECT_TRUE(s.MenuChecked(cmd::DebugWindow));
        s.Keys('D'); // and hidden
    });
    std::vector<std::string> lists;
    s.atPause.push_back([&] {
        EXPECT_FALSE(s.debug.IsVisible());
        EXPECT_FALSE(s.MenuChecked(cmd::DebugWindow));
        // The parameter lists open by their keys while the window is hidden;
        // the layer item's key does nothing.
        for (int n = 0; n < 2; ++n)
            s.session.Push([&](ModalView& v) {
                lists.push_back(U(v.Caption()));
                v.Press(id::Return);
            });
        s.Keys('A');
        s.Keys('G');
        s.Keys('L');
    });
    s.atPause.push_back([&] {
        EXPECT_EQ(lists, (std::vector<std::string>{"グローバルパラメタ global.flg",
                                                   "ローカルパラメタ local.flg"}));
        // Still paused before the first event.
        EXPECT_EQ(s.Global("last"), 0);
        EXPECT_EQ(s.debug.LineNumber(), 1);
        EXPECT_TRUE(s.Menu(cmd::DebugPlay));
    });
    EXPECT_TRUE(s.Run());
    EXPECT_FALSE(s.debug.IsVisible());
    EXPECT_EQ(game.ReadParams("global.flg").at("last"), 2);
}

TEST(DebugSession, FailedEventPausesOnItselfAndRunsAgainOnceMended) {
    GameFolder game;
    WriteGame(game, {SetFlag("ghost", 0), SetParam("after", "1", 0, "0")},
              {{"real", 0}, {"after", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        s.session.ExpectReport();
        s.Keys('P');
    });
    s.atPause.push_back([&] {
        ASSERT_EQ(s.session.Seen().size(), 1u);
        EXPECT_EQ(s.session.Seen()[0].templateName, "IDD_PARAMUNDECLARED");
        EXPECT_EQ(s.Text(id::LineNumber), "1");
        // Paused again: the menu and the buttons say so, so the keys work.
        ExpectEnabling(s, kPaused, "after the failure");
        s.session.Push([](ModalView& v) {
            EXPECT_EQ(v.TemplateName(), "IDD_FLAG");
            v.Dialog().SetText(resources::event_id::Text, VNString("real"));
            v.Press(1);
        });
        s.Click(id::EditEvent);
        EXPECT_EQ(s.Text(id::EventText), "@setflag real 0");
        // The mend was never saved: the end of the game offers it once more.
        s.session.Push([](ModalView& ask) {
            EXPECT_EQ(U(ask.Text()), "変更をファイルに保存しますか？");
            ask.Press(platform::IDNO);
        });
        s.Keys('P');
    });
    EXPECT_TRUE(s.Run());
    EXPECT_EQ(game.ReadParams("global.flg"),
              (std::map<std::string, int32_t>{{"real", 1}, {"after", 1}}));
}
