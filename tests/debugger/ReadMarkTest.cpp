// vnprobe's status field tells, while a message is shown, whether it was
// read before: "（既読）" or "（未読）" after the status of the moment.
#include "DebugSession.h"
#include "MessageTestSupport.h"

#include <map>

using namespace debugtest;
using namespace playertest;

TEST(ReadMark, TheStatusFieldTellsWhetherTheShownMessageWasReadBefore) {
    // Two runs of the same game: the first reads both messages, the second
    // finds them read. The first message still shows the start's status.
    GameFolder game;
    WriteGame(game, {SetFlag("f", 0), Narration("one"), Narration("two"), Wait(10)}, {{"f", 0}});
    const char8_t* marks[] = {u8"（未読）", u8"（既読）"};
    for (const char8_t* mark : marks) {
        DebugSession s(game);
        std::map<int32_t, std::string> shown;
        s.session.clock.SetStepPerRead(1);
        s.session.clock.SetObserver([&](int64_t now) {
            const int32_t pc = PcOf(s.player);
            if (s.debug.ShownStatus() != s.debug.StatusText() && !shown.count(pc)) {
                shown[pc] = U(s.debug.ShownStatus());
            } else if (shown.count(pc) && now % 20 == 0) {
                messagetest::Click(s.player); // through the message
            }
        });
        s.atPause.push_back([&] { s.Click(id::Play); });
        EXPECT_TRUE(s.Run());
        s.session.clock.SetObserver(nullptr);
        const std::string m = U(VNString(mark));
        EXPECT_EQ(shown,
                  (std::map<int32_t, std::string>{
                      {1, U(VNString(u8"パラメタ\"f\"に 1 を設定しました。")) + m}, {2, m}}));
        EXPECT_EQ(s.debug.ShownStatus(), s.debug.StatusText()); // no message any more
    }
}
