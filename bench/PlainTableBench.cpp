// The starting point the optimised loops are measured against: the masked
// Blend written as a plain per-pixel loop with one MulTable lookup per
// channel and a branch on the source alpha.

#include "BenchPictures.h"
#include "graphics/MulTable.h"
#include "graphics/PixelOps.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void PlainBlendMasked(const MulTable& table, Surface& dst, const Surface& src) {
    for (int32_t y = 0; y < dst.Height(); ++y) {
        uint8_t* d = reinterpret_cast<uint8_t*>(dst.MemoryRow(y));
        const uint8_t* s = reinterpret_cast<const uint8_t*>(src.MemoryRow(y));
        for (int32_t x = 0; x < dst.Width(); ++x, d += 4, s += 4) {
            const uint8_t t = s[3];
            if (t == 0)
                continue;
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>(table(t, s[c]) + table(255 - t, d[c]));
            d[3] = 0;
        }
    }
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({640, 480})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
}

void BM_PlainTableBlendMasked(benchmark::State& state) {
    const auto width = static_cast<int32_t>(state.range(0));
    const auto height = static_cast<int32_t>(state.range(1));
    const MulTable table;
    auto sprite = bench::MakeSprite(width, height, 3);
    auto dst = bench::MakeBackground(width, height, 2);
    for (auto _ : state) {
        PlainBlendMasked(table, *dst, *sprite);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainTableBlendMasked)->Apply(Sizes);

void BM_PlainTableFrame11(benchmark::State& state) {
    const auto width = static_cast<int32_t>(state.range(0));
    const auto height = static_cast<int32_t>(state.range(1));
    const MulTable table;
    auto background = bench::MakeBackground(width, height, 4);
    std::vector<std::unique_ptr<Surface>> layers;
    for (int i = 0; i < 10; ++i)
        layers.push_back(bench::MakeSprite(width, height, 20 + i));
    auto dst = std::make_unique<Surface>();
    dst->Create(width, height);
    for (auto _ : state) {
        Copy(*dst, 0, 0, *background);
        for (const auto& layer : layers)
            PlainBlendMasked(table, *dst, *layer);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PlainTableFrame11)->Apply(Sizes);

} // namespace
