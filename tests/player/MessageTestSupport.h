// Events and input for the message and choice tests: the text events built
// from UTF-8, input scheduled at chosen times of the hand-driven clock, and
// looks at the back buffer.
#pragma once

#include "graphics/Surface.h"
#include "player/VNPWindow.h"
#include "player/VNPlayer.h"
#include "scenario/VNEvent.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace messagetest {

VNEvent Narration(const char8_t* text);
VNEvent Serif(const char8_t* name, const char8_t* text);
VNEvent Select(const char8_t* text1, const char* label1, const char8_t* text2, const char* label2,
               const char8_t* text3 = u8"", const char* label3 = "");
VNEvent BtnSelect(const char* base, const char* pointed, const char* cancel, int32_t count,
                  const char* list);

// Things to do at chosen times, each once, when the clock first reaches it.
class Schedule {
public:
    void At(int64_t time, std::function<void(VNPlayer&)> action) {
        actions_.emplace(time, std::move(action));
    }
    void Run(int64_t now, VNPlayer& player) {
        while (!actions_.empty() && actions_.begin()->first <= now) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action(player);
        }
    }
    bool Done() const { return actions_.empty(); }

private:
    std::multimap<int64_t, std::function<void(VNPlayer&)>> actions_;
};

void Move(VNPlayer& player, int x, int y);
void Press(VNPlayer& player, int x, int y);
void Release(VNPlayer& player, int x, int y);
void Click(VNPlayer& player, int x = 2, int y = 2);
void RightButton(VNPlayer& player, bool down);
// A key pressed and released (an accelerator such as Tab or BackSpace).
void Key(VNPlayer& player, int key);
// A menu accelerator with Ctrl held (Ctrl+L asks for a load).
void CtrlKey(VNPlayer& player, int key);

// A copy of the back buffer.
std::unique_ptr<Surface> Snapshot(VNPlayer& player);

// Pixel (x, y) as red, green, blue (alpha dropped).
uint32_t Rgb(const Surface& s, int32_t x, int32_t y);
constexpr uint32_t RgbOf(uint32_t r, uint32_t g, uint32_t b) {
    return (r << 16) | (g << 8) | b;
}
// Whether some pixel of the rectangle is exactly `rgb`.
bool Holds(const Surface& s, int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rgb);

// The message settings of the tests: "default" (a fixed-pitch face: 12
// pixels a half-width, 24 a full-width character) and every other value
// as game.ini gives it by default.
constexpr const char* kIni = "[game]\r\nMsgFontName=default\r\n";

} // namespace messagetest
