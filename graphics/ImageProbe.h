// Whether Surface::Load would take a picture, judged from the file's headers
// and (for PNG) its chunk layout, without decoding the pixels.
//
// The judgement uses the readers' own rules (ParseBmpLayout, JudgeBmpLayout,
// ParsePngHeader, the PNG readers' colour and mask conditions), so a file
// the probe refuses is one the player refuses. BMP files are decided by
// their headers alone: the reader takes whatever rows are present. A PNG
// file is followed chunk by chunk up to IEND with the image data skipped, so
// a damaged compressed stream inside a well-formed file goes unnoticed.
#pragma once

#include "graphics/ImageFile.h"

#include <cstdint>

enum class ImageVerdict {
    Ok,
    CannotOpen,    // no such file, not a regular file, or unreadable
    NotBmp,        // no "BM" signature, or damaged BMP headers
    BmpBitDepth,   // a bit depth other than 1, 4, 8 or 24
    BmpCompressed, // run-length or other compression
    TooLarge,      // more pixels than any reader takes
    PngDamaged,    // bad signature, a cut chunk, data before the header, no IEND
    PngBitDepth,   // not 8 bits per sample
    PngColourType, // palette or alpha colour types
    PngFilter,     // a filter method other than 0
    PngInterlaced, // Adam7 interlacing
    PngGreyColour, // a greyscale PNG as colour image
    PngColourMask, // a truecolour PNG as mask
    MaskSize,      // a mask of another size than its colour image
};

// What the probe learnt of one file, whatever role it plays.
struct ImageFacts {
    ImageVerdict verdict = ImageVerdict::Ok; // a refusal in any role
    bool png = false;                        // read as PNG (the name ends in ".png")
    bool greyscale = false;                  // PNG colour type 0
    int32_t width = 0;
    int32_t height = 0;
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

// A short English description, such as "a 16-bit or 32-bit BMP (the player
// reads 1, 4, 8 and 24 bits)".
const char* DescribeImageVerdict(ImageVerdict verdict);
