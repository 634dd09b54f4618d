// Whether Surface::Load would take a picture, judged from the file's headers
// and (for PNG) its chunk layout, without decoding the pixels.
//
// The judgement uses the readers' own rules (ParseBmpLayout, JudgeBmpLayout,
// ParsePngHeader, PngOwnDecoderTakes, and for the pictures libpng reads its
// compression method and palette rules), so a file the probe refuses is one
// the player refuses. BMP files are decided by their headers alone: the
// reader takes whatever rows are present. A PNG file is followed chunk by
// chunk up to IEND with the image data skipped, so a damaged compressed
// stream inside a well-formed file goes unnoticed, and so do the chunk
// order rules libpng alone applies (no chunk it knows before the header, no
// critical chunk it does not know).
#pragma once

#include "graphics/ImageFile.h"
#include "graphics/PngDecoder.h"

#include <cstdint>
#include <string>

enum class ImageVerdict {
    Ok,
    CannotOpen,     // no such file, not a regular file, or unreadable
    NotBmp,         // no "BM" signature, or damaged BMP headers
    BmpBitDepth,    // a bit depth other than 1, 4, 8 or 24
    BmpCompressed,  // run-length or other compression
    TooLarge,       // more pixels than any reader takes
    PngDamaged,     // bad signature, a cut chunk, data before the header, no IEND
    PngBitDepth,    // a bit depth the colour type does not have
    PngColourType,  // a colour type PNG does not have
    PngFilter,      // a filter method other than 0
    PngInterlaced,  // an interlace method other than 0 and 1
    PngCompression, // a compression method other than 0 (libpng's pictures)
    PngNoPalette,   // a palette picture without a palette before its image data
    MaskSize,       // a mask of another size than its colour image
};

// What the probe learnt of one file, whatever role it plays.
struct ImageFacts {
    ImageVerdict verdict = ImageVerdict::Ok; // a refusal in any role
    bool png = false;                        // read as PNG (the name ends in ".png")
    int32_t width = 0;
    int32_t height = 0;
    // BMP: bits per pixel and compression, as the headers say.
    int32_t bmpBits = 0;
    uint32_t bmpCompression = 0;
    // PNG: the header chunk's values, and what libpng needs besides.
    PngHeader pngHeader;
    bool pngPaletteFirst = false; // a PLTE chunk comes before the image data
};

// Probes the file at `path` (a native path). The reader is chosen by the
// name as Surface::Load chooses it.
ImageFacts ProbeImageFile(const char* path);
// The same with the reader chosen by the caller and the readers' pixel limit.
ImageFacts ProbeImageFile(const char* path, bool png, int64_t maxPixels = kMaxImagePixels);

// The verdict for the file as colour image, and as mask of a colour image of
// `width` x `height` pixels.
ImageVerdict JudgeColourImage(const ImageFacts& facts);
ImageVerdict JudgeMaskImage(const ImageFacts& facts, int32_t width, int32_t height);

// What the file is and what the player needs instead, in English, such as
// "is a 16-bit BMP (the player reads 1, 4, 8 and 24 bits)".
std::string DescribeImageVerdict(ImageVerdict verdict, const ImageFacts& facts);
