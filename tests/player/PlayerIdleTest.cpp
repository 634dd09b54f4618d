// The player on the real clock costs no processor time while it waits: at a
// message, a waitclick, a long wait, in the debugger's pause and with a
// report open. Each case lets
// the player settle, measures the process's processor time over more than a
// second of wall time, and then ends the wait. A busy loop uses a whole core;
// the limit of 5 % leaves a wide margin for a loaded machine.
#include "PlayerTestSupport.h"

#include "platform/EventPump.h"
#include "platform/WindowHost.h"
#include "player/VNPDebugLink.h"
#include "player/VNPWindow.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <chrono>

using namespace playertest;

namespace {

constexpr double kSettleMs = 300;
constexpr double kMeasureMs = 1200;
constexpr double kMostShare = 0.05;

double WallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Processor time of the whole process (user and system), in milliseconds.
double ProcessMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The share of one core used from Start() until Share().
struct CpuMeter {
    double wall0 = 0;
    double cpu0 = 0;
    void Start() {
        wall0 = WallMs();
        cpu0 = ProcessMs();
    }
    double Elapsed() const { return WallMs() - wall0; }
    double Share() const { return (ProcessMs() - cpu0) / Elapsed(); }
};

void Click(platform::WindowHandle window) {
    platform::PostMouse(window, platform::WM_LBUTTONDOWN, 4, 4);
    platform::PostMouse(window, platform::WM_LBUTTONUP, 4, 4);
}

// vnprobe's debug window reduced to its run state, which starts paused.
class PausedDebugLink : public VNPDebugLink {
public:
    void SetPosition(const VNString&, VNEventFile*, int32_t) override {}
    void Refresh() override {}
    int32_t State() const override { return state_; }
    void SetState(int32_t state) override { state_ = state; }
    void EnableNavigation(bool) override {}
    void TakePosition(VNString&, std::unique_ptr<VNEventFile>&, int32_t&) override {}
    void SetStatus(const VNString&) override {}
    void SetParamTables(VNParamFile*, VNParamFile*) override {}
    bool IsVisible() const override { return false; }
    void Show(bool) override {}
    void EditParameters(bool) override {}

private:
    int32_t state_ = DEBUG_STATE_PAUSED;
};

} // namespace

TEST(PlayerIdle, WaitsOnTheRealClockCostNoProcessorTime) {
    // Each game waits at event 1; vnprobe's debugger pauses before event 0
    // and plays on Shift+Ctrl+P.
    struct Case {
        const char* name;
        PlayerEdition edition;
        VNEvent wait;
        int32_t waitsAt;
    };
    const Case cases[] = {
        {"message click wait", PlayerEdition::Play, Narration("page"), 1},
        {"waitclick", PlayerEdition::Play, WaitClick(), 1},
        {"long wait", PlayerEdition::Play, Wait(600000), 1},
        {"debugger pause", PlayerEdition::Probe, Title("paused"), 0},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, {Title("idle"), c.wait, SetParam("done", "1", 0, "0")}, {{"done", 0}});
        Session session(c.edition); // the application and the modal hook
        SteadyClock clock;
        VNPlayer player(c.edition, game.Root().string(), clock, 1);
        PausedDebugLink debug;
        if (c.edition == PlayerEdition::Probe) {
            player.SetDebugLink(&debug);
        }

        // Ticks run inside the player's own waits.
        platform::RepeatingTimer ticker;
        CpuMeter meter;
        bool measuring = false;
        double share = -1;
        const double begin = WallMs();
        ticker.Start(100, [&] {
            if (!measuring) {
                if (WallMs() - begin >= kSettleMs && PcOf(player) == c.waitsAt) {
                    meter.Start();
                    measuring = true;
                }
            } else if (share < 0 && meter.Elapsed() >= kMeasureMs) {
                share = meter.Share();
                ticker.Stop();
                const platform::WindowHandle window = player.Window()->Handle();
                if (c.edition == PlayerEdition::Probe) {
                    platform::PostKey(window, 'P', true, true, true);
                    platform::PostKey(window, 'P', false, true, true);
                } else {
                    Click(window);
                }
            }
        });
        EXPECT_TRUE(player.Run()) << c.name;
        EXPECT_TRUE(measuring) << c.name;
        EXPECT_GE(share, 0.0) << c.name;
        EXPECT_LT(share, kMostShare) << c.name;
        EXPECT_EQ(game.ReadParams("global.flg").at("done"), 1) << c.name;
    }

    // A report open over the window: start.evt is missing.
    GameFolder game;
    game.WriteParams("global.flg", {});
    game.WriteParams("local.flg", {});
    Session session;
    double share = -1;
    session.Push([&](platform::ModalView& view) {
        EXPECT_EQ(view.TemplateName(), "IDD_EVTLOADERROR");
        // Wait as the dialog's own loop does, then measure the same way.
        const double settleEnd = WallMs() + kSettleMs;
        while (WallMs() < settleEnd) {
            platform::WaitForMessage(static_cast<int>(settleEnd - WallMs()) + 1);
        }
        CpuMeter meter;
        meter.Start();
        while (meter.Elapsed() < kMeasureMs) {
            platform::WaitForMessage(static_cast<int>(kMeasureMs - meter.Elapsed()) + 1);
        }
        share = meter.Share();
        view.Press(1);
    });
    SteadyClock clock;
    VNPlayer player(PlayerEdition::Play, game.Root().string(), clock, 1);
    EXPECT_FALSE(player.Run());
    EXPECT_TRUE(session.Problems().empty());
    EXPECT_GE(share, 0.0);
    EXPECT_LT(share, kMostShare);
}

TEST(PlayerIdle, ABlockedWaitStillEndsAtItsDeadline) {
    // Nothing arrives while the wait blocks: only its own deadline wakes it.
    GameFolder game;
    WriteGame(game, {Wait(300), SetParam("done", "1", 0, "0")}, {{"done", 0}});
    Session session;
    SteadyClock clock;
    VNPlayer player(PlayerEdition::Play, game.Root().string(), clock, 1);
    // Should the wait never wake by itself, a click ends it late.
    platform::RepeatingTimer rescue;
    rescue.Start(5000, [&] { Click(player.Window()->Handle()); });
    const double start = WallMs();
    EXPECT_TRUE(player.Run());
    rescue.Stop();
    const double took = WallMs() - start;
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 3000);
    EXPECT_EQ(game.ReadParams("global.flg").at("done"), 1);
}
