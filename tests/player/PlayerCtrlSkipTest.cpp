// Ctrl in a running game: held alone for a while it skips, so the Ctrl
// shortcuts (Ctrl+S, Ctrl+L, Shift+Ctrl+...) never move the game.
#include "PlayerTestSupport.h"

#include "platform/EventPump.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/VirtualKeys.h"

#include <gtest/gtest.h>

using namespace playertest;
using platform::PostKey;
using resources::VK_CONTROL;
using resources::VK_SHIFT;
using resources::VK_TAB;

TEST(PlayerCtrlSkip, CtrlSkipsOnlyWhenHeldAloneAndItsShortcutsNeverMoveTheGame) {
    // At a narration the keyboard holds Ctrl from 100 to 900 ms. Skipping
    // starts 200 ms after the window saw Ctrl go down, and only when no other
    // key went down meanwhile; Tab at 2000 ms ends the games that never skip.
    struct Case {
        const char* name;
        int withKey;      // pressed at 150 ms with Ctrl held: 'S', 'L', Shift or none
        bool shiftFirst;  // Shift already held when Ctrl goes down
        bool ctrlRepeats; // the system repeats the held Ctrl
        bool windowSees;  // the window gets Ctrl's key-down
        bool skips;
    };
    const Case cases[] = {
        {"ctrl alone", 0, false, false, true, true},
        {"ctrl repeated by the system", 0, false, true, true, true},
        {"ctrl+s", 'S', false, false, true, false},
        {"ctrl+l", 'L', false, false, true, false},
        {"ctrl, then shift", resources::VK_SHIFT, false, false, true, false},
        {"shift, then ctrl", 0, true, false, true, false},
        {"ctrl the window never saw go down", 0, false, false, false, false},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, {Narration("one"), Narration("two"), Wait(10)}, {});
        Session session;
        const bool request = c.withKey == 'S' || c.withKey == 'L';
        const bool shift = c.shiftFirst || c.withKey == resources::VK_SHIFT;
        int64_t firstMove = -1;
        bool requestSeen = false;
        bool requestTakenAtMessage = false;
        EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            VNPWindow& window = *player.Window();
            const auto handle = window.Handle();
            const auto pending = [&] {
                return c.withKey == 'S' ? window.SaveRequested() : window.LoadRequested();
            };
            if (now == 100) {
                platform::PostCtrlHeld(true);
                if (c.shiftFirst) {
                    PostKey(handle, resources::VK_SHIFT, true, false, true);
                }
                if (c.windowSees) {
                    PostKey(handle, resources::VK_CONTROL, true, true, c.shiftFirst);
                }
            } else if (c.ctrlRepeats && now > 100 && now < 300 && now % 30 == 10) {
                PostKey(handle, resources::VK_CONTROL, true, true, false, false, true);
            } else if (now == 150 && c.withKey != 0) {
                PostKey(handle, c.withKey, true, true, c.withKey == resources::VK_SHIFT);
                if (request) {
                    // Delivered here, so the request shows before the wait takes it.
                    platform::PumpPending();
                    requestSeen = pending() && PcOf(player) == 0;
                    PostKey(handle, c.withKey, false, true);
                }
            } else if (now == 900) {
                PostKey(handle, resources::VK_CONTROL, false, false, shift);
                if (shift) {
                    PostKey(handle, resources::VK_SHIFT, false);
                }
                platform::PostCtrlHeld(false);
            } else if (now == 2000) {
                PostKey(handle, resources::VK_TAB, true);
            }
            if (firstMove < 0 && PcOf(player) != 0) {
                firstMove = now;
            }
            if (requestSeen && !pending() && PcOf(player) == 0) {
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
        if (request) {
            EXPECT_TRUE(requestSeen) << c.name;
            EXPECT_TRUE(requestTakenAtMessage) << c.name;
        }
    }
}
