// `vnscript check` on a large generated game: 200 event files of 500 events
// each (100,000 events) that use 2,000 pictures (BMP and PNG, colour
// images and masks), sound files, labels across files and 100 parameters.
// The game is clean, so every rule runs on every event and nothing stops
// early. The folder is made once under the temporary directory.
#include "gamecheck/GameCheck.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 200;
constexpr int kEventsPerFile = 500;
constexpr int kLabelsPerFile = 25;
constexpr int kPictures = 500; // of each of the four kinds below
constexpr int kParams = 100;

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, uint32_t v, bool bigEndian) {
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (bigEndian ? 24 - 8 * i : 8 * i)));
}

// An uncompressed BMP of 24 bits, or of 8 bits with a grey palette.
Bytes Bmp(int32_t width, int32_t height, int bits) {
    const uint32_t stride = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
    const uint32_t palette = bits == 8 ? 1024 : 0;
    Bytes b{'B', 'M'};
    Put32(b, 54 + palette + stride * height, false);
    Put32(b, 0, false);
    Put32(b, 54 + palette, false);
    for (const uint32_t v :
         {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height),
          1u | (static_cast<uint32_t>(bits) << 16), 0u, 0u, 2835u, 2835u, 0u, 0u})
        Put32(b, v, false);
    for (uint32_t i = 0; i < palette / 4; ++i)
        Put32(b, i * 0x010101u, false);
    b.resize(b.size() + stride * height, 0x77);
    return b;
}

void PutChunk(Bytes& png, const char* type, const Bytes& data) {
    Put32(png, static_cast<uint32_t>(data.size()), true);
    const size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    Put32(png,
          static_cast<uint32_t>(crc32(0, png.data() + typeAt, static_cast<uInt>(data.size() + 4))),
          true);
}

// A PNG whose image data is split into many small chunks, as encoders that
// write 8 KB chunks do for large pictures, so the probe walks real chunk lists.
Bytes Png(int32_t width, int32_t height, bool grey, uint32_t seed) {
    const int channels = grey ? 1 : 3;
    Bytes raw;
    std::minstd_rand random(seed);
    for (int32_t y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int32_t i = 0; i < width * channels; ++i)
            raw.push_back(static_cast<uint8_t>(random()));
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes z(size);
    compress2(z.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 1);
    z.resize(size);
    Bytes png{137, 80, 78, 71, 13, 10, 26, 10};
    Bytes ihdr;
    Put32(ihdr, static_cast<uint32_t>(width), true);
    Put32(ihdr, static_cast<uint32_t>(height), true);
    for (const uint8_t v : {uint8_t{8}, uint8_t(grey ? 0 : 2), uint8_t{0}, uint8_t{0}, uint8_t{0}})
        ihdr.push_back(v);
    PutChunk(png, "IHDR", ihdr);
    constexpr size_t kChunk = 256;
    for (size_t at = 0; at < z.size(); at += kChunk)
        PutChunk(png, "IDAT", Bytes(z.begin() + at, z.begin() + std::min(z.size(), at + kChunk)));
    PutChunk(png, "IEND", {});
    return png;
}

void Write(const fs::path& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

VNEvent Event(int32_t code, std::vector<std::string> strings, std::vector<int32_t> ints = {}) {
    VNEvent event(code);
    size_t s = 0;
    size_t i = 0;
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        if (event.IsIntArg(n))
            event.SetInt(n, i < ints.size() ? ints[i++] : 0);
        else
            event.SetString(n, VNString(s < strings.size() ? strings[s++].c_str() : ""));
    }
    return event;
}

std::string Name(const char* stem, int n, const char* extension) {
    return stem + std::to_string(n) + extension;
}

// One event file: labels spread over the file, the rest a mix of text,
// pictures, parameters, jumps into other files, choices and sound.
void WriteEventFile(const fs::path& path, int file, std::minstd_rand& random) {
    VNEventFile events;
    const auto pick = [&](int n) { return static_cast<int>(random() % n); };
    const auto label = [&](int n) { return "L" + std::to_string(n); };
    const auto param = [&] { return Name("p", pick(kParams), ""); };
    const int spacing = kEventsPerFile / kLabelsPerFile;
    for (int n = 0; n < kEventsPerFile; ++n) {
        if (n % spacing == 0) {
            events.Push(std::make_unique<VNEvent>(Event(EVENTCODE_LABEL, {label(n / spacing)})));
            continue;
        }
        const int roll = pick(100);
        VNEvent event(EVENTCODE_NARRATION);
        if (roll < 35) {
            event = Event(EVENTCODE_NARRATION,
                          {"夕暮れの駅前。改札の向こうに見覚えのある顔が見えた。"});
        } else if (roll < 55) {
            event = Event(EVENTCODE_SERIF, {"案内人", "やあ、よく来たね。"});
        } else if (roll < 65) {
            const int k = pick(kPictures);
            event = k % 2 == 0
                        ? Event(EVENTCODE_CHARACTER, {Name("c", k, ".bmp"), Name("c", k, "_m.bmp")},
                                {pick(3), pick(3)})
                        : Event(EVENTCODE_CHARACTER, {Name("p", k, ".png"), Name("p", k, "_m.png")},
                                {pick(3), pick(3)});
        } else if (roll < 70) {
            event = Event(EVENTCODE_BACKGROUND, {Name("c", pick(kPictures), ".bmp")});
        } else if (roll < 75) {
            event = Event(EVENTCODE_SETPARAM, {param(), param(), "3"}, {pick(13)});
        } else if (roll < 80) {
            event = Event(EVENTCODE_SETFLAG, {param()}, {pick(3)});
        } else if (roll < 84) {
            const int target = pick(kFiles);
            event = Event(EVENTCODE_JUMP,
                          {Name("f", target, ".evt"), label(pick(kLabelsPerFile)), param()},
                          {1 + pick(2)});
        } else if (roll < 87) {
            event = Event(EVENTCODE_JUMP, {"", label(pick(kLabelsPerFile)), param()}, {1});
        } else if (roll < 89) {
            event = Event(EVENTCODE_SELECT, {"右へ", label(pick(kLabelsPerFile)), "左へ",
                                             label(pick(kLabelsPerFile)), "", ""});
            // What follows a choice is reached through a label only.
            events.Push(std::make_unique<VNEvent>(event));
            event = Event(EVENTCODE_LABEL, {"after" + std::to_string(n)});
        } else if (roll < 90) {
            const int k = 2 * pick(kPictures / 2);
            event =
                Event(EVENTCODE_ANIME,
                      {"0," + Name("c", pick(kPictures), ".bmp") + ",0/1," + Name("c", k, ".bmp") +
                       "," + Name("c", k, "_m.bmp") + ",0,10,10,100,100,0,0,0,255/"},
                      {500, 2});
        } else if (roll < 93) {
            event = Event(EVENTCODE_PCM, {Name("s", pick(20), ".wav")}, {0});
        } else if (roll < 95) {
            event = Event(EVENTCODE_MIDI, {Name("m", pick(20), ".mid")}, {0, 1});
        } else {
            event = Event(EVENTCODE_WAIT, {}, {500});
        }
        events.Push(std::make_unique<VNEvent>(event));
    }
    // Every file leads on to the next, so the game reaches all of them.
    events.Push(std::make_unique<VNEvent>(
        Event(EVENTCODE_JUMP, {Name("f", (file + 1) % kFiles, ".evt"), "L0", ""}, {0})));
    if (!events.Save(path.string()))
        std::abort();
}

const std::string& LargeGame() {
    static const std::string folder = [] {
        const fs::path root = fs::temp_directory_path() / "vnbench-check-game";
        fs::remove_all(root);
        for (const char* sub : {"event", "save", "cg", "pcm", "midi"})
            fs::create_directories(root / sub);
        std::minstd_rand random(2024);
        for (int f = 0; f < kFiles; ++f)
            WriteEventFile(root / "event" / Name("f", f, ".evt"), f, random);
        VNEventFile start;
        start.Push(std::make_unique<VNEvent>(Event(EVENTCODE_JUMP, {"f0.evt", "", ""}, {0})));
        start.Save((root / "event" / "start.evt").string());
        VNParamFile global;
        for (int p = 0; p < kParams; ++p)
            global.Add(VNString(Name("p", p, "").c_str()), 0);
        global.Save((root / "save" / "global.flg").string());
        VNParamFile().Save((root / "save" / "local.flg").string());
        for (int k = 0; k < kPictures; ++k) {
            Write(root / "cg" / Name("c", k, ".bmp"), Bmp(64, 48, 24));
            Write(root / "cg" / Name("c", k, "_m.bmp"), Bmp(64, 48, 8));
            Write(root / "cg" / Name("p", k, ".png"), Png(48, 64, false, k));
            Write(root / "cg" / Name("p", k, "_m.png"), Png(48, 64, true, k));
        }
        for (int s = 0; s < 20; ++s) {
            Write(root / "pcm" / Name("s", s, ".wav"), Bytes(64, 0));
            Write(root / "midi" / Name("m", s, ".mid"), Bytes(64, 0));
        }
        return root.string();
    }();
    return folder;
}

void BM_CheckLargeGame(benchmark::State& state) {
    const std::string& folder = LargeGame();
    size_t findings = 0;
    for (auto _ : state) {
        const gamecheck::CheckResult result = gamecheck::CheckGame(folder);
        findings = result.findings.size();
        benchmark::DoNotOptimize(findings);
    }
    if (findings != 0) {
        state.SkipWithError("the generated game should be clean");
        return;
    }
    state.counters["events"] = kFiles * kEventsPerFile;
    state.counters["pictures"] = 4 * kPictures;
}
BENCHMARK(BM_CheckLargeGame)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
