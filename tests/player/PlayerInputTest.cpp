// Keys held down in a running game: a held key is one press however often
// the system repeats it.
#include "PlayerTestSupport.h"

#include "platform/VirtualKeys.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace playertest;
using platform::PostKey;
using platform::VK_RETURN;
using platform::VK_TAB;

namespace {

// X11's repeat of a held key: a release and a press, both marked as repeats.
void PostRepeat(platform::WindowHandle handle, int key, bool ctrl = false, bool shift = false) {
    PostKey(handle, key, false, ctrl, shift, false, true);
    PostKey(handle, key, true, ctrl, shift, false, true);
}

} // namespace

TEST(PlayerInput, HoldingEnterThroughRepeatsAdvancesOneMessage) {
    // Enter goes down at 100 ms, repeats every 30 ms and comes up at 800 ms.
    // Each repeat's release and press arrive in separate pumps, as they can
    // from the X server. The first wait ends at the real release; the next
    // one waits for a new press.
    const std::map<std::string, VNEvent> waits = {{"narration", Narration("page")},
                                                  {"waitclick", WaitClick()}};
    for (const auto& [name, wait] : waits) {
        GameFolder game;
        WriteGame(game, {wait, wait, wait, wait, wait}, {});
        Session session;
        int32_t highestWhileHeld = -1;
        int32_t afterRelease = -1;
        EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            const auto handle = player.Window()->Handle();
            if (now == 100) {
                PostKey(handle, VK_RETURN, true);
            } else if (now > 100 && now < 800 && now % 30 == 10) {
                PostKey(handle, VK_RETURN, false, false, false, false, true);
            } else if (now > 100 && now < 800 && now % 30 == 20) {
                PostKey(handle, VK_RETURN, true, false, false, false, true);
            } else if (now == 800) {
                PostKey(handle, VK_RETURN, false);
            } else if (now == 1000) {
                afterRelease = player.ProgramCounter();
                PostKey(handle, VK_TAB, true); // skip mode ends the game
            }
            if (now < 800) {
                highestWhileHeld = std::max(highestWhileHeld, player.ProgramCounter());
            }
        }));
        EXPECT_EQ(highestWhileHeld, 0) << name;
        EXPECT_EQ(afterRelease, 1) << name;
    }
}

TEST(PlayerInput, AHeldAcceleratorKeyTogglesOnce) {
    // Tab pressed and repeated three times: skip mode goes on once and stays.
    GameFolder game;
    WriteGame(game, {WaitClick(), WaitClick()}, {});
    Session session;
    bool posted = false;
    bool skipModeAfterHold = false;
    bool checked = false;
    EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
        VNPWindow& window = *player.Window();
        if (now == 100) {
            PostKey(window.Handle(), VK_TAB, true);
            for (int n = 0; n < 3; ++n) {
                PostRepeat(window.Handle(), VK_TAB);
            }
            PostKey(window.Handle(), VK_TAB, false);
            posted = true;
        } else if (posted && !checked) {
            // Everything posted arrives in the next pump, before this reading.
            skipModeAfterHold = window.SkipMode();
            checked = true;
        } else if (now == 2000) {
            PostKey(window.Handle(), VK_TAB, true); // ends the game if it is still waiting
        }
    }));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(skipModeAfterHold);
}
