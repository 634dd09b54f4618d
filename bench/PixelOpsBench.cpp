// Full-screen pixel operations at three screen sizes, with memcpy of the
// same bytes and pixman's OVER composite as yardsticks.

#include "BenchPictures.h"
#include "graphics/PatternDraw.h"
#include "graphics/PixelOps.h"
#include "graphics/Surface.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kLayers = 10;

size_t Bytes(const Surface& s) {
    return static_cast<size_t>(s.Width()) * s.Height() * 4;
}

void ScreenSizes(benchmark::internal::Benchmark* b) {
    b->Args({640, 480})->Args({1280, 720})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
}

int32_t Width(const benchmark::State& state) {
    return static_cast<int32_t>(state.range(0));
}
int32_t Height(const benchmark::State& state) {
    return static_cast<int32_t>(state.range(1));
}

void Report(benchmark::State& state, const Surface& sprite) {
    const bench::AlphaMix mix = bench::MeasureAlpha(sprite);
    state.counters["transparent"] = mix.transparent;
    state.counters["opaque"] = mix.opaque;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Bytes(sprite)));
}

// pixman views of surface memory and of a separate alpha plane.
struct PixmanImage {
    pixman_image_t* image = nullptr;
    PixmanImage(pixman_format_code_t format, int32_t width, int32_t height, void* bits,
                int32_t stride)
        : image(pixman_image_create_bits(format, width, height, static_cast<uint32_t*>(bits),
                                         stride)) {}
    ~PixmanImage() { pixman_image_unref(image); }
    PixmanImage(const PixmanImage&) = delete;
    PixmanImage& operator=(const PixmanImage&) = delete;
};

std::vector<uint8_t> AlphaPlane(const Surface& s, int32_t stride) {
    std::vector<uint8_t> plane(static_cast<size_t>(stride) * s.Height());
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x)
            plane[static_cast<size_t>(y) * stride + x] =
                static_cast<uint8_t>(s.MemoryRow(y)[x] >> 24);
    return plane;
}

void BM_Memcpy(benchmark::State& state) {
    auto src = bench::MakeBackground(Width(state), Height(state), 1);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        std::memcpy(dst->Pixels(), src->Pixels(), Bytes(*src));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Bytes(*src)));
}
BENCHMARK(BM_Memcpy)->Apply(ScreenSizes);

// Eleven frame copies from eleven different pictures: the floor for a frame
// of eleven full-screen layers.
void BM_Memcpy11(benchmark::State& state) {
    std::vector<std::unique_ptr<Surface>> sources;
    for (int i = 0; i <= kLayers; ++i)
        sources.push_back(bench::MakeBackground(Width(state), Height(state), 10 + i));
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        for (const auto& src : sources)
            std::memcpy(dst->Pixels(), src->Pixels(), Bytes(*src));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Memcpy11)->Apply(ScreenSizes);

void BM_BlendMasked(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        Blend(*dst, 0, 0, *sprite, 255);
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_BlendMasked)->Apply(ScreenSizes);

void BM_BlendMaskedHalf(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        Blend(*dst, 0, 0, *sprite, 128);
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_BlendMaskedHalf)->Apply(ScreenSizes);

void BM_BlendUnmasked(benchmark::State& state) {
    auto src = bench::MakeBackground(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        Blend(*dst, 0, 0, *src, 128);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlendUnmasked)->Apply(ScreenSizes);

void BM_AccumulateMasked(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto dst = std::make_unique<Surface>();
    dst->Create(Width(state), Height(state));
    for (auto _ : state) {
        Accumulate(*dst, 0, 0, *sprite, 128);
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_AccumulateMasked)->Apply(ScreenSizes);

void BM_Over(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto premultiplied = std::make_unique<Surface>();
    premultiplied->Create(Width(state), Height(state));
    Copy(*premultiplied, 0, 0, *sprite);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        Over(*dst, 0, 0, *premultiplied);
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_Over)->Apply(ScreenSizes);

void BM_PatternDrawMasked(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        PatternDraw(*dst, 0, 12, false, 0, 0, *sprite);
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_PatternDrawMasked)->Apply(ScreenSizes);

void BM_PatternDrawUnmasked(benchmark::State& state) {
    auto src = bench::MakeBackground(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    for (auto _ : state) {
        PatternDraw(*dst, 0, 12, false, 0, 0, *src);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PatternDrawUnmasked)->Apply(ScreenSizes);

// A whole frame as the player composes it: an opaque background copied, then
// ten masked full-screen layers blended at full opacity.
void BM_Frame11(benchmark::State& state) {
    auto background = bench::MakeBackground(Width(state), Height(state), 4);
    std::vector<std::unique_ptr<Surface>> layers;
    for (int i = 0; i < kLayers; ++i)
        layers.push_back(bench::MakeSprite(Width(state), Height(state), 20 + i));
    auto dst = std::make_unique<Surface>();
    dst->Create(Width(state), Height(state));
    for (auto _ : state) {
        Copy(*dst, 0, 0, *background);
        for (const auto& layer : layers)
            Blend(*dst, 0, 0, *layer, 255);
        benchmark::ClobberMemory();
    }
    Report(state, *layers[0]);
}
BENCHMARK(BM_Frame11)->Apply(ScreenSizes);

// pixman OVER of a premultiplied picture.
void BM_PixmanOverPremultiplied(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto premultiplied = std::make_unique<Surface>();
    premultiplied->Create(Width(state), Height(state));
    Copy(*premultiplied, 0, 0, *sprite);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    PixmanImage src(PIXMAN_a8r8g8b8, Width(state), Height(state), premultiplied->Pixels(),
                    premultiplied->Stride());
    PixmanImage out(PIXMAN_x8r8g8b8, Width(state), Height(state), dst->Pixels(), dst->Stride());
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src.image, nullptr, out.image, 0, 0, 0, 0, 0, 0,
                                 Width(state), Height(state));
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_PixmanOverPremultiplied)->Apply(ScreenSizes);

// pixman OVER of a straight-colour picture through a separate 8-bit mask:
// the same computation as the masked Blend.
void BM_PixmanOverWithMask(benchmark::State& state) {
    auto sprite = bench::MakeSprite(Width(state), Height(state), 3);
    auto dst = bench::MakeBackground(Width(state), Height(state), 2);
    const int32_t maskStride = (Width(state) + 3) / 4 * 4;
    std::vector<uint8_t> alpha = AlphaPlane(*sprite, maskStride);
    PixmanImage src(PIXMAN_x8r8g8b8, Width(state), Height(state), sprite->Pixels(),
                    sprite->Stride());
    PixmanImage mask(PIXMAN_a8, Width(state), Height(state), alpha.data(), maskStride);
    PixmanImage out(PIXMAN_x8r8g8b8, Width(state), Height(state), dst->Pixels(), dst->Stride());
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_OVER, src.image, mask.image, out.image, 0, 0, 0, 0, 0, 0,
                                 Width(state), Height(state));
        benchmark::ClobberMemory();
    }
    Report(state, *sprite);
}
BENCHMARK(BM_PixmanOverWithMask)->Apply(ScreenSizes);

// The same frame composed by pixman: the background copied with SRC, the ten
// layers through their separate 8-bit masks.
void BM_PixmanFrame11(benchmark::State& state) {
    const int32_t width = Width(state), height = Height(state);
    const int32_t maskStride = (width + 3) / 4 * 4;
    auto background = bench::MakeBackground(width, height, 4);
    std::vector<std::unique_ptr<Surface>> layers;
    std::vector<std::vector<uint8_t>> alphas;
    std::vector<std::unique_ptr<PixmanImage>> sources, masks;
    for (int i = 0; i < kLayers; ++i) {
        layers.push_back(bench::MakeSprite(width, height, 20 + i));
        alphas.push_back(AlphaPlane(*layers.back(), maskStride));
        sources.push_back(std::make_unique<PixmanImage>(
            PIXMAN_x8r8g8b8, width, height, layers.back()->Pixels(), layers.back()->Stride()));
        masks.push_back(std::make_unique<PixmanImage>(PIXMAN_a8, width, height,
                                                      alphas.back().data(), maskStride));
    }
    auto dst = std::make_unique<Surface>();
    dst->Create(width, height);
    PixmanImage back(PIXMAN_x8r8g8b8, width, height, background->Pixels(), background->Stride());
    PixmanImage out(PIXMAN_x8r8g8b8, width, height, dst->Pixels(), dst->Stride());
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, back.image, nullptr, out.image, 0, 0, 0, 0, 0, 0,
                                 width, height);
        for (int i = 0; i < kLayers; ++i)
            pixman_image_composite32(PIXMAN_OP_OVER, sources[i]->image, masks[i]->image, out.image,
                                     0, 0, 0, 0, 0, 0, width, height);
        benchmark::ClobberMemory();
    }
    Report(state, *layers[0]);
}
BENCHMARK(BM_PixmanFrame11)->Apply(ScreenSizes);

} // namespace
