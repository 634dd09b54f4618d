// vnprobe's player with its real debug window on a game made by the test.
// Actions wait in a queue and run one at a time while the interpreter
// stands paused (blocked in its wait), as an author's clicks would.
#pragma once

#include "PlayerTestSupport.h"

#include "debugger/VNDDebug.h"
#include "platform/DialogHost.h"
#include "platform/EventPump.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/DebuggerResources.h"
#include "resources/EventDialogResources.h"
#include "resources/PlayerResources.h"
#include "scenario/VNParamFile.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>

namespace debugtest {

namespace id = resources::debug_id;
namespace cmd = resources::player_cmd;

inline std::string U(const VNString& text) {
    return text.ToUtf8Lossy();
}

class DebugSession {
public:
    explicit DebugSession(playertest::GameFolder& game)
        : debug(game.Root().string()),
          player(PlayerEdition::Probe, game.Root().string(), session.clock, 1) {
        player.SetDebugLink(&debug);
    }

    // Runs the game; actions run at the pauses, in order.
    bool Run() {
        timer_.Start(1, [this] { Tick(); });
        const bool result = player.Run();
        timer_.Stop();
        EXPECT_TRUE(atPause.empty()) << atPause.size() << " actions never ran";
        for (const std::string& problem : session.Problems())
            ADD_FAILURE() << problem;
        return result;
    }

    void Click(int controlId) { debug.Controls().ClickButton(controlId); }
    // The debug window's control texts.
    std::string Text(int controlId) { return U(debug.Controls().GetText(controlId)); }
    bool Enabled(int controlId) { return debug.Controls().IsControlEnabled(controlId); }
    // A menu item of the main window, chosen as a user would; false when greyed.
    bool Menu(int command) { return player.Window()->Host().ChooseMenuItem(command); }
    bool MenuEnabled(int command) { return player.Window()->Host().IsMenuItemEnabled(command); }
    bool MenuChecked(int command) { return player.Window()->Host().IsMenuItemChecked(command); }
    // Shift+Ctrl+key typed on the game's window.
    void Keys(int key) {
        platform::PostKey(player.Window()->Handle(), key, true, true, true);
        platform::PostKey(player.Window()->Handle(), key, false, true, true);
    }
    int32_t Global(const char* name) { return Value(player.GetInterpreter().GlobalParams(), name); }
    // The next action waits until `ready` holds: a request of the menu is
    // served by the pause loop a little later than the action that made it.
    void Until(std::function<bool()> ready) { ready_ = std::move(ready); }

    std::deque<std::function<void()>> atPause;
    playertest::Session session{PlayerEdition::Probe};
    VNDDebug debug;
    VNPlayer player;

private:
    static int32_t Value(VNParamFile* table, const char* name) {
        const int32_t n = table ? table->Find(VNString(name)) : -1;
        EXPECT_GE(n, 0) << name;
        return n >= 0 ? table->GetValue(n) : -1;
    }

    void Tick() {
        if (busy_ || debug.State() != DEBUG_STATE_PAUSED || !debug.NavigationEnabled())
            return;
        if (ready_) {
            if (!ready_())
                return;
            ready_ = nullptr;
        }
        if (atPause.empty()) {
            // Nothing left to do while paused: the test would wait for ever.
            if (++idleTicks_ == 5000) {
                ADD_FAILURE() << "paused with no action left";
                player.Window()->Close();
            }
            return;
        }
        idleTicks_ = 0;
        busy_ = true;
        auto action = std::move(atPause.front());
        atPause.pop_front();
        action();
        busy_ = false;
    }

    platform::RepeatingTimer timer_;
    std::function<bool()> ready_;
    bool busy_ = false;
    int idleTicks_ = 0;
};

} // namespace debugtest
