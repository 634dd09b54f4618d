// Rollback: recording a message's step in a game of 1,000 parameters (their
// values read, the eleven layers described, the changes kept), with the
// memory a step holds as a counter; and going back one step at 1920 x 1080:
// the layers set again (the background read from its file), the picture
// redrawn with the box and the message, presented and painted. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "BenchPictures.h"
#include "graphics/Layer.h"
#include "platform/Application.h"
#include "platform/EventPump.h"
#include "player/MessageWindow.h"
#include "player/PlayerContext.h"
#include "player/Reports.h"
#include "player/RollbackHistory.h"
#include "player/Stage.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "scenario/VNParamFile.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int32_t kParams = 1000;
const VNString kMessage(u8"【ナレーター】/雨はまだ止まない。窓の外では街の灯りが滲んで見える。");

std::array<VNString, kLayerCount> Settings(const char* background) {
    std::array<VNString, kLayerCount> settings;
    settings[0] = VNString(background) + VNString(",,0,0,0,100,100,0,0,0,255");
    for (int i = 1; i <= 3; ++i) {
        settings[i] =
            VNString("chara.bmp,,0,") + VNString(200 * i) + VNString(",0,100,100,0,0,0,255");
    }
    for (int i = 4; i < kLayerCount; ++i) {
        settings[i] = VNString(",,0,0,0,100,100,0,0,0,0");
    }
    return settings;
}

void BM_RollbackRecord(benchmark::State& state) {
    VNParamFile params;
    for (int32_t i = 0; i < kParams; ++i) {
        params.Add(VNString(("flag" + std::to_string(i)).c_str()), 0);
    }
    const auto small = [](const VNString&, const VNString&, Surface& s) { return s.Create(4, 4); };
    std::vector<std::unique_ptr<Layer>> layers;
    const auto settings = Settings("bg");
    for (int i = 0; i < kLayerCount; ++i) {
        layers.push_back(std::make_unique<Layer>(i, 1920, 1080, small));
        layers.back()->ApplySetting(settings[i]);
        layers.back()->Commit();
    }
    RollbackHistory history;
    int32_t message = 0;
    for (auto _ : state) {
        // Two parameters written since the previous message.
        params.SetValue(message % kParams, message);
        params.SetValue(message * 7 % kParams, message + 1);
        RollbackState now;
        for (int32_t i = 0; i < params.GetCount(); ++i) {
            now.ints[RollbackState::kGlobal].push_back(params.GetValue(i));
        }
        for (int i = 0; i < kLayerCount; ++i) {
            now.texts[i] = layers[i]->Describe().Bytes();
        }
        now.texts[RollbackState::kMidiText] = "theme.mid";
        now.texts[RollbackState::kTitleText] = "第一章";
        history.Record({VNString("start.evt"), message, kMessage}, now);
        ++message;
    }
    size_t bytes = 0;
    for (size_t i = 0; i < history.Count(); ++i) {
        bytes += history.StepBytes(i);
    }
    state.counters["bytes_per_step"] = static_cast<double>(bytes) / history.Count();
}
BENCHMARK(BM_RollbackRecord)->Unit(benchmark::kMicrosecond);

// A 24-bit BMP of `picture`, rows bottom-up as the surface keeps them.
void WriteBmp(const std::filesystem::path& path, const Surface& picture) {
    const int32_t w = picture.Width();
    const int32_t h = picture.Height();
    const int32_t row = (w * 3 + 3) & ~3;
    std::vector<uint8_t> file(54 + static_cast<size_t>(row) * h, 0);
    const auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            file[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    file[0] = 'B', file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54), put32(14, 40), put32(18, w), put32(22, h);
    file[26] = 1, file[28] = 24;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t p = picture.Pixels()[static_cast<size_t>(y) * w + x];
            for (int c = 0; c < 3; ++c) {
                file[54 + static_cast<size_t>(y) * row + x * 3 + c] =
                    static_cast<uint8_t>(p >> (8 * c));
            }
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
}

void BM_RollbackStepBack1080p(benchmark::State& state) {
    static const resources::ResourceSet resources = resources::MakePlayerResources(false);
    platform::EnsureTestApplication(resources);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vnbench-rollback";
    std::filesystem::create_directories(folder / "cg");
    WriteBmp(folder / "cg" / "bg1.bmp", *bench::MakeBackground(1920, 1080, 1));
    WriteBmp(folder / "cg" / "bg2.bmp", *bench::MakeBackground(1920, 1080, 2));
    WriteBmp(folder / "cg" / "chara.bmp", *bench::MakeBackground(400, 900, 3));
    std::ofstream(folder / "game.ini") << "[game]\r\nWindowWidth=1920\r\nWindowHeight=1080\r\n";

    SteadyClock clock;
    PlayerContext context(PlayerEdition::Play, folder.string(), clock);
    context.ReadConfig();
    Reports reports(context);
    Stage stage(context, reports);
    MessageWindow message(context, stage);
    if (!context.OpenWindow() || !stage.Create()) {
        state.SkipWithError("the window did not open");
        return;
    }
    message.CreateFont();
    // With argument 1 each step back changes the background, read again from
    // its file; with 0 only the message changes.
    const std::array<std::array<VNString, kLayerCount>, 2> steps{
        Settings("bg1.bmp"), Settings(state.range(0) ? "bg2.bmp" : "bg1.bmp")};
    size_t at = 0;
    stage.SetLayers(steps[at]);
    if (!stage.GetLayer(0).CommittedImage() || !stage.GetLayer(1).CommittedImage()) {
        state.SkipWithError("the pictures did not load");
    }
    for (auto _ : state) {
        at ^= 1;
        stage.SetLayers(steps[at]);
        message.ShowMessageAtOnce(kMessage);
        platform::PumpPending();
    }
    message.Release();
    stage.Release();
    context.CloseWindow();
    platform::PumpPending();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RollbackStepBack1080p)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
