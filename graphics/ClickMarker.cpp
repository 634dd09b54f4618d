#include "graphics/ClickMarker.h"

#include "graphics/PixelOps.h"
#include "graphics/Polygon.h"

#include <algorithm>

ClickMarker::ClickMarker(Surface& target, int32_t x, int32_t y, int32_t width, int32_t height,
                         int64_t startMs)
    : target_(target), x_(x), y_(y), width_(width), height_(height), start_(startMs),
      offset_(width + 100) {
    // The rectangle inside the target; coordinates in 64 bits so that a
    // marker near the ends of the integer range cannot overflow.
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + width + 1, target.Width());
    const int64_t bottom = std::min<int64_t>(int64_t{y} + height + 1, target.Height());
    if (right > left && bottom > top) {
        area_ = {static_cast<int32_t>(left), static_cast<int32_t>(top),
                 static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
    }
    Save();
}

void ClickMarker::Save() {
    if (area_.width <= 0 || !saved_.Create(area_.width, area_.height)) {
        return;
    }
    Copy(saved_, 0, 0, target_, {area_.x, area_.y, area_.width, area_.height});
}

bool ClickMarker::Update(int64_t nowMs) {
    const int64_t elapsed = nowMs - start_;
    const auto phase = static_cast<uint32_t>(((elapsed % 2000) + 2000) % 2000);
    const int32_t offset = ClickMarkerOffset(width_, phase);
    if (offset == offset_) {
        return false;
    }
    Restore();
    offset_ = offset;
    DrawClickMarker(target_, x_, y_, width_, height_, offset);
    return true;
}

void ClickMarker::Restore() {
    if (saved_.IsCreated()) {
        Copy(target_, area_.x, area_.y, saved_);
    }
}

void ClickMarker::Resave() {
    Save();
    offset_ = width_ + 100;
}
