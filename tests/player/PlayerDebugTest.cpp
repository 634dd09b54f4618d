// vnprobe's interpreter with a stand-in debug window: it starts paused, runs
// one step or plays on the debugger commands of the main window's
// accelerators, and pauses on a failed event instead of ending the game.
#include "PlayerTestSupport.h"

#include "platform/DialogHost.h"
#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNEventFile.h"
#include "tests/scenario/ItemBytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>

using namespace playertest;

namespace {

// Answers each pause with the next debugger command, typed as its accelerator.
class FakeDebugWindow : public VNPDebugLink {
public:
    enum class Action { Step, Play, SkipTo, Load };

    VNPlayer* player = nullptr;
    std::deque<std::pair<Action, int32_t>> actions;
    std::vector<int32_t> pausedAt;
    std::vector<VNString> statuses;
    int32_t state = DEBUG_STATE_PLAYING;
    int32_t skipTo = -1;
    bool visible = false;
    VNParamFile* global = nullptr;
    VNParamFile* local = nullptr;

    void SetPosition(const VNString& file, VNEventFile*, int32_t index) override {
        EXPECT_FALSE(file.IsEmpty());
        index_ = index;
    }
    void Refresh() override {
        if (state != DEBUG_STATE_PAUSED || actions.empty() || waiting_) {
            return;
        }
        // Paused before an event: act once through the window's accelerators.
        pausedAt.push_back(index_);
        auto [action, target] = actions.front();
        actions.pop_front();
        const auto handle = player->Window()->Handle();
        if (action == Action::Load) { // Ctrl+L; the load ends this pause
            platform::PostKey(handle, 'L', true, true);
            platform::PostKey(handle, 'L', false, true);
            return;
        }
        const int key = action == Action::Play ? 'P' : 'N';
        if (action == Action::SkipTo) {
            skipTo = target;
        }
        platform::PostKey(handle, key, true, true, true);
        platform::PostKey(handle, key, false, true, true);
        waiting_ = true;
    }
    int32_t State() const override { return state; }
    void SetState(int32_t newState) override {
        state = newState;
        if (newState != DEBUG_STATE_PAUSED) {
            waiting_ = false;
        }
    }
    void EnableNavigation(bool) override {}
    void TakePosition(VNString&, std::unique_ptr<VNEventFile>&, int32_t& index) override {
        if (skipTo >= 0) {
            index = skipTo;
            skipTo = -1;
        }
    }
    void SetStatus(const VNString& text) override { statuses.push_back(text); }
    void SetParamTables(VNParamFile* g, VNParamFile* l) override {
        global = g;
        local = l;
    }
    bool IsVisible() const override { return visible; }
    void Show(bool show) override { visible = show; }
    void EditParameters(bool) override {}

private:
    int32_t index_ = -1;
    bool waiting_ = false;
};

} // namespace

TEST(PlayerDebug, StartsPausedStepsPlaysAndPausesOnAFailedEvent) {
    GameFolder game;
    WriteGame(game,
              {SetParam("a", "1", 0, "0"), SetParam("b", "2", 0, "0"), SetFlag("ghost", 0),
               SetParam("c", "3", 0, "0")},
              {{"a", 0}, {"b", 0}, {"c", 0}});
    Session session(PlayerEdition::Probe);
    session.ExpectReport();
    FakeDebugWindow debug;
    debug.actions = {{FakeDebugWindow::Action::Step, 0},
                     {FakeDebugWindow::Action::Play, 0},
                     // After the failure the author moves past the broken event.
                     {FakeDebugWindow::Action::SkipTo, 3}};

    VNPlayer player(PlayerEdition::Probe, game.Root().string(), session.clock, 1);
    debug.player = &player;
    player.SetDebugLink(&debug);
    EXPECT_TRUE(player.Run());

    // Paused at the start, after the single step, and on the failed event.
    EXPECT_EQ(debug.pausedAt, (std::vector<int32_t>{0, 1, 2}));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_PARAMUNDECLARED");
    // vnprobe's help text is the author's.
    EXPECT_EQ(session.Seen()[0].fields.at(1010),
              ReportHelpText(ReportKind::ParamUndeclared, PlayerEdition::Probe));
    ASSERT_FALSE(debug.statuses.empty());
    EXPECT_EQ(debug.statuses.front(), VNString(u8"start.evtから実行を開始します。"));
    EXPECT_EQ(debug.statuses.back(), VNString(u8"パラメタ\"c\"に 3 を設定しました。"));
    EXPECT_FALSE(debug.visible); // the tear-down ends the debug window

    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("a"), 1);
    EXPECT_EQ(global.at("b"), 2);
    EXPECT_EQ(global.at("c"), 3);
}

TEST(PlayerDebug, PauseStopsAGameThatLoopsWithoutWaiting) {
    // The loop would end by itself after 100000 rounds.
    GameFolder game;
    WriteGame(game,
              {Label("top"), SetParam("n", "n", 0, "1"), SetParam("more", "n", 9, "100000"),
               Jump("", "top", 1, "more"), SetParam("after", "1", 0, "0")},
              {{"n", 0}, {"more", 0}, {"after", 0}});
    Session session(PlayerEdition::Probe);
    FakeDebugWindow debug;
    // Play from the start; at the pause, move past the loop.
    debug.actions = {{FakeDebugWindow::Action::Play, 0}, {FakeDebugWindow::Action::SkipTo, 4}};

    VNPlayer player(PlayerEdition::Probe, game.Root().string(), session.clock, 1);
    debug.player = &player;
    player.SetDebugLink(&debug);
    session.clock.SetStepPerRead(1);
    session.clock.SetObserver([&](int64_t now) {
        if (now == 100) { // Shift+Ctrl+S: pause
            platform::PostKey(player.Window()->Handle(), 'S', true, true, true);
            platform::PostKey(player.Window()->Handle(), 'S', false, true, true);
        }
    });
    EXPECT_TRUE(player.Run());
    session.clock.SetObserver(nullptr);

    ASSERT_EQ(debug.pausedAt.size(), 2u);
    EXPECT_EQ(debug.pausedAt[0], 0);
    EXPECT_LT(debug.pausedAt[1], 4); // inside the loop
    const auto global = game.ReadParams("global.flg");
    EXPECT_GT(global.at("n"), 0);
    EXPECT_LT(global.at("n"), 1000);
    EXPECT_EQ(global.at("after"), 1);
}

TEST(PlayerDebug, ALoadChosenWhilePausedHandsOverTheNewTablesAndSaysSo) {
    GameFolder game;
    WriteGame(game,
              {SetParam("g", "1", 0, "0"), SetParam("g", "2", 0, "0"), SetParam("g", "x", 0, "0")},
              {{"g", 0}}, {{"x", 5}});
    // Slot 4 resumes at event 2 with x = 9.
    std::string record = item_bytes::Str("savedata") + item_bytes::Str("S") +
                         item_bytes::Str("start.evt") + item_bytes::Int(2) + item_bytes::Str("t");
    for (int i = 0; i < 11; ++i) {
        record += item_bytes::Str("");
    }
    record += item_bytes::Int(0) + item_bytes::Int(500) + item_bytes::Int(0) +
              item_bytes::Int(1000) + item_bytes::Str("") + item_bytes::Str("") +
              item_bytes::Int(0);
    std::ofstream(game.Root() / "save/save4.sav", std::ios::binary) << record;
    game.WriteParams("save4.flg", {{"x", 9}});

    Session session(PlayerEdition::Probe);
    session.Push([](platform::ModalView& view) {
        view.Dialog().ListSetSelection(resources::slot_id::List, 4);
        view.Press(resources::slot_id::LoadButton);
    });
    session.Push([](platform::ModalView& view) { view.Press(platform::IDYES); });
    FakeDebugWindow debug;
    debug.actions = {{FakeDebugWindow::Action::Load, 0}, {FakeDebugWindow::Action::Play, 0}};
    VNPlayer player(PlayerEdition::Probe, game.Root().string(), session.clock, 1);
    debug.player = &player;
    player.SetDebugLink(&debug);
    VNParamFile* localAfterLoad = nullptr;
    session.clock.SetObserver([&](int64_t) {
        if (!debug.statuses.empty() && debug.statuses.back() == VNString(u8"ロードしました。")) {
            localAfterLoad = player.GetInterpreter().LocalParams();
        }
    });
    session.clock.SetStepPerRead(1);
    EXPECT_TRUE(player.Run());
    session.clock.SetObserver(nullptr);

    EXPECT_TRUE(session.Problems().empty());
    // The load ended the first pause; the game stood paused again at the
    // loaded event and then played on from there.
    EXPECT_EQ(debug.pausedAt, (std::vector<int32_t>{0, 2}));
    EXPECT_NE(
        std::find(debug.statuses.begin(), debug.statuses.end(), VNString(u8"ロードしました。")),
        debug.statuses.end());
    EXPECT_NE(localAfterLoad, nullptr);
    EXPECT_EQ(debug.local, localAfterLoad);
    EXPECT_EQ(game.ReadParams("global.flg").at("g"), 9);
}
