#include "graphics/PixelOpsClip.h"

#include "graphics/Surface.h"

#include <algorithm>
#include <cstring>

namespace {

// Cuts one axis: [start, start + length) of the source, drawn at `pos` of a
// destination of size `dstSize`, from a source of size `srcSize`. 64-bit
// arithmetic so that extreme arguments cannot overflow.
bool ClipAxis(int64_t pos, int64_t start, int64_t length, int64_t dstSize, int64_t srcSize,
              int32_t& outPos, int32_t& outStart, int32_t& outLength) {
    if (pos >= dstSize)
        return false;
    if (pos < 0) {
        start -= pos;
        length += pos;
        pos = 0;
    }
    if (start < 0) {
        pos -= start;
        length += start;
        start = 0;
    }
    length = std::min({length, dstSize - pos, srcSize - start});
    if (length <= 0)
        return false;
    outPos = static_cast<int32_t>(pos);
    outStart = static_cast<int32_t>(start);
    outLength = static_cast<int32_t>(length);
    return true;
}

} // namespace

bool ClipArea(const Surface& dst, int32_t x, int32_t y, const Surface& src, const SourceRect& rect,
              ClippedArea& area) {
    if (!dst.IsCreated() || !src.IsCreated())
        return false;
    const int64_t left = rect.left == -1 ? 0 : rect.left;
    const int64_t top = rect.top == -1 ? 0 : rect.top;
    const int64_t width = rect.width == -1 ? src.Width() : rect.width;
    const int64_t height = rect.height == -1 ? src.Height() : rect.height;
    return ClipAxis(x, left, width, dst.Width(), src.Width(), area.dstX, area.srcX, area.width) &&
           ClipAxis(y, top, height, dst.Height(), src.Height(), area.dstY, area.srcY, area.height);
}

bool CopySurface(const Surface& from, Surface& copy) {
    if (!from.IsCreated() || !copy.Create(from.Width(), from.Height()))
        return false;
    std::memcpy(copy.Pixels(), from.Pixels(), static_cast<size_t>(from.Stride()) * from.Height());
    copy.SetHasMask(from.HasMask());
    return true;
}
