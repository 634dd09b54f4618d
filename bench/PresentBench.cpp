// Presenting a whole frame to the player's window: the copy of the back
// buffer into the window's picture (which the full-screen view shares), and
// the same followed by the repaint that the next pump performs. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "BenchPictures.h"
#include "platform/Application.h"
#include "platform/EventPump.h"
#include "player/Clock.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void ScreenSizes(benchmark::internal::Benchmark* b) {
    b->Args({640, 480})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
}

void Present(benchmark::State& state, bool paint) {
    static const resources::ResourceSet resources = resources::MakePlayerResources(false);
    platform::EnsureTestApplication(resources);
    const int32_t w = static_cast<int32_t>(state.range(0));
    const int32_t h = static_cast<int32_t>(state.range(1));
    SteadyClock clock;
    VNPWindow window(PlayerEdition::Play, clock);
    if (!window.Open(VNString("bench"), w, h)) {
        state.SkipWithError("the window did not open");
        return;
    }
    const auto picture = bench::MakeBackground(w, h, 7);
    std::memcpy(window.BackBuffer().Pixels(), picture->Pixels(), static_cast<size_t>(w) * h * 4);
    platform::PumpPending();
    for (auto _ : state) {
        window.PresentAll();
        if (paint) {
            platform::PumpPending();
        }
    }
    window.Shutdown();
    platform::PumpPending();
}

void BM_PresentFrame(benchmark::State& state) {
    Present(state, false);
}
void BM_PresentFrameAndPaint(benchmark::State& state) {
    Present(state, true);
}
BENCHMARK(BM_PresentFrame)->Apply(ScreenSizes);
BENCHMARK(BM_PresentFrameAndPaint)->Apply(ScreenSizes);

} // namespace
