// Starting music on the sound output: what Play costs the caller (the
// interpreter's thread, which also draws the frames) and how long a
// five-minute piece takes to decode in the background before it sounds.
// Runs on SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise.

#include "platform/SoundFonts.h"
#include "platform/SoundOutput.h"
#include "tests/player/SoundFiles.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using platform::SoundOutput;
using platform::SoundSlot;

// A five-minute wave (chunk slot) and a five-minute MIDI piece (the streamed
// slot), written once into a folder of their own.
struct LongPieces {
    LongPieces() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        folder = std::filesystem::temp_directory_path() / "vnbench-sound";
        std::filesystem::create_directories(folder);
        wave = (folder / "long.wav").string();
        midi = (folder / "long.mid").string();
        soundtest::WriteFile(wave, soundtest::LongWave8(300));
        std::vector<int> notes;
        for (int i = 0; i < 600; ++i) { // 600 half-second notes
            notes.push_back(60 + i % 12);
        }
        soundtest::WriteFile(midi, soundtest::Midi(notes));
    }
    std::filesystem::path folder;
    std::string wave;
    std::string midi;
};

const LongPieces& Pieces() {
    static const LongPieces pieces;
    return pieces;
}

// The caller's cost of Play: each call replaces the piece the one before
// asked for, whose decode gives up.
void BM_SoundPlayReturns(benchmark::State& state, SoundSlot slot) {
    const LongPieces& pieces = Pieces();
    const std::string& path = slot == SoundSlot::Midi ? pieces.midi : pieces.wave;
    SoundOutput output(platform::ChooseSoundFont(""));
    if (output.WaitForDevice(20000) != platform::SoundDevice::Open) {
        state.SkipWithError("no audio device, not even the dummy one");
        return;
    }
    for (auto _ : state) {
        output.Play(slot, path, true);
    }
    output.Stop(slot);
}
BENCHMARK_CAPTURE(BM_SoundPlayReturns, wave, SoundSlot::Mp3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SoundPlayReturns, midi, SoundSlot::Midi)->Unit(benchmark::kMicrosecond);

// From Play to the piece sounding: the background decode of five minutes of
// wave data into a chunk, or the MIDI piece and its SoundFont.
void BM_SoundFiveMinutesUntilItSounds(benchmark::State& state, SoundSlot slot) {
    const LongPieces& pieces = Pieces();
    const std::string& path = slot == SoundSlot::Midi ? pieces.midi : pieces.wave;
    SoundOutput output(platform::ChooseSoundFont(""));
    if (output.WaitForDevice(20000) != platform::SoundDevice::Open) {
        state.SkipWithError("no audio device, not even the dummy one");
        return;
    }
    for (auto _ : state) {
        output.Play(slot, path, true);
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!output.State(slot).sounding) {
            if (std::chrono::steady_clock::now() > limit) {
                state.SkipWithError("the piece did not sound within 20 s");
                return;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        state.PauseTiming();
        output.Stop(slot);
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_SoundFiveMinutesUntilItSounds, wave, SoundSlot::Mp3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_SoundFiveMinutesUntilItSounds, midi, SoundSlot::Midi)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10);

} // namespace
