// Surface::Load: a colour image (BMP or PNG) and an optional mask.
#include "graphics/BmpLayout.h"
#include "graphics/BmpReader.h"
#include "graphics/ColourKey.h"
#include "graphics/ImageFile.h"
#include "graphics/PngReader.h"
#include "graphics/Surface.h"

namespace {

// Reads one file with the reader its name calls for; each reader reads only
// as far into the file as it needs.
bool ReadImage(const char* path, Surface& surface, BmpMode mode) {
    ImageFileBytes file(path);
    if (HasPngSuffix(path))
        return mode == BmpMode::Colour ? ReadPngColour(file, surface) : ReadPngMask(file, surface);
    return ReadBmpFileBytes(file) && ReadBmp(file.Bytes(), surface, mode);
}

} // namespace

void Surface::ClearAlpha() {
    const size_t count = static_cast<size_t>(width_) * height_;
    for (size_t i = 0; i < count; ++i)
        pixels_[i] &= 0x00FFFFFFu;
    hasMask_ = false;
}

bool Surface::Load(const char* image, const char* mask) {
    if (!ReadImage(image, *this, BmpMode::Colour)) {
        // Never leave a half-read picture behind.
        Release();
        return false;
    }
    // A PNG with an alpha channel brings its own mask (the has-mask flag is
    // set); a mask named beside it, or the colour key, takes its place.
    if (mask == nullptr)
        return true;
    if (HasMask())
        ClearAlpha();
    bool maskLoaded = true;
    if (EqualsIgnoreCase(mask, "AUTO"))
        ApplyColourKey(*this);
    else
        maskLoaded = ReadImage(mask, *this, BmpMode::Mask);
    // Set even when the mask failed; the caller discards the surface then.
    SetHasMask(true);
    return maskLoaded;
}
