// The PNG readers behind Surface::Load. Every picture ParsePngHeader accepts
// loads, as colour image and as mask. The own decoder (PngDecoder.h) reads
// what it read before libpng came in, 8-bit truecolour colour images and
// 8-bit greyscale masks without interlacing, so those load bit for bit as
// they always did; libpng reads every other picture (PngLibpngReader.h).
#pragma once

#include "graphics/ImageFile.h"
#include "graphics/Surface.h"

#include <span>

struct PngHeader;

enum class PngRole { Colour, Mask };

// True when the own decoder reads the picture in that role, false when
// libpng does.
bool PngOwnDecoderTakes(const PngHeader& header, PngRole role);

// Colour image: creates the surface at the file's size. Truecolour 8-bit:
// each pixel becomes red * 65536 + green * 256 + blue, alpha 0. Any other
// picture as DecodePngWithLibpng converts it; a picture with an alpha
// channel (or a palette with transparency) keeps it in the alpha bytes and
// sets the surface's has-mask flag: the picture brings its own mask.
bool ReadPngColour(std::span<const uint8_t> file, Surface& surface,
                   int64_t maxPixels = kMaxImagePixels);

// Mask: the file must have exactly the surface's size. Its grey value is
// ORed into the alpha byte of each pixel: an 8-bit greyscale file's grey
// unchanged (white is 255); for other files the grey of the colour, red *
// 0.299 + green * 0.587 + blue * 0.114 rounded to the nearest integer (so a
// neutral grey keeps its value), times the file's alpha as MulTable
// multiplies: a mask file shows its mask as it looks over black.
bool ReadPngMask(std::span<const uint8_t> file, Surface& surface,
                 int64_t maxPixels = kMaxImagePixels);

// The same two on a file, read only as far as the image's chunks go.
bool ReadPngColour(ImageFileBytes& file, Surface& surface, int64_t maxPixels = kMaxImagePixels);
bool ReadPngMask(ImageFileBytes& file, Surface& surface, int64_t maxPixels = kMaxImagePixels);
