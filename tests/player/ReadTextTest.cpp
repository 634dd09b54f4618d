// Read text: kept across runs in save/readtext.txt, and with
// "既読のみスキップ" on, skip stops at the first message not read before.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"

#include <gtest/gtest.h>

using namespace playertest;
using messagetest::Click;
namespace cmd = resources::player_cmd;

namespace {

void Command(VNPlayer& player, int id) {
    player.Window()->OnCommand(platform::MakeWParam(id, 0), 0);
}

} // namespace

TEST(ReadText, SkipStopsAtTheFirstMessageNotReadBeforeOnlyWhenTheOptionIsOn) {
    // A first run skips and clicks through `firstGame`, turning the option
    // on from the menu when asked. Then start.evt changes its second message and a second
    // run skips from the start: it stops (skip mode off) at the first message
    // not read in the first run, or never stops with the option off.
    const std::vector<VNEvent> read = {Wait(1000), Narration("one"), Narration("two")};
    struct Case {
        const char* name;
        std::vector<VNEvent> firstGame;
        bool option;
        int32_t stopsAt; // -1: the second run skips to its end
    };
    const Case cases[] = {
        {"option off", read, false, -1},
        {"option on, read in the first run", read, true, 2},
        {"option on, nothing read", {Wait(1000)}, true, 1},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, c.firstGame, {});
        Session first;
        EXPECT_TRUE(first.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            if (now == 10) {
                if (c.option) {
                    Command(player, cmd::SkipReadOnly);
                }
                Command(player, cmd::SkipMode);
            } else if (now % 100 == 0) {
                Click(player); // through what the option stops at
            }
        }));
        game.WriteEvents("start.evt",
                         {Wait(1000), Narration("one"), Narration("changed"), Narration("three")});
        Session second;
        int32_t stoppedAt = -1;
        EXPECT_TRUE(second.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            if (now == 10) {
                Command(player, cmd::SkipMode);
            } else if (now == 3000) {
                stoppedAt = player.Window()->SkipMode() ? -2 : PcOf(player);
            } else if (now > 3000 && now % 100 == 0) {
                Click(player); // through the messages not read
            }
        }));
        EXPECT_EQ(stoppedAt, c.stopsAt) << c.name;
        EXPECT_TRUE(first.Problems().empty() && second.Problems().empty()) << c.name;
    }
}
