#include "PictureSupport.h"

#include "tests/graphics/ImageBuilders.h"
#include "tests/graphics/PixelReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace fs = std::filesystem;
using namespace pixeltest;

namespace picturetest {

namespace {

using Colour = std::function<uint32_t(int32_t x, int32_t y)>; // red << 16 | green << 8 | blue
using Grey = std::function<uint32_t(int32_t x, int32_t y)>;

constexpr uint32_t kMagenta = 0xFF00FF;

void WriteBmp24(const fs::path& path, int32_t w, int32_t h, const Colour& colour) {
    imagetest::BmpFields bmp;
    bmp.width = w;
    bmp.height = h;
    for (int32_t row = 0; row < h; ++row) { // stored bottom row first
        imagetest::Bytes bytes;
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t c = colour(x, h - 1 - row);
            bytes.push_back(c & 0xFF);
            bytes.push_back((c >> 8) & 0xFF);
            bytes.push_back((c >> 16) & 0xFF);
        }
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
        bmp.rows.push_back(bytes);
    }
    ASSERT_TRUE(imagetest::WriteFile(path.string(), imagetest::MakeBmp(bmp)));
}

// 8 bits per pixel with palette entry i = grey i, as the mask generator writes.
void WriteGreyBmp(const fs::path& path, int32_t w, int32_t h, const Grey& grey) {
    imagetest::BmpFields bmp;
    bmp.width = w;
    bmp.height = h;
    bmp.bits = 8;
    for (uint32_t i = 0; i < 256; ++i) {
        bmp.palette.push_back(i | i << 8 | i << 16);
    }
    for (int32_t row = 0; row < h; ++row) {
        imagetest::Bytes bytes;
        for (int32_t x = 0; x < w; ++x) {
            bytes.push_back(static_cast<uint8_t>(grey(x, h - 1 - row)));
        }
        bytes.resize((bytes.size() + 3) / 4 * 4, 0);
        bmp.rows.push_back(bytes);
    }
    ASSERT_TRUE(imagetest::WriteFile(path.string(), imagetest::MakeBmp(bmp)));
}

void WritePng(const fs::path& path, int32_t w, int32_t h, bool grey,
              const std::function<uint32_t(int32_t, int32_t)>& value) {
    imagetest::Bytes raw;
    for (int32_t y = 0; y < h; ++y) {
        raw.push_back(0); // filter type 0
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t v = value(x, y);
            if (grey) {
                raw.push_back(static_cast<uint8_t>(v));
            } else {
                raw.push_back((v >> 16) & 0xFF);
                raw.push_back((v >> 8) & 0xFF);
                raw.push_back(v & 0xFF);
            }
        }
    }
    const auto ihdr =
        imagetest::Ihdr(static_cast<uint32_t>(w), static_cast<uint32_t>(h), 8, grey ? 0 : 2);
    ASSERT_TRUE(imagetest::WriteFile(path.string(), imagetest::MakePng(ihdr, raw)));
}

// The grey value of a BMP mask pixel: the single-precision values of the
// weights 0.3, 0.59 and 0.11, the sum truncated (a neutral grey g >= 1 gives
// g - 1).
uint32_t GreyValue(uint32_t r, uint32_t g, uint32_t b) {
    return static_cast<uint32_t>(r * double{0.3f} + g * double{0.59f} + b * double{0.11f});
}

std::unique_ptr<Surface> Expected(int32_t w, int32_t h, bool masked, const Colour& colour,
                                  const std::function<uint32_t(int32_t, int32_t)>& alpha) {
    auto surface = std::make_unique<Surface>();
    surface->Create(w, h);
    surface->SetHasMask(masked);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            At(*surface, x, y) = colour(x, y) | (alpha(x, y) << 24);
        }
    }
    return surface;
}

} // namespace

VNEvent Chara(const char* image, const char* mask, int32_t position, int32_t alignment) {
    VNEvent event(EVENTCODE_CHARACTER);
    event.SetString(0, VNString(image));
    event.SetString(1, VNString(mask));
    event.SetInt(2, position);
    event.SetInt(3, alignment);
    return event;
}

VNEvent Background(const char* image) {
    VNEvent event(EVENTCODE_BACKGROUND);
    event.SetString(0, VNString(image));
    return event;
}

VNEvent Anime(int32_t duration, int32_t count, const char* list) {
    VNEvent event(EVENTCODE_ANIME);
    event.SetInt(0, duration);
    event.SetInt(1, count);
    event.SetString(2, VNString(list));
    return event;
}

Pictures::Pictures(const fs::path& gameRoot) {
    const fs::path cg = gameRoot / "cg";
    fs::create_directories(cg);
    const auto none = [](int32_t, int32_t) { return 0u; };

    const Colour bg = [](int32_t x, int32_t y) {
        return static_cast<uint32_t>(x * 3) << 16 | static_cast<uint32_t>(y * 4) << 8 | 90u;
    };
    WriteBmp24(cg / "bg.bmp", kScreenW, kScreenH, bg);
    loaded_["bg"] = Expected(kScreenW, kScreenH, false, bg, none);

    const Colour bg2 = [](int32_t x, int32_t y) {
        return 200u << 16 | static_cast<uint32_t>(x * 3) << 8 | static_cast<uint32_t>(y * 4);
    };
    WritePng(cg / "bg2.png", kScreenW, kScreenH, false, bg2);
    loaded_["bg2"] = Expected(kScreenW, kScreenH, false, bg2, none);

    const Colour a = [](int32_t x, int32_t y) {
        return static_cast<uint32_t>(40 + x * 8) << 16 | static_cast<uint32_t>(200 - y * 5) << 8 |
               static_cast<uint32_t>(30 + x * 3 + y);
    };
    const Grey aGrey = [](int32_t x, int32_t y) {
        const int32_t band = (x / 3 + y / 3) % 3;
        return band == 0 ? 0u : band == 1 ? 255u : 128u;
    };
    WriteBmp24(cg / "a.bmp", 24, 30, a);
    WriteGreyBmp(cg / "am.bmp", 24, 30, aGrey);
    loaded_["a"] = Expected(24, 30, true, a, [&](int32_t x, int32_t y) {
        const uint32_t g = aGrey(x, y);
        return GreyValue(g, g, g);
    });

    const Colour b = [](int32_t x, int32_t y) {
        return (x + y) % 5 == 0 ? kMagenta
                                : static_cast<uint32_t>(x * 12) << 16 | 100u << 8 |
                                      static_cast<uint32_t>(250 - y * 10);
    };
    WriteBmp24(cg / "b.bmp", 20, 20, b);
    loaded_["b"] = Expected(20, 20, true, b,
                            [&](int32_t x, int32_t y) { return b(x, y) == b(0, 0) ? 0u : 255u; });

    const Colour c = [](int32_t x, int32_t y) {
        return static_cast<uint32_t>(255 - x * 10) << 16 | static_cast<uint32_t>(y * 10) << 8 |
               128u;
    };
    const Grey cGrey = [](int32_t x, int32_t y) {
        return static_cast<uint32_t>(x * 17 + y * 5) % 256;
    };
    WritePng(cg / "c.png", 16, 24, false, c);
    WritePng(cg / "cm.png", 16, 24, true, cGrey);
    loaded_["c"] = Expected(16, 24, true, c, cGrey);
}

Model::Model() {
    screen_.Create(kScreenW, kScreenH);
}

void Model::Clear() {
    screen_.Clear();
}

void Model::Copy(const Surface& image, int32_t x, int32_t y, int32_t left, int32_t width) {
    ForEachPair(screen_, x + left, y, image, left, 0, width < 0 ? image.Width() : width,
                image.Height(),
                [&](uint32_t& d, uint32_t s) { d = CopyRule(d, s, image.HasMask()); });
}

void Model::Blend(const Surface& image, int32_t x, int32_t y, int32_t opacity, int32_t left,
                  int32_t width) {
    if (opacity == 0) {
        return;
    }
    ForEachPair(screen_, x + left, y, image, left, 0, width < 0 ? image.Width() : width,
                image.Height(), [&](uint32_t& d, uint32_t s) {
                    d = BlendRule(d, s, static_cast<uint32_t>(opacity), image.HasMask());
                });
}

void Model::Accumulate(const Surface& image, int32_t x, int32_t y, int32_t opacity) {
    if (opacity == 0) {
        return;
    }
    ForEachPair(screen_, x, y, image, 0, 0, image.Width(), image.Height(),
                [&](uint32_t& d, uint32_t s) {
                    d = AccumulateRule(d, s, static_cast<uint32_t>(opacity), image.HasMask());
                });
}

void Model::Over(const Surface& buffer) {
    ForEachPair(screen_, 0, 0, buffer, 0, 0, buffer.Width(), buffer.Height(),
                [](uint32_t& d, uint32_t s) { d = OverRule(d, s); });
}

void Model::Pattern(const Surface& image, int32_t x, int32_t y, int set, int step, bool asIs) {
    for (int32_t j = 0; j < image.Height(); ++j) {
        for (int32_t i = 0; i < image.Width(); ++i) {
            const int32_t dx = x + i;
            const int32_t dy = y + j;
            if (dx < 0 || dy < 0 || dx >= kScreenW || dy >= kScreenH) {
                continue;
            }
            // A set bit (after the complement unless as-is) keeps the screen.
            if (StepBit(set, step, dx, dy) == asIs) {
                continue;
            }
            const uint32_t s = At(image, i, j);
            uint32_t& d = At(screen_, dx, dy);
            if (!image.HasMask()) {
                d = s | 0xFF000000u;
                continue;
            }
            const uint32_t a = s >> 24;
            if (a == 0) {
                continue;
            }
            uint32_t out = 0;
            for (int ch = 0; ch < 3; ++ch) {
                out |= std::min<uint32_t>(255, Channel(s, ch) + T(255 - a, Channel(d, ch)))
                       << (8 * ch);
            }
            d = out;
        }
    }
}

void Model::Curtain(const Surface& image, int32_t x, int32_t y, float q) {
    CurtainParts(kScreenW, x, image.Width(), q, [&](int32_t from, int32_t to, int32_t opacity) {
        if (opacity < 0) {
            Copy(image, x, y, from - x, to - from);
        } else {
            Blend(image, x, y, opacity, from - x, to - from);
        }
    });
}

void Model::Stretch(const Surface& image, int32_t x, int32_t y, int32_t width, int32_t height) {
    // Each pixel takes the source pixel under its centre; words are copied.
    for (int32_t j = 0; j < height; ++j) {
        for (int32_t i = 0; i < width; ++i) {
            if (x + i < 0 || y + j < 0 || x + i >= kScreenW || y + j >= kScreenH) {
                continue;
            }
            const int32_t sx = (2 * i + 1) * image.Width() / (2 * width);
            const int32_t sy = (2 * j + 1) * image.Height() / (2 * height);
            At(screen_, x + i, y + j) = At(image, sx, sy);
        }
    }
}

void Model::Kind(const Surface& image, int kind, bool asIs, int32_t alpha, int32_t x, int32_t y) {
    if (kind == 0) {
        Blend(image, x, y, alpha);
        return;
    }
    if (kind == 5) {
        Curtain(image, x, y, static_cast<float>(alpha) / 255.0f);
        return;
    }
    const int set = kind >= 1 && kind <= 4 ? kind - 1 : 0;
    const int32_t w = asIs ? 255 - alpha : alpha;
    Pattern(image, x, y, set, (PatternStepCount(set) - 1) * w / 255, asIs);
}

std::string Difference(const Surface& actual, const Surface& expected) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
        return "sizes differ";
    }
    for (int32_t y = 0; y < actual.Height(); ++y) {
        for (int32_t x = 0; x < actual.Width(); ++x) {
            if (At(actual, x, y) != At(expected, x, y)) {
                char text[96];
                std::snprintf(text, sizeof text, "(%d, %d): %08X, expected %08X", x, y,
                              At(actual, x, y), At(expected, x, y));
                return text;
            }
        }
    }
    return {};
}

} // namespace picturetest
