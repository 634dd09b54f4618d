// The game picture in the player's window. A game that fits the available
// area of its screen is shown 1:1 by the window itself (the toolkit enlarges
// it on screens with a scale factor above 1). A game larger than that area
// is shown scaled down to fit, and in full screen (the window covers the
// display without a frame) the picture is scaled to fit the screen; in both
// cases the aspect is kept, the rest of the client area is black, and
// pointer positions are mapped back to game pixels before the window sees
// them. The display mode is never changed.
#pragma once

#include "platform/Handle.h"

#include <cstdint>
#include <memory>

namespace platform {

class GameView {
public:
    // `window` is a window made by WindowHost; the game picture is width x
    // height. The client area is fitted to the screen at once, and again
    // when a window manager frames the window.
    GameView(WindowHandle window, int width, int height);
    ~GameView();
    GameView(const GameView&) = delete;
    GameView& operator=(const GameView&) = delete;

    // Follows the window into full screen and back (the window itself is
    // put into full screen by its host).
    void SetFullScreen(bool fullScreen);
    // The rectangle of the game picture that was just presented to the
    // window (WindowHost::Present): the view shows the window's own picture,
    // so this only repaints it while scaled.
    void Present(int x, int y, int w, int h);
    // Fits the picture again, e.g. after the menu bar appeared or went.
    void Relayout();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
