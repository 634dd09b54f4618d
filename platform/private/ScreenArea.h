// The toolkit side of window placement (see WindowPlacement.h): the available
// area of the screen a window is on, the frame a window manager puts around
// a window, and moves that keep a frame inside the area.
#pragma once

#include "platform/WindowPlacement.h"

#include <QMargins>
#include <QWidget>
#include <functional>

namespace platform::detail {

// The available area of the screen `window` is on (the primary screen's
// when it has none yet).
ScreenRect AvailableArea(const QWidget* window);

// The frame around a top-level window's client geometry; empty before a
// window manager has decorated it, and where there is none.
QMargins FrameMargins(const QWidget* window);

ScreenRect FrameOf(const QWidget* window);

// Moves a top-level window so that its frame, of `frameSize` with `margins`
// around the client area, lies inside the available area with its top-left
// corner as near to `wanted` as can be. The margins are those the window
// will have: a window manager frames a window only after it was shown or
// left full screen, and until then the toolkit places its client area
// where the frame should go.
void MoveInside(QWidget* window, QPoint wanted, QSize frameSize, const QMargins& margins);

// Calls `place` again whenever the frame margins of `window` (or of
// `owner`, when given) change while neither is full screen: a window manager
// decorates a new window only after it was shown, so a place computed
// before then is computed again with the real frames. The watch ends with
// `window`.
void ReplaceWhenDecorated(QWidget* window, std::function<void()> place, QWidget* owner = nullptr);

} // namespace platform::detail
