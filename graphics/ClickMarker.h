// The turning triangle that asks for a click after a page of text. It keeps
// a copy of the pixels under it, so each new turn is drawn over the saved
// picture instead of recomposing the screen.
#pragma once

#include "graphics/MessageStyle.h"
#include "graphics/Surface.h"

#include <cstdint>

class ClickMarker {
public:
    // A marker `width` x `height` at (x, y) of `target`, started at
    // `startMs`. Saves the (width + 1) x (height + 1) rectangle there (the
    // part inside the target). Nothing is drawn yet.
    ClickMarker(Surface& target, int32_t x, int32_t y, int32_t width, int32_t height,
                int64_t startMs);

    // Draws the turn for `nowMs` when its offset differs from the one on
    // screen: the saved pixels back, then the triangle. True when it drew;
    // the caller then presents Area().
    bool Update(int64_t nowMs);
    // Puts the saved pixels back (the marker disappears); present Area().
    void Restore();
    // The picture beneath was redrawn: save it again and draw the marker at
    // the next Update whatever its offset.
    void Resave();

    // The saved rectangle, cut to the target.
    const ScreenRect& Area() const { return area_; }
    int32_t Offset() const { return offset_; }

private:
    void Save();

    Surface& target_;
    int32_t x_, y_, width_, height_;
    int64_t start_;
    int32_t offset_;
    ScreenRect area_;
    Surface saved_;
};
