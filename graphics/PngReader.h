// The PNG readers behind Surface::Load.
#pragma once

#include "graphics/ImageFile.h"
#include "graphics/Surface.h"

#include <span>

struct PngHeader;

// The pictures each reader takes: a truecolour one as a colour image, a
// greyscale one of the colour image's size as a mask.
bool PngColourAccepted(const PngHeader& header);
bool PngMaskAccepted(const PngHeader& header, int32_t width, int32_t height);

// Colour image: requires a truecolour file. Creates the surface at the
// file's size; each pixel becomes red * 65536 + green * 256 + blue, alpha 0.
bool ReadPngColour(std::span<const uint8_t> file, Surface& surface,
                   int64_t maxPixels = kMaxImagePixels);

// Mask: requires a greyscale file of exactly the surface's size; each grey
// byte is ORed into the alpha byte of its pixel, unchanged (white is 255).
bool ReadPngMask(std::span<const uint8_t> file, Surface& surface,
                 int64_t maxPixels = kMaxImagePixels);

// The same two on a file, read only as far as the image's chunks go.
bool ReadPngColour(ImageFileBytes& file, Surface& surface, int64_t maxPixels = kMaxImagePixels);
bool ReadPngMask(ImageFileBytes& file, Surface& surface, int64_t maxPixels = kMaxImagePixels);
