// A 32-bit picture in memory: rows bottom-up (memory row 0 is the bottom row
// of the picture), one little-endian word per pixel with blue in bits 0-7,
// green 8-15, red 16-23 and alpha 24-31; stride is always width * 4 bytes.
// The has-mask flag tells the drawing operations to use the alpha channel;
// without it a surface counts as opaque whatever its alpha bytes hold.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface() = default;

    // The longest side a surface may have.
    static constexpr int32_t kMaxSide = 16384;

    // Allocates width x height pixels (all bytes 0). False for sizes of 0 or
    // below, sides beyond kMaxSide or too large to allocate; the surface is
    // then empty.
    bool Create(int32_t width, int32_t height);
    // Sets every byte of the pixel memory to 0 (black, alpha 0).
    void Clear();
    // Frees the pixel memory; the surface is empty again.
    void Release();

    // Loads an image file (BMP, or PNG when the path ends in ".png" in any
    // letter case) and optionally a mask: `mask` null for none, "AUTO" (any
    // case) for the colour key of the top-left pixel, else a mask file path.
    // Without a mask, a PNG's own alpha channel (or palette transparency)
    // is the mask; a named mask or "AUTO" replaces it.
    // Paths are native paths, used unchanged. Any earlier picture is
    // replaced; when the image cannot be read the surface is left empty.
    // When only the mask fails, the result is false but the colours stay
    // loaded and the has-mask flag is set; callers discard such a surface.
    bool Load(const char* image, const char* mask);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    int32_t Stride() const { return width_ * 4; }
    bool HasMask() const { return hasMask_; }
    void SetHasMask(bool hasMask) { hasMask_ = hasMask; }
    bool IsCreated() const { return pixels_ != nullptr; }

    uint32_t* Pixels() { return pixels_.get(); }
    const uint32_t* Pixels() const { return pixels_.get(); }
    // Memory row `row` (0 = bottom row of the picture).
    uint32_t* MemoryRow(int32_t row) { return pixels_.get() + static_cast<size_t>(row) * width_; }
    const uint32_t* MemoryRow(int32_t row) const {
        return pixels_.get() + static_cast<size_t>(row) * width_;
    }
    // Screen row y (0 = top row of the picture).
    uint32_t* ScreenRow(int32_t y) { return MemoryRow(height_ - 1 - y); }
    const uint32_t* ScreenRow(int32_t y) const { return MemoryRow(height_ - 1 - y); }

private:
    // Sets every alpha byte to 0 and clears the has-mask flag.
    void ClearAlpha();

    int32_t width_ = 0;
    int32_t height_ = 0;
    std::unique_ptr<uint32_t[]> pixels_;
    bool hasMask_ = false;
};
