// A small PNG decoder on zlib's inflate: 8-bit greyscale or truecolour,
// not interlaced (PngOwnDecoderReads); PngReader.h hands other pictures to
// libpng. Image data is inflated straight into one buffer of the header's
// exact size (width * channels + 1 bytes per row); each row is
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
    int32_t bitDepth = 0;
    int32_t colourType = 0;        // 0 grey, 2 truecolour, 3 palette, 4 grey + alpha, 6 RGBA
    int32_t compressionMethod = 0; // not checked by this decoder
    int32_t filterMethod = 0;
    int32_t interlaceMethod = 0;
    bool greyscale = false;
    int channels = 0; // samples per pixel: 1 grey or palette, 2, 3 truecolour, 4
};

// Why no PNG reader takes a header chunk, or None: the PNG rules' colour
// types with the bit depths each allows, filter method 0, interlace method
// 0 or 1, and at least one and at most `maxPixels` pixels. Bit depth,
// colour type and methods are filled whenever the chunk is long enough,
// width and height only when the header is taken.
enum class PngHeaderRefusal { None, Short, BitDepth, ColourType, FilterMethod, Interlaced, Size };
PngHeaderRefusal ParsePngHeader(const uint8_t* data, uint32_t length, PngHeader& header,
                                int64_t maxPixels = kMaxImagePixels);

// True for the pictures this decoder reads: 8 bits per sample, greyscale or
// truecolour, not interlaced.
bool PngOwnDecoderReads(const PngHeader& header);

class PngRowSink {
public:
    virtual ~PngRowSink() = default;
    // Called with every header no reader refuses, before this decoder judges
    // whether it reads the picture; returning false ends the read (failed).
    virtual bool Header(const PngHeader& /*header*/) { return true; }
    // Called once at the first image-data chunk, before the image buffer is
    // allocated; returning false fails the read.
    virtual bool Start(const PngHeader& header) = 0;
    // Row `row` (0 = top row of the picture), width * channels bytes.
    virtual void Row(int32_t row, const uint8_t* bytes) = 0;
};

// Reads the chunks up to IEND. Fails on a bad signature, a truncated chunk,
// a header ParsePngHeader refuses or PngOwnDecoderReads does not take,
// image data before the header or after the end of the compressed stream,
// inflate errors, more data than the header allows, more than `maxPixels`
// pixels, or a file without IEND. IEND before the end of the compressed
// stream writes "Inflate not finished\n" to standard output and fails. A
// compressed stream that ends early leaves the missing rows 0. Chunk CRCs
// are not checked.
bool DecodePng(std::span<const uint8_t> file, PngRowSink& sink,
               int64_t maxPixels = kMaxImagePixels);
// The same on a file, read chunk by chunk only as far as IEND.
bool DecodePng(ImageFileBytes& file, PngRowSink& sink, int64_t maxPixels = kMaxImagePixels);
