// vnprobe's game loop without waits, 1,000,000 events: per event what the
// interpreter asks of the debug window (position, refresh, run state) and
// the arithmetic of a setparam, with no breakpoint, and with 100
// breakpoints whose conditions never hold. The difference is the cost of
// the breakpoint check; the game folder has no breakpoint file.
#include "debugger/VNDDebug.h"
#include "player/ParamArithmetic.h"
#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr int32_t kEvents = 1000;
constexpr int32_t kRounds = 1000; // kEvents * kRounds events a loop

void BM_ProbeLoop(benchmark::State& state) {
    const std::string folder =
        (std::filesystem::temp_directory_path() / "vnbench-probe-loop").string();
    std::filesystem::create_directories(folder);
    VNEventFile events;
    for (int32_t i = 0; i < kEvents; ++i) {
        VNEvent event(EVENTCODE_SETPARAM);
        event.SetString(0, VNString("counter"));
        event.SetString(1, VNString("counter"));
        event.SetString(3, VNString("1"));
        events.Push(&event);
    }
    VNParamFile global, local;
    global.Add(VNString("counter"), 0);
    local.Add(VNString("never"), 0);
    const VNString name("start.evt");
    VNDDebug debug(folder);
    debug.SetParamTables(&global, &local);
    debug.SetRunningFile(name, &events, vn::FileStamp());
    const auto breakpoints = static_cast<int32_t>(state.range(0));
    for (int32_t i = 0; i < breakpoints; ++i) {
        const BreakCondition never{VNString("never"), BreakCondition::Compare::Equal, 1};
        debug.GameBreakpoints().Set(name, i * (kEvents / breakpoints), never);
    }
    debug.SetState(DEBUG_STATE_PLAYING);
    const int32_t counter = global.Find(VNString("counter"));
    for (auto _ : state) {
        for (int32_t round = 0; round < kRounds; ++round) {
            for (int32_t pc = 0; pc < kEvents; ++pc) {
                debug.SetPosition(name, &events, pc);
                debug.Refresh();
                if (debug.State() != DEBUG_STATE_PLAYING) {
                    state.SkipWithError("a breakpoint was hit");
                    return;
                }
                int32_t result = 0;
                ApplyParamOperator(events.Get(pc)->GetInt(2), global.GetValue(counter), 1, result);
                global.SetValue(counter, result);
            }
        }
    }
    state.counters["events"] = static_cast<double>(kEvents) * kRounds;
}

// The check alone, 1,000,000 times: what BM_ProbeLoop/100 adds per loop.
void BM_BreakCheck(benchmark::State& state) {
    Breakpoints table;
    const VNString name("start.evt");
    for (int32_t i = 0; i < 100; ++i) {
        table.Set(name, i * (kEvents / 100),
                  BreakCondition{VNString("never"), BreakCondition::Compare::Equal, 1});
    }
    VNParamFile local;
    local.Add(VNString("never"), 0);
    BreakGate gate;
    gate.Bind(table, name, [&](const VNString& param, const VNParamFile*& t, int32_t& index) {
        t = &local;
        index = local.Find(param);
        return index >= 0;
    });
    for (auto _ : state) {
        int32_t stops = 0;
        for (int32_t round = 0; round < kRounds; ++round) {
            for (int32_t pc = 0; pc < kEvents; ++pc) {
                stops += gate.Stops(pc) ? 1 : 0;
            }
        }
        benchmark::DoNotOptimize(stops);
    }
}

} // namespace

BENCHMARK(BM_ProbeLoop)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BreakCheck)->Unit(benchmark::kMillisecond);
