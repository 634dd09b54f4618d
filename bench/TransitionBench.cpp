// Frames of the screen transitions at three screen sizes: ten full-screen
// masked character layers over an opaque background, one of them changing,
// composed as the player composes each frame. BM_Memcpy11 in the same binary
// is the yardstick (eleven full-frame copies).

#include "BenchPictures.h"
#include "graphics/Layer.h"
#include "graphics/LayerComposition.h"
#include "graphics/PixelOpsClip.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

void ScreenSizes(benchmark::internal::Benchmark* b) {
    b->Args({640, 480})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
}

// The eleven layers with their pictures made in memory: layer 0 the
// background, layers 1 to 10 masked sprites; "new" is a further sprite that
// a changing layer moves to.
struct Stage {
    int32_t width, height;
    std::map<std::string, std::unique_ptr<Surface>> pictures;
    LayerSet layers;
    Surface screen;
    Surface composition;

    Stage(int32_t w, int32_t h) : width(w), height(h) {
        pictures["bg"] = bench::MakeBackground(w, h, 4);
        pictures["bg2"] = bench::MakeBackground(w, h, 5);
        for (int i = 1; i < kLayerCount; ++i)
            pictures["s" + std::to_string(i)] = bench::MakeSprite(w, h, 20 + i);
        pictures["new"] = bench::MakeSprite(w, h, 40);
        const LayerImageLoader loader = [this](const VNString& name, const VNString&,
                                               Surface& surface) {
            return CopySurface(*pictures.at(name.Bytes()), surface);
        };
        for (int i = 0; i < kLayerCount; ++i)
            layers[i] = std::make_unique<Layer>(i, w, h, loader);
        layers[0]->ApplySetting(VNString("bg,,0,0,0,100,100,0,0,0,255"));
        for (int i = 1; i < kLayerCount; ++i)
            layers[i]->ApplySetting(
                VNString(("s" + std::to_string(i) + ",m,0,0,0,100,100,0,0,0,255").c_str()));
        for (auto& layer : layers)
            layer->Commit();
        screen.Create(w, h);
        composition.Create(w, h);
    }

    // Layer 1 changes with `kind`: to the new sprite (replaced), or from
    // nothing when `appearing`.
    void ChangeFront(int kind, bool appearing) {
        if (appearing) {
            layers[1]->ApplySetting(VNString(",,0"));
            layers[1]->Commit();
        }
        const std::string setting = "new,m," + std::to_string(kind) + ",0,0,100,100,0,0,0,255";
        layers[1]->ApplySetting(VNString(setting.c_str()));
    }
};

void LayerFrame(benchmark::State& state, int kind, bool appearing) {
    Stage stage(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    stage.ChangeFront(kind, appearing);
    LayerMarks marks{};
    marks[1] = true;
    for (auto _ : state) {
        ComposeLayerFrame(stage.screen, stage.composition, stage.layers, marks, 0.5f);
        benchmark::ClobberMemory();
    }
}

// Kind 0 with a character appearing: the new picture blended at half alpha.
void BM_LayerFrameBlend(benchmark::State& state) {
    LayerFrame(state, 0, true);
}
// Kind 1, a character replaced: both pictures through complementary patterns.
void BM_LayerFramePattern(benchmark::State& state) {
    LayerFrame(state, 1, false);
}
// Kind 5, a character replaced: both pictures through the alpha curtain.
void BM_LayerFrameCurtain(benchmark::State& state) {
    LayerFrame(state, 5, false);
}
// Kind 0, a character replaced: the crossfade through the composition buffer.
void BM_LayerFrameCrossfade(benchmark::State& state) {
    LayerFrame(state, 0, false);
}
BENCHMARK(BM_LayerFrameBlend)->Apply(ScreenSizes);
BENCHMARK(BM_LayerFramePattern)->Apply(ScreenSizes);
BENCHMARK(BM_LayerFrameCurtain)->Apply(ScreenSizes);
BENCHMARK(BM_LayerFrameCrossfade)->Apply(ScreenSizes);

// A background change over the old screen (the ten characters and the
// background, as the snapshot holds them) to a new opaque background.
void BackgroundFrame(benchmark::State& state, int kind) {
    Stage stage(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    ComposeSettled(stage.composition, stage.layers);
    stage.layers[0]->ApplySetting(VNString(("bg2,," + std::to_string(kind)).c_str()));
    int frame = 0;
    for (auto _ : state) {
        // A new set of frames each time, so pattern kinds always draw.
        BackgroundFrames frames(kind, true);
        const float p = 0.25f + 0.5f * static_cast<float>(frame++ % 2);
        frames.Draw(stage.screen, stage.composition, *stage.layers[0], p);
        benchmark::ClobberMemory();
    }
}
void BM_BackgroundFrameBlend(benchmark::State& state) {
    BackgroundFrame(state, 0);
}
void BM_BackgroundFramePattern(benchmark::State& state) {
    BackgroundFrame(state, 1);
}
void BM_BackgroundFrameCurtain(benchmark::State& state) {
    BackgroundFrame(state, 5);
}
BENCHMARK(BM_BackgroundFrameBlend)->Apply(ScreenSizes);
BENCHMARK(BM_BackgroundFramePattern)->Apply(ScreenSizes);
BENCHMARK(BM_BackgroundFrameCurtain)->Apply(ScreenSizes);

// The settled screen: what every redraw after a change composes.
void BM_SettledFrame(benchmark::State& state) {
    Stage stage(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) {
        ComposeSettled(stage.screen, stage.layers);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SettledFrame)->Apply(ScreenSizes);

} // namespace
