// The PNG pictures the own decoder does not read, read with libpng: palette
// pictures, grey with alpha, truecolour with alpha, 1, 2, 4 and 16 bits per
// sample, interlaced files.
#pragma once

#include "graphics/Surface.h"

#include <cstdint>
#include <functional>
#include <span>

// The bytes of a file known so far: at least the first `end` of them unless
// the file ends (or cannot be read) before.
using PngMoreBytes = std::function<std::span<const uint8_t>(uint64_t end)>;

// Creates `surface` at the file's size and fills it with one word per pixel,
// red * 65536 + green * 256 + blue + alpha * 2^24, colours straight:
// - grey becomes red = green = blue; 1, 2 and 4-bit grey is stretched to 0
//   to 255 (a sample s of b bits gives s * 255 / (2^b - 1));
// - 16-bit samples become 8-bit ones correctly rounded (s / 257 to the
//   nearest integer);
// - the alpha byte holds the file's alpha channel, or for a palette picture
//   its transparency chunk (entries past its end are opaque), and `hasAlpha`
//   is set; other pictures get alpha 0. A transparent colour given for a
//   grey or truecolour picture is ignored: those load as before, opaque.
// Chunk CRCs are not checked (as by the own decoder); the compressed data's
// checksum is. Fails on anything libpng refuses, a picture ParsePngHeader
// refuses (more than `maxPixels` pixels among them), or a file without IEND.
// Writes nothing to the standard streams.
bool DecodePngWithLibpng(const PngMoreBytes& more, Surface& surface, bool& hasAlpha,
                         int64_t maxPixels);
