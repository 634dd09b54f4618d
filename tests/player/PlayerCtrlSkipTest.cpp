// Ctrl in a running game: held alone for a while it skips, so the Ctrl
// shortcuts (Ctrl+S, Ctrl+L, Shift+Ctrl+...) never move the game.
#include "PlayerTestSupport.h"

#include "platform/EventPump.h"
#include "platform/VirtualKeys.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"

#include <gtest/gtest.h>

#include <vector>

using namespace playertest;
using platform::PostKey;
using platform::VK_CONTROL;
using platform::VK_SHIFT;
using platform::VK_TAB;

TEST(PlayerCtrlSkip, CtrlSkipsOnlyWhenHeldAloneAndItsShortcutsNeverMoveTheGame) {
    // Each case acts at a narration through keys posted at chosen times (ms).
    // The keyboard holds Ctrl from "ctrl down" to "ctrl up". Skipping starts
    // 200 ms after Ctrl went down, and only when no other key went down
    // meanwhile; Tab at 2000 ms ends the games that never skip.
    struct Key {
        int64_t at;
        int key;
        bool down;
        bool ctrl;
        bool shift;
        bool repeat = false;
    };
    struct Case {
        const char* name;
        std::vector<Key> keys;
        bool held;       // the keyboard reports Ctrl held from 100 to 900 ms
        bool skips;      // the message is skipped 200 ms after Ctrl went down
        int request = 0; // 'S' or 'L': that request is made and taken at the message
    };
    const Key ctrlDown{100, VK_CONTROL, true, true, false};
    const Key ctrlUp{900, VK_CONTROL, false, false, false};
    const std::vector<Case> cases = {
        {"ctrl alone", {ctrlDown, ctrlUp}, true, true},
        {"ctrl repeated by the system",
         {ctrlDown,
          {130, VK_CONTROL, true, true, false, true},
          {160, VK_CONTROL, true, true, false, true},
          {190, VK_CONTROL, true, true, false, true},
          ctrlUp},
         true,
         true},
        {"ctrl+s",
         {ctrlDown, {150, 'S', true, true, false}, {170, 'S', false, true, false}, ctrlUp},
         true,
         false,
         'S'},
        {"ctrl+l",
         {ctrlDown, {150, 'L', true, true, false}, {170, 'L', false, true, false}, ctrlUp},
         true,
         false,
         'L'},
        {"shift, then ctrl",
         {{90, VK_SHIFT, true, false, true},
          {100, VK_CONTROL, true, true, true},
          {900, VK_CONTROL, false, false, true},
          {910, VK_SHIFT, false, false, false}},
         true,
         false},
        {"ctrl, then shift",
         {ctrlDown,
          {150, VK_SHIFT, true, true, true},
          {900, VK_SHIFT, false, true, false},
          {910, VK_CONTROL, false, false, false}},
         true,
         false},
        {"ctrl held without the window seeing it go down", {}, true, false},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, {Narration("one"), Narration("two"), Wait(10)}, {});
        Session session;
        int64_t firstMove = -1;
        bool requestSeen = false;
        bool requestTakenAtMessage = false;
        EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            VNPWindow& window = *player.Window();
            const auto handle = window.Handle();
            const auto pending = [&] {
                return c.request == 'S' ? window.SaveRequested() : window.LoadRequested();
            };
            if (c.held && now == 100) {
                platform::PostCtrlHeld(true);
            } else if (c.held && now == 900) {
                platform::PostCtrlHeld(false);
            } else if (now == 2000) {
                PostKey(handle, VK_TAB, true);
            }
            for (const Key& k : c.keys) {
                if (k.at != now) {
                    continue;
                }
                PostKey(handle, k.key, k.down, k.ctrl, k.shift, false, k.repeat);
                if (k.key == c.request && k.down) {
                    // Delivered here, so the request shows before the wait takes it.
                    platform::PumpPending();
                    requestSeen = pending() && player.ProgramCounter() == 0;
                }
            }
            if (firstMove < 0 && player.ProgramCounter() != 0) {
                firstMove = now;
            }
            if (requestSeen && !pending() && player.ProgramCounter() == 0) {
                requestTakenAtMessage = true;
            }
        }));
        // The keyboard lets go of Ctrl whatever the game did.
        platform::PostCtrlHeld(false);
        platform::PumpPending();
        if (c.skips) {
            EXPECT_GE(firstMove, 300) << c.name;
            EXPECT_LT(firstMove, 400) << c.name;
        } else {
            EXPECT_GT(firstMove, 2000) << c.name;
        }
        if (c.request != 0) {
            EXPECT_TRUE(requestSeen) << c.name;
            EXPECT_TRUE(requestTakenAtMessage) << c.name;
        }
    }
}
