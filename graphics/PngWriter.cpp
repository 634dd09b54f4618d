#include "graphics/PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <vector>

namespace {

// Fills `line` with the RGBA bytes of screen row `y`.
void RgbaRow(const Surface& surface, int32_t y, std::vector<png_byte>& line) {
    const uint32_t* row = surface.ScreenRow(y);
    png_byte* p = line.data();
    for (int32_t x = 0; x < surface.Width(); ++x, p += 4) {
        const uint32_t pixel = row[x];
        p[0] = static_cast<png_byte>(pixel >> 16);
        p[1] = static_cast<png_byte>(pixel >> 8);
        p[2] = static_cast<png_byte>(pixel);
        p[3] = surface.HasMask() ? static_cast<png_byte>(pixel >> 24) : png_byte{255};
    }
}

} // namespace

bool WritePng(const Surface& surface, std::FILE* out) {
    if (!surface.IsCreated())
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    // Allocated before the jump point, so that a longjmp leaves nothing to leak.
    std::vector<png_byte> line(static_cast<size_t>(surface.Width()) * 4);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.Width()),
                 static_cast<png_uint_32>(surface.Height()), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < surface.Height(); ++y) {
        RgbaRow(surface, y, line);
        png_write_row(png, line.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fflush(out) == 0 && !std::ferror(out);
}
