// Where the programs put their windows, as plain arithmetic: every window a
// program places itself lies inside the available area of its screen (the
// desktop without panels and docks), a tool window goes beside its owner,
// and a game picture larger than the area is shown scaled down to fit.
// Rectangles are frames (title bar and borders included) in desktop pixels.
#pragma once

namespace platform {

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
    int Right() const { return x + width; } // one past the last column
    int Bottom() const { return y + height; }
};

struct ScreenPoint {
    int x = 0, y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenSize {
    int width = 0, height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// The top-left corner nearest to (x, y) at which a frame of width x height
// lies inside `area`. A frame wider or taller than the area keeps its left or
// top edge on the area's, so its title bar stays within reach.
ScreenPoint KeepInside(const ScreenRect& area, int x, int y, int width, int height);

// Where a tool window of width x height goes next to its `owner`: beside the
// owner's right edge when there is room, else beside its left edge, tops
// aligned; else at the right edge of the area, over the owner's right part
// but below its title bar (`ownerTitle` pixels high), so that the owner's
// title bar buttons stay within reach. Always inside `area`.
ScreenPoint PlaceBeside(const ScreenRect& area, const ScreenRect& owner, int ownerTitle, int width,
                        int height);

// Where the owner's frame should start (its x) so that a tool window of
// `width` fits beside its right edge: where it is when either side already
// has room or when the two cannot stand side by side in the area at all;
// else moved left just far enough.
int MakeRoomBeside(const ScreenRect& area, const ScreenRect& owner, int width);

// The size at which a picture of width x height fits into room of
// roomWidth x roomHeight with its aspect kept: the picture's own size when it
// fits, else scaled down until one side meets the room's (at least 1 x 1).
ScreenSize FitInside(int roomWidth, int roomHeight, int width, int height);

} // namespace platform
