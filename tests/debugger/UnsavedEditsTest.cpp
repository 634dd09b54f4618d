// An event edited in vnprobe is never dropped without a question: leaving
// the running file (exit, the debugger's jump, the scenario's jump, a load)
// asks whether to save it; Cancel keeps the game and the file as they were.
#include "DebugSession.h"

#include "scenario/VNEventFile.h"
#include "scenario/VNSaveRecord.h"

using namespace debugtest;
using namespace playertest;
using platform::ModalView;

namespace {

std::string FirstTerm(GameFolder& game) {
    VNEventFile events;
    EXPECT_TRUE(events.Load((game.Root() / "event" / "start.evt").string()));
    return U(events.Get(0)->GetString(1));
}

// The save question, answered; "Yes" is followed by the saved message.
void Answer(DebugSession& s, int answer) {
    s.session.Push([answer](ModalView& ask) {
        EXPECT_EQ(U(ask.Text()), "変更をファイルに保存しますか？");
        EXPECT_EQ(U(ask.Caption()), "vnevedit");
        ask.Press(answer);
    });
    if (answer == platform::IDYES)
        s.session.Push([](ModalView& done) { done.Press(platform::IDOK); });
}

} // namespace

TEST(UnsavedEdits, LeavingTheEditedRunningFileAsksAndCancelStays) {
    namespace slot = resources::slot_id;
    using Step = std::function<void(DebugSession&)>;
    const Step chooseFile = [](DebugSession& s) {
        s.session.Push([](ModalView& v) {
            v.Dialog().SetText(id::EventFile, VNString("second.evt"));
            v.Press(1);
        });
    };
    const Step chooseSlot = [](DebugSession& s) {
        s.session.Push([](ModalView& v) {
            v.Dialog().ListSetSelection(slot::List, 0);
            v.Press(slot::LoadButton);
        });
        s.session.Push([](ModalView& sure) { sure.Press(platform::IDYES); });
    };
    struct Case {
        const char* name;
        Step before, act;      // scripts of the way's own windows, then the action
        const char* cancelled; // the report after Cancel, if any
        int last;              // the answer after Cancel
    };
    const Case cases[] = {
        {"exit", nullptr, [](DebugSession& s) { s.Menu(cmd::Exit); }, nullptr, platform::IDNO},
        {"debugger jump", chooseFile, [](DebugSession& s) { s.Click(id::ChooseFile); }, nullptr,
         platform::IDYES},
        {"scenario jump", nullptr, [](DebugSession& s) { s.Click(id::Step); },
         "イベントファイルの変更が保存されていないため、ジャンプを中止しました。", platform::IDYES},
        {"load", chooseSlot, [](DebugSession& s) { s.Menu(cmd::Load); },
         "イベントファイルの変更が保存されていないため、ロードを中止しました。", platform::IDYES},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        WriteGame(game, {SetParam("last", "1", 0, "0"), Jump("second.evt", "")}, {{"last", 0}});
        game.WriteEvents("second.evt", {SetParam("last", "9", 0, "0")});
        VNSaveRecord record;
        record.eventFile = VNString("second.evt");
        ASSERT_TRUE(record.Save((game.Root() / "save" / "save0.sav").string()));
        game.WriteParams("save0.flg", {});
        DebugSession s(game);
        const auto leave = [&](int answer, std::function<bool()> done) {
            if (c.before)
                c.before(s);
            Answer(s, answer);
            c.act(s);
            s.Until([done, n = 0]() mutable { return done() || ++n > 5000; });
        };
        s.atPause.push_back([&] {
            s.session.Push([](ModalView& v) {
                v.Dialog().SetText(resources::event_id::Term1, VNString("42"));
                v.Press(1);
            });
            s.Click(id::EditEvent);
            s.Click(id::Step);
        });
        s.atPause.push_back([&] {
            leave(platform::IDCANCEL, [&] {
                return !c.cancelled || U(s.player.Context().LastStatus()) == c.cancelled;
            });
        });
        s.atPause.push_back([&] {
            // Still before the jump of start.evt, the edit kept, nothing written.
            EXPECT_EQ(s.Text(id::FileName), "start.evt");
            EXPECT_EQ(s.Global("last"), 42);
            EXPECT_EQ(FirstTerm(game), "1");
            leave(c.last, [&] { return s.Text(id::FileName) == "second.evt"; });
        });
        if (c.last == platform::IDYES)
            s.atPause.push_back([&] { s.Click(id::Play); });
        EXPECT_TRUE(s.Run());
        EXPECT_EQ(FirstTerm(game), c.last == platform::IDYES ? "42" : "1");
        EXPECT_EQ(game.ReadParams("global.flg").at("last"), c.last == platform::IDYES ? 9 : 42);
    }
}
