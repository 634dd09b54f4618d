#include "tools/vnscript/NewGamePictures.h"

#include <algorithm>
#include <cmath>

namespace vnscript {
namespace {

struct Colour {
    uint8_t r, g, b;
};

Picture Blank(int32_t width, int32_t height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgb.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3, 0);
    return picture;
}

void Put(Picture& picture, int32_t x, int32_t y, Colour c) {
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
        return;
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(picture.width) + x) * 3;
    picture.rgb[at] = c.r;
    picture.rgb[at + 1] = c.g;
    picture.rgb[at + 2] = c.b;
}

Colour Mix(Colour a, Colour b, double t) {
    const auto channel = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Every pixel whose centre `inside` holds gets `c`, in the figure and (white)
// in its mask.
template <typename Inside> void Fill(Picture& figure, Picture& mask, Colour c, Inside inside) {
    for (int32_t y = 0; y < figure.height; ++y)
        for (int32_t x = 0; x < figure.width; ++x)
            if (inside(x + 0.5, y + 0.5)) {
                Put(figure, x, y, c);
                Put(mask, x, y, {255, 255, 255});
            }
}

} // namespace

Picture DrawSky(int32_t width, int32_t height) {
    Picture sky = Blank(width, height);
    const Colour top{50, 100, 200}, horizon{190, 220, 250}, sun{255, 240, 170};
    const Colour grass{100, 180, 80}, shade{40, 110, 50};
    const double sunX = width * 0.78, sunY = height * 0.2, sunR = height * 0.07;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            // The hill's ridge rises towards the middle of the picture.
            const double ridge = height * (0.78 - 0.14 * std::sin(3.14159265 * (x + 0.5) / width));
            Colour c = Mix(top, horizon, std::min(1.0, (y + 0.5) / (height * 0.75)));
            if (std::hypot(x + 0.5 - sunX, y + 0.5 - sunY) < sunR)
                c = sun;
            if (y + 0.5 > ridge)
                c = Mix(grass, shade, (y + 0.5 - ridge) / std::max(1.0, height - ridge));
            Put(sky, x, y, c);
        }
    }
    return sky;
}

void DrawFigure(int32_t screenHeight, Picture& figure, Picture& mask) {
    const int32_t h = std::max(8, screenHeight * 5 / 8);
    const int32_t w = std::max(4, h / 2);
    figure = Blank(w, h);
    mask = Blank(w, h);
    const double cx = w / 2.0, headY = h * 0.16, headR = w * 0.2;
    // A dress widening from the shoulders to the feet.
    Fill(figure, mask, {70, 90, 170}, [&](double x, double y) {
        if (y < h * 0.3 || y > h * 0.92)
            return false;
        const double half = w * (0.16 + 0.26 * (y - h * 0.3) / (h * 0.62));
        return std::abs(x - cx) < half;
    });
    // Two legs under it.
    Fill(figure, mask, {60, 50, 50}, [&](double x, double y) {
        return y > h * 0.92 && std::abs(std::abs(x - cx) - w * 0.1) < w * 0.05;
    });
    // The neck, then the head with dark hair over its upper half.
    Fill(figure, mask, {245, 215, 185}, [&](double x, double y) {
        return (y > headY && y < h * 0.31 && std::abs(x - cx) < w * 0.06) ||
               std::hypot(x - cx, y - headY) < headR;
    });
    Fill(figure, mask, {80, 50, 30}, [&](double x, double y) {
        return y < headY - headR * 0.2 && std::hypot(x - cx, y - headY) < headR * 1.08;
    });
}

std::string BmpFile(const Picture& picture) {
    const auto le = [](std::string& out, uint32_t value, int bytes) {
        for (int n = 0; n < bytes; ++n)
            out += static_cast<char>((value >> (8 * n)) & 0xFF);
    };
    const uint32_t stride = (static_cast<uint32_t>(picture.width) * 3 + 3) / 4 * 4;
    const uint32_t pixels = stride * static_cast<uint32_t>(picture.height);
    std::string out = "BM";
    le(out, 54 + pixels, 4);
    le(out, 0, 4);  // reserved
    le(out, 54, 4); // the pixels follow the two headers
    le(out, 40, 4);
    le(out, static_cast<uint32_t>(picture.width), 4);
    le(out, static_cast<uint32_t>(picture.height), 4); // positive: bottom row first
    le(out, 1, 2);                                     // planes
    le(out, 24, 2);
    le(out, 0, 4); // no compression
    le(out, pixels, 4);
    le(out, 2835, 4); // 72 dots per inch
    le(out, 2835, 4);
    le(out, 0, 4);
    le(out, 0, 4);
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(picture.width) * 3;
        for (int32_t x = 0; x < picture.width; ++x) {
            const size_t at = row + static_cast<size_t>(x) * 3;
            out += static_cast<char>(picture.rgb[at + 2]); // stored blue, green, red
            out += static_cast<char>(picture.rgb[at + 1]);
            out += static_cast<char>(picture.rgb[at]);
        }
        out.append(stride - static_cast<uint32_t>(picture.width) * 3, '\0');
    }
    return out;
}

} // namespace vnscript
