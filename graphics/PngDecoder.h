// A small PNG decoder on zlib's inflate: 8-bit greyscale or truecolour,
// not interlaced. Image data is inflated straight into one buffer of the
// header's exact size (width * channels + 1 bytes per row); each row is
// unfiltered in place (None, Sub, Up, Average, Paeth) as soon as it is
// complete and handed to a sink, so callers convert rows while they are
// still in the cache.
#pragma once

#include "graphics/ImageFile.h"

#include <cstdint>
#include <span>

struct PngHeader {
    int32_t width = 0;
    int32_t height = 0;
    bool greyscale = false;
    int channels = 0; // 1 for greyscale, 3 for truecolour
};

// Why the decoder refuses a header chunk, or None. The decoder reads only
// 8-bit greyscale or truecolour pictures with filter method 0, without
// interlacing, of at least one and at most `maxPixels` pixels.
enum class PngHeaderRefusal { None, Short, BitDepth, ColourType, FilterMethod, Interlaced, Size };
PngHeaderRefusal ParsePngHeader(const uint8_t* data, uint32_t length, PngHeader& header,
                                int64_t maxPixels = kMaxImagePixels);

class PngRowSink {
public:
    virtual ~PngRowSink() = default;
    // Called once at the first image-data chunk, before the image buffer is
    // allocated; returning false fails the read.
    virtual bool Start(const PngHeader& header) = 0;
    // Row `row` (0 = top row of the picture), width * channels bytes.
    virtual void Row(int32_t row, const uint8_t* bytes) = 0;
};

// Reads the chunks up to IEND. Fails on a bad signature, a truncated chunk,
// a header other than 8-bit greyscale or truecolour with filter method 0 and
// no interlacing, image data before the header or after the end of the
// compressed stream, inflate errors, more data than the header allows, more
// than `maxPixels` pixels, or a file without IEND. IEND before the end of the
// compressed stream writes "Inflate not finished\n" to standard output and
// fails. A compressed stream that ends early leaves the missing rows 0.
// Chunk CRCs are not checked.
bool DecodePng(std::span<const uint8_t> file, PngRowSink& sink,
               int64_t maxPixels = kMaxImagePixels);
// The same on a file, read chunk by chunk only as far as IEND.
bool DecodePng(ImageFileBytes& file, PngRowSink& sink, int64_t maxPixels = kMaxImagePixels);
