// vnprobe reads the running event file again when it changed on disk while
// paused, and its debug menu runs the game check; games made by the test.
#include "DebugSession.h"

#include "resources/EventDialogResources.h"
#include "resources/GameCheckResources.h"

#include <ctime>
#include <numeric>

using namespace debugtest;
using namespace playertest;
using platform::ModalView;

namespace {

// Each value n stores n into "last"; 0 is the label "L".
std::vector<VNEvent> Script(const std::vector<int>& values) {
    std::vector<VNEvent> events;
    for (int v : values)
        events.push_back(v == 0 ? Label("L") : SetParam("last", std::to_string(v).c_str(), 0, "0"));
    return events;
}

double ThreadMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void GoToLine(DebugSession& s, int line) {
    s.session.Push([line](ModalView& v) {
        v.Dialog().ListSetSelection(id::List, line - 1);
        v.Press(id::Jump);
    });
    s.Click(id::ChooseLine);
}

} // namespace

TEST(LiveReload, KeepsTheEventOrFallsBackToItsLabelAndAsksFirstAboutEdits) {
    struct Case {
        const char* name;
        std::vector<int> after; // start.evt on disk, paused at line 5 of {1, L, 2, 3, 4}
        int answer;             // to the question about the debugger's edits; 0: no edits
        const char* line;
        const char* status;
        int last; // at the game's end
    };
    const Case cases[] = {
        {"same before", {1, 0, 2, 3, 40}, 0, "5", "同じイベント（行番号：5）から続けます。", 40},
        {"label", {1, 5, 0, 2, 3, 4}, 0, "3", "ラベル\"L\"（行番号：3）から続けます。", 4},
        {"no label", {7, 2, 3}, 0, "1", "ファイルの先頭から続けます。", 3},
        {"edits kept", {1, 0, 2, 3, 40}, platform::IDCANCEL, "5", "読み込み直していません。", 42},
        {"edits dropped", {1, 0, 2, 3, 40}, platform::IDNO, "5", "（行番号：5）から続けます。", 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        WriteGame(game, Script({1, 0, 2, 3, 4}), {{"last", 0}});
        DebugSession s(game);
        s.atPause.push_back([&] {
            GoToLine(s, 5);
            if (c.answer) {
                s.session.Push([](ModalView& v) {
                    v.Dialog().SetText(resources::event_id::Term1, VNString("42"));
                    v.Press(1);
                });
                s.Click(id::EditEvent);
                s.session.Push([&](ModalView& ask) {
                    EXPECT_NE(
                        U(ask.Text()).find("読み込み直す前に、変更をファイルに保存しますか？"),
                        std::string::npos);
                    ask.Press(c.answer);
                });
            }
            game.WriteEvents("start.evt", Script(c.after));
            s.debug.ReloadIfChanged();
            EXPECT_EQ(s.Text(id::LineNumber), c.line);
            EXPECT_NE(s.Text(id::Status).find(c.status), std::string::npos) << s.Text(id::Status);
            if (c.answer == platform::IDCANCEL) // the kept edits, asked about at the end
                s.session.Push([](ModalView& end) { end.Press(platform::IDNO); });
            s.Click(id::Play);
        });
        EXPECT_TRUE(s.Run());
        EXPECT_EQ(game.ReadParams("global.flg").at("last"), c.last);
    }
}

TEST(LiveReload, ReadsATenThousandEventFileAgainWithinAHundredMilliseconds) {
    std::vector<int> values(10000);
    std::iota(values.begin(), values.end(), 1);
    GameFolder game;
    WriteGame(game, Script(values), {{"last", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        GoToLine(s, 10000);
        values.back() = 20000; // only the event at the counter changes
        game.WriteEvents("start.evt", Script(values));
        // The thread's processor time: the machine may be busy with others.
        const double start = ThreadMs();
        s.debug.ReloadIfChanged();
        const double took = ThreadMs() - start;
        std::printf("reload of 10000 events: %.1f ms\n", took);
        EXPECT_LT(took, 100.0);
        EXPECT_EQ(s.Text(id::LineNumber), "10000");
        s.Click(id::Play);
    });
    EXPECT_TRUE(s.Run());
    EXPECT_EQ(game.ReadParams("global.flg").at("last"), 20000);
}

TEST(GameCheckInProbe, ListsAPlantedMistakeAndOpensItsEventInTheEventList) {
    namespace check = resources::check_id;
    GameFolder game;
    WriteGame(game, {SetParam("last", "1", 0, "0"), Jump("", "nowhere")}, {{"last", 0}});
    DebugSession s(game);
    s.atPause.push_back([&] {
        s.session.Push([](ModalView& v) {
            int found = -1;
            for (int i = 0; i < v.Dialog().ListCount(check::List); ++i)
                if (U(v.Dialog().ListGetText(check::List, i))
                        .starts_with("event/start.evt:2: error:"))
                    found = i;
            ASSERT_GE(found, 0);
            v.Dialog().ListSetSelection(check::List, found);
            v.Press(check::Open);
        });
        s.session.Push([](ModalView& list) {
            EXPECT_EQ(list.TemplateName(), "IDD_EVENTLIST");
            EXPECT_EQ(list.Dialog().ListGetSelection(id::List), 1);
            list.Press(id::Jump);
        });
        s.Menu(cmd::CheckGame);
        EXPECT_EQ(s.Text(id::LineNumber), "2");
        s.session.Push([](ModalView& sure) { sure.Press(platform::IDOK); });
        s.Menu(cmd::Exit);
    });
    s.Run();
}
