// Keys held down in a running game: a held key is one press however often
// the system repeats it.
#include "PlayerTestSupport.h"

#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace playertest;
using platform::PostKey;
using resources::VK_RETURN;
using resources::VK_TAB;

TEST(PlayerInput, AHeldKeyIsOnePress) {
    // Enter goes down at 100 ms, repeats every 30 ms and comes up at 800 ms.
    // Each repeat's release and press arrive in separate pumps, as they can
    // from the X server. The first wait ends at the real release; the next
    // one waits for a new press. Then Tab is held through three repeats:
    // skip mode goes on once and stays on, which ends the game.
    const std::map<std::string, VNEvent> waits = {{"narration", Narration("page")},
                                                  {"waitclick", WaitClick()}};
    for (const auto& [name, wait] : waits) {
        GameFolder game;
        WriteGame(game, {wait, wait, wait, wait, wait}, {});
        Session session;
        int32_t highestWhileHeld = -1;
        int32_t afterRelease = -1;
        bool skipModeAfterTab = false;
        EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            const auto handle = player.Window()->Handle();
            const auto repeat = [&](int key, bool down) {
                PostKey(handle, key, down, false, false, false, true);
            };
            if (now == 10) {
                // Messages appear at once: a press while a page is typed would
                // only bring the rest of it.
                player.Window()->OnCommand(
                    platform::MakeWParam(resources::player_cmd::SpeedHigh, 0), 0);
            } else if (now == 100) {
                PostKey(handle, resources::VK_RETURN, true);
            } else if (now > 100 && now < 800 && now % 30 == 10) {
                repeat(resources::VK_RETURN, false);
            } else if (now > 100 && now < 800 && now % 30 == 20) {
                repeat(resources::VK_RETURN, true);
            } else if (now == 800) {
                PostKey(handle, resources::VK_RETURN, false);
            } else if (now == 1000) {
                afterRelease = PcOf(player);
                PostKey(handle, resources::VK_TAB, true);
                for (int n = 0; n < 3; ++n) {
                    repeat(resources::VK_TAB, false);
                    repeat(resources::VK_TAB, true);
                }
                PostKey(handle, resources::VK_TAB, false);
            } else if (now == 1010) {
                // Everything posted at 1000 arrived in the pump before this reading.
                skipModeAfterTab = player.Window()->SkipMode();
            } else if (now == 3000) {
                PostKey(handle, resources::VK_TAB, true); // ends a game that is still waiting
            }
            if (now < 800) {
                highestWhileHeld = std::max(highestWhileHeld, PcOf(player));
            }
        }));
        EXPECT_EQ(highestWhileHeld, 0) << name;
        EXPECT_EQ(afterRelease, 1) << name;
        EXPECT_TRUE(skipModeAfterTab) << name;
    }
}
