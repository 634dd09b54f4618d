// Pictures for player tests: small BMP and PNG files written into a game's
// cg/ folder, the surfaces the rules say the player loads from them, and a
// plain per-pixel model of the screen that computes expected back buffers
// from the drawing rules.
#pragma once

#include "graphics/Surface.h"
#include "scenario/VNEvent.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace picturetest {

constexpr int32_t kScreenW = 80;
constexpr int32_t kScreenH = 60;
// game.ini for a screen of that size.
inline const char* const kSmallScreenIni = "[game]\r\nWindowWidth=80\r\nWindowHeight=60\r\n";

VNEvent Chara(const char* image, const char* mask, int32_t position, int32_t alignment);
VNEvent Background(const char* image);
VNEvent Anime(int32_t duration, int32_t count, const char* list);

// The pictures of the tests, written into <root>/cg:
//   "bg"  bg.bmp, 80 x 60, 24-bit BMP
//   "bg2" bg2.png, 80 x 60, truecolour PNG
//   "a"   a.bmp 24 x 30 with am.bmp, an 8-bit grey BMP mask (grey 0, 128, 255)
//   "b"   b.bmp 20 x 20 whose top-left colour (magenta) is the "AUTO" key
//   "c"   c.png 16 x 24 with cm.png, a greyscale PNG mask
// Get gives what loading them must produce: straight colours, the alpha the
// mask rules give, and the has-mask flag.
class Pictures {
public:
    explicit Pictures(const std::filesystem::path& gameRoot);
    const Surface& Get(const std::string& name) const { return *loaded_.at(name); }

private:
    std::map<std::string, std::unique_ptr<Surface>> loaded_;
};

// The expected screen, drawn pixel by pixel with the plain rules.
class Model {
public:
    Model();
    Surface& Pixels() { return screen_; }
    const Surface& Pixels() const { return screen_; }

    void Clear();
    // The whole image, or its columns [left, left + width) where it lands.
    void Copy(const Surface& image, int32_t x, int32_t y, int32_t left = 0, int32_t width = -1);
    void Blend(const Surface& image, int32_t x, int32_t y, int32_t opacity, int32_t left = 0,
               int32_t width = -1);
    void Accumulate(const Surface& image, int32_t x, int32_t y, int32_t opacity);
    // The whole of a premultiplied buffer Over the screen.
    void Over(const Surface& buffer);
    void Pattern(const Surface& image, int32_t x, int32_t y, int set, int step, bool asIs);
    void Curtain(const Surface& image, int32_t x, int32_t y, float q);
    void Stretch(const Surface& image, int32_t x, int32_t y, int32_t width, int32_t height);
    // An image drawn with a transition kind: 0 blend, 1 to 4 pattern sets 0
    // to 3 at step (count - 1) x w / 255 (w = alpha, or 255 - alpha as-is),
    // 5 the curtain at alpha / 255, others like 1.
    void Kind(const Surface& image, int kind, bool asIs, int32_t alpha, int32_t x, int32_t y);

private:
    Surface screen_;
};

// Empty when equal, else where the first difference is and both pixels.
std::string Difference(const Surface& actual, const Surface& expected);

} // namespace picturetest
