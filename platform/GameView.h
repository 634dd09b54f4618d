// The game picture in full screen. The player's window shows its picture 1:1
// (the toolkit enlarges it on screens with a scale factor above 1). In full
// screen the window covers the display without a frame; the game picture is
// scaled to fit with its aspect kept and black bars around it, and pointer
// positions are mapped back to game pixels before the window sees them. The
// display mode is never changed.
#pragma once

#include "platform/Handle.h"

#include <cstdint>
#include <memory>

namespace platform {

class GameView {
public:
    // `window` is a window made by WindowHost; the game picture is width x height.
    GameView(WindowHandle window, int width, int height);
    ~GameView();
    GameView(const GameView&) = delete;
    GameView& operator=(const GameView&) = delete;

    // Switches the scaled full-screen view on or off (the window itself is
    // put into full screen by its host).
    void SetScaled(bool scaled);
    bool IsScaled() const;
    // Copies a rectangle of the bottom-up BGRA game picture into the view's
    // own copy (kept in both modes, so full screen starts with the current
    // picture) and repaints it while scaled.
    void Present(const uint32_t* bottomUpPixels, int x, int y, int w, int h);
    // Fits the picture again, e.g. after the menu bar appeared or went.
    void Relayout();

    // The game pixel under a point of the window's client area.
    void MapToGame(int clientX, int clientY, int& gameX, int& gameY) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
