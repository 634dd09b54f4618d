#include "graphics/Surface.h"

#include <cstring>
#include <new>

bool Surface::Create(int32_t width, int32_t height) {
    Release();
    // Refuse sizes whose byte count does not fit comfortably (16k x 16k at most).
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        return false;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    pixels_.reset(new (std::nothrow) uint32_t[count]());
    if (!pixels_)
        return false;
    width_ = width;
    height_ = height;
    return true;
}

void Surface::Clear() {
    if (pixels_)
        std::memset(pixels_.get(), 0, static_cast<size_t>(width_) * height_ * 4);
}

void Surface::Release() {
    pixels_.reset();
    width_ = 0;
    height_ = 0;
    hasMask_ = false;
}
