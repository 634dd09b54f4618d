#include "graphics/PamWriter.h"

#include <string>
#include <vector>

bool WritePam(const Surface& surface, std::FILE* out) {
    const std::string header = "P7\nWIDTH " + std::to_string(surface.Width()) + "\nHEIGHT " +
                               std::to_string(surface.Height()) +
                               "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    if (std::fwrite(header.data(), 1, header.size(), out) != header.size())
        return false;
    if (!surface.IsCreated())
        return true;
    std::vector<uint8_t> line(static_cast<size_t>(surface.Width()) * 4);
    for (int32_t y = 0; y < surface.Height(); ++y) {
        const uint32_t* row = surface.ScreenRow(y);
        uint8_t* p = line.data();
        for (int32_t x = 0; x < surface.Width(); ++x, p += 4) {
            const uint32_t pixel = row[x];
            p[0] = static_cast<uint8_t>(pixel >> 16);
            p[1] = static_cast<uint8_t>(pixel >> 8);
            p[2] = static_cast<uint8_t>(pixel);
            p[3] = static_cast<uint8_t>(pixel >> 24);
        }
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size())
            return false;
    }
    return true;
}
