#include "graphics/PamWriter.h"

#include <string>

std::vector<uint8_t> EncodePam(const Surface& surface) {
    const std::string header = "P7\nWIDTH " + std::to_string(surface.Width()) + "\nHEIGHT " +
                               std::to_string(surface.Height()) +
                               "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    std::vector<uint8_t> out(header.begin(), header.end());
    if (!surface.IsCreated())
        return out;
    out.reserve(out.size() + static_cast<size_t>(surface.Width()) * surface.Height() * 4);
    for (int32_t y = 0; y < surface.Height(); ++y) {
        const uint32_t* row = surface.ScreenRow(y);
        for (int32_t x = 0; x < surface.Width(); ++x) {
            const uint32_t p = row[x];
            out.push_back(static_cast<uint8_t>(p >> 16));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 24));
        }
    }
    return out;
}
