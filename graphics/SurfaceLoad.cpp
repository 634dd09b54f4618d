// Surface::Load: a colour image (BMP or PNG) and an optional mask.
#include "graphics/BmpReader.h"
#include "graphics/ColourKey.h"
#include "graphics/ImageFile.h"
#include "graphics/PngReader.h"
#include "graphics/Surface.h"

#include <vector>

namespace {

bool LoadMask(const char* mask, Surface& surface) {
    if (EqualsIgnoreCase(mask, "AUTO")) {
        ApplyColourKey(surface);
        return true;
    }
    std::vector<uint8_t> bytes;
    if (!ReadImageFile(mask, bytes))
        return false;
    return HasPngSuffix(mask) ? ReadPngMask(bytes, surface)
                              : ReadBmp(bytes, surface, BmpMode::Mask);
}

} // namespace

bool Surface::Load(const char* image, const char* mask) {
    std::vector<uint8_t> bytes;
    const bool colourLoaded = ReadImageFile(image, bytes) &&
                              (HasPngSuffix(image) ? ReadPngColour(bytes, *this)
                                                   : ReadBmp(bytes, *this, BmpMode::Colour));
    if (!colourLoaded) {
        // Never leave a half-read picture behind.
        Release();
        return false;
    }
    if (mask == nullptr)
        return true;
    bytes.clear();
    bytes.shrink_to_fit();
    const bool maskLoaded = LoadMask(mask, *this);
    // Set even when the mask failed; the caller discards the surface then.
    SetHasMask(true);
    return maskLoaded;
}
