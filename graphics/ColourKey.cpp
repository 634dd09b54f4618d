#include "graphics/ColourKey.h"

void ApplyColourKey(Surface& surface) {
    if (!surface.IsCreated())
        return;
    const uint32_t key = surface.ScreenRow(0)[0] & 0x00FFFFFFu;
    const size_t count = static_cast<size_t>(surface.Width()) * surface.Height();
    uint32_t* pixels = surface.Pixels();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t colour = pixels[i] & 0x00FFFFFFu;
        pixels[i] = colour == key ? colour : (colour | 0xFF000000u);
    }
}
