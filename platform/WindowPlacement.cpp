#include "platform/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace platform {

ScreenPoint KeepInside(const ScreenRect& area, int x, int y, int width, int height) {
    // Pushed back from the right and bottom edges first, so that the left
    // and top edges win for a frame larger than the area.
    x = std::max(area.x, std::min(x, area.Right() - width));
    y = std::max(area.y, std::min(y, area.Bottom() - height));
    return {x, y};
}

ScreenPoint PlaceBeside(const ScreenRect& area, const ScreenRect& owner, int ownerTitle, int width,
                        int height) {
    if (owner.Right() + width <= area.Right()) {
        return KeepInside(area, owner.Right(), owner.y, width, height);
    }
    if (owner.x - width >= area.x) {
        return KeepInside(area, owner.x - width, owner.y, width, height);
    }
    return KeepInside(area, area.Right() - width, owner.y + ownerTitle, width, height);
}

int MakeRoomBeside(const ScreenRect& area, const ScreenRect& owner, int width) {
    const bool roomRight = owner.Right() + width <= area.Right();
    const bool roomLeft = owner.x - width >= area.x;
    if (roomRight || roomLeft || owner.width + width > area.width) {
        return owner.x;
    }
    return area.Right() - width - owner.width;
}

ScreenSize FitInside(int roomWidth, int roomHeight, int width, int height) {
    if (width <= 0 || height <= 0 || (width <= roomWidth && height <= roomHeight)) {
        return {width, height};
    }
    roomWidth = std::max(1, roomWidth);
    roomHeight = std::max(1, roomHeight);
    // The side that meets the room first decides the scale; the other side
    // follows it, rounded to the nearest pixel.
    const int64_t w = width, h = height;
    if (int64_t{roomWidth} * h <= int64_t{roomHeight} * w) {
        const auto scaled = static_cast<int>((h * roomWidth + w / 2) / w);
        return {roomWidth, std::clamp(scaled, 1, roomHeight)};
    }
    const auto scaled = static_cast<int>((w * roomHeight + h / 2) / h);
    return {std::clamp(scaled, 1, roomWidth), roomHeight};
}

} // namespace platform
