#include "graphics/PngLibpngReader.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace {

struct Reader {
    const PngMoreBytes& more;
    uint64_t position = 0;
};

[[noreturn]] void OnError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, size_t length) {
    auto* reader = static_cast<Reader*>(png_get_io_ptr(png));
    const std::span<const uint8_t> bytes = reader->more(reader->position + length);
    if (bytes.size() < reader->position || bytes.size() - reader->position < length)
        png_error(png, "the file ends early");
    std::memcpy(out, bytes.data() + reader->position, length);
    reader->position += length;
}

// libpng returns here through longjmp on every error. Nothing in this frame
// needs destroying: the caller owns the libpng structures and `rows`.
bool Decode(png_structp png, png_infop info, Reader& reader, Surface& surface, bool& hasAlpha,
            int64_t maxPixels, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &reader, OnRead);
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int depth = 0;
    int colourType = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &colourType, nullptr, nullptr, nullptr);
    if (static_cast<uint64_t>(width) * height > static_cast<uint64_t>(maxPixels) ||
        !surface.Create(static_cast<int32_t>(width), static_cast<int32_t>(height)))
        return false;

    const bool palette = colourType == PNG_COLOR_TYPE_PALETTE;
    hasAlpha = (colourType & PNG_COLOR_MASK_ALPHA) != 0 ||
               (palette && png_get_valid(png, info, PNG_INFO_tRNS) != 0);
    if (palette)
        png_set_palette_to_rgb(png); // with the transparency chunk as alpha
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (depth == 16)
        png_set_scale_16(png);
    if ((colourType & PNG_COLOR_MASK_COLOR) == 0)
        png_set_gray_to_rgb(png);
    // A pixel word in memory: blue, green, red, alpha on a little-endian
    // machine, alpha, red, green, blue on a big-endian one.
    constexpr bool little = std::endian::native == std::endian::little;
    if (!hasAlpha)
        png_set_filler(png, 0, little ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    if (little)
        png_set_bgr(png);
    else
        png_set_swap_alpha(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(surface.Width()) * 4)
        return false;
    rows.resize(height);
    for (int32_t y = 0; y < surface.Height(); ++y)
        rows[y] = reinterpret_cast<png_bytep>(surface.ScreenRow(y));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

} // namespace

bool DecodePngWithLibpng(const PngMoreBytes& more, Surface& surface, bool& hasAlpha,
                         int64_t maxPixels) {
    hasAlpha = false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    Reader reader{more};
    std::vector<png_bytep> rows;
    const bool decoded =
        info != nullptr && Decode(png, info, reader, surface, hasAlpha, maxPixels, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!decoded) {
        surface.Release();
        hasAlpha = false;
    }
    return decoded;
}
