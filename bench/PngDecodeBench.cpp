// PNG decoding of a 1920 x 1080 truecolour picture: our reader against
// libpng on the same file, both producing 32-bit bottom-up BGRA rows; the
// same picture with an alpha channel, which the reader hands to libpng; and
// loading the truecolour file from disk as Surface::Load does.
#include "graphics/PngReader.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// A photo-like picture: smooth gradients and shapes with a little noise,
// so deflate and the adaptive filters behave as on real artwork.
std::vector<uint8_t> MakeRgbPicture() {
    std::vector<uint8_t> rgb(static_cast<size_t>(kWidth) * kHeight * 3);
    uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = static_cast<int>((seed >> 16) % 9) - 4;
            const double fx = x / static_cast<double>(kWidth);
            const double fy = y / static_cast<double>(kHeight);
            const double wave = std::sin(fx * 9.0 + fy * 4.0) * 0.5 + 0.5;
            const double disc =
                (fx - 0.6) * (fx - 0.6) + (fy - 0.4) * (fy - 0.4) < 0.05 ? 1.0 : 0.0;
            const int r = static_cast<int>(255 * (0.6 * fx + 0.4 * wave)) + noise;
            const int g = static_cast<int>(255 * (0.5 * fy + 0.3 * disc + 0.2 * wave)) + noise;
            const int b = static_cast<int>(255 * (0.7 * (1 - fx) * fy + 0.3 * disc)) + noise;
            uint8_t* p = &rgb[(static_cast<size_t>(y) * kWidth + x) * 3];
            p[0] = static_cast<uint8_t>(std::clamp(r, 0, 255));
            p[1] = static_cast<uint8_t>(std::clamp(g, 0, 255));
            p[2] = static_cast<uint8_t>(std::clamp(b, 0, 255));
        }
    return rgb;
}

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// The same picture with an alpha channel that varies across it.
std::vector<uint8_t> AddAlpha(const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> rgba;
    rgba.reserve(rgb.size() / 3 * 4);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2]});
        rgba.push_back(static_cast<uint8_t>(rgb[i] ^ rgb[i + 2]));
    }
    return rgba;
}

// Encodes with libpng's defaults: compression level 6, adaptive filters,
// image data in chunks of 8 KB.
std::vector<uint8_t> EncodePng(const std::vector<uint8_t>& pixels, bool alpha = false) {
    std::vector<uint8_t> file;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &file, AppendToVector, nullptr);
    png_set_IHDR(png, info, kWidth, kHeight, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = static_cast<size_t>(kWidth) * (alpha ? 4 : 3);
    for (int y = 0; y < kHeight; ++y)
        png_write_row(png, &pixels[y * rowBytes]);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return file;
}

const std::vector<uint8_t>& TestFile() {
    static const std::vector<uint8_t> file = EncodePng(MakeRgbPicture());
    return file;
}

const std::vector<uint8_t>& AlphaFile() {
    static const std::vector<uint8_t> file = EncodePng(AddAlpha(MakeRgbPicture()), true);
    return file;
}

struct MemoryReader {
    const uint8_t* data;
    size_t left;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->left)
        png_error(png, "read past the end");
    std::memcpy(out, reader->data, length);
    reader->data += length;
    reader->left -= length;
}

// libpng decoding into 32-bit BGRA rows, bottom-up like a surface.
bool DecodeWithLibpng(const std::vector<uint8_t>& file, uint8_t* pixels, bool checkCrc) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(kHeight);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    MemoryReader reader{file.data(), file.size()};
    png_set_read_fn(png, &reader, ReadFromMemory);
    if (!checkCrc)
        png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_read_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    for (int y = 0; y < kHeight; ++y)
        rows[y] = pixels + static_cast<size_t>(kHeight - 1 - y) * kWidth * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void BM_PngDecodeOurs(benchmark::State& state) {
    const std::vector<uint8_t>& file = TestFile();
    {
        // Both decoders must agree on every byte before their times mean anything.
        Surface surface;
        std::vector<uint8_t> reference(static_cast<size_t>(kWidth) * kHeight * 4);
        if (!ReadPngColour(file, surface) || !DecodeWithLibpng(file, reference.data(), true) ||
            std::memcmp(surface.Pixels(), reference.data(), reference.size()) != 0) {
            state.SkipWithError("our decode differs from libpng's");
            return;
        }
    }
    for (auto _ : state) {
        Surface surface;
        if (!ReadPngColour(file, surface))
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(surface.Pixels());
    }
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024;
}
BENCHMARK(BM_PngDecodeOurs)->Unit(benchmark::kMillisecond);

void BM_PngDecodeLibpng(benchmark::State& state) {
    const std::vector<uint8_t>& file = TestFile();
    for (auto _ : state) {
        // Output memory allocated and cleared per decode, as Surface::Create does.
        std::unique_ptr<uint8_t[]> pixels(new uint8_t[static_cast<size_t>(kWidth) * kHeight * 4]());
        if (!DecodeWithLibpng(file, pixels.get(), state.range(0) != 0))
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pixels.get());
    }
}
BENCHMARK(BM_PngDecodeLibpng)->Arg(1)->Arg(0)->ArgName("crc")->Unit(benchmark::kMillisecond);

void BM_PngDecodeAlpha(benchmark::State& state) {
    const std::vector<uint8_t>& file = AlphaFile();
    for (auto _ : state) {
        Surface surface;
        if (!ReadPngColour(file, surface) || !surface.HasMask())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(surface.Pixels());
    }
    state.counters["file_kB"] = static_cast<double>(file.size()) / 1024;
}
BENCHMARK(BM_PngDecodeAlpha)->Unit(benchmark::kMillisecond);

// The truecolour file from disk: the reader asks for one chunk after another.
void BM_PngLoadFile(benchmark::State& state) {
    const std::string path = "/tmp/vnbench-" + std::to_string(getpid()) + ".png";
    std::FILE* out = std::fopen(path.c_str(), "wb");
    const std::vector<uint8_t>& file = TestFile();
    const bool written = out && std::fwrite(file.data(), 1, file.size(), out) == file.size();
    if (out == nullptr || std::fclose(out) != 0 || !written) {
        state.SkipWithError("cannot write the file");
        return;
    }
    for (auto _ : state) {
        Surface surface;
        if (!surface.Load(path.c_str(), nullptr))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(surface.Pixels());
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_PngLoadFile)->Unit(benchmark::kMillisecond);

} // namespace
