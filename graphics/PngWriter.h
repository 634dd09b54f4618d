// PNG encoding of a surface through libpng, for pictures the tools hand to
// other programs (an exported game's icon, for one).
#pragma once

#include "graphics/Surface.h"

#include <cstdio>

// Writes an 8-bit RGBA PNG of `surface`, rows top-down. A surface without
// the has-mask flag counts as opaque, so its alpha is written as 255; with
// the flag the alpha bytes are written as they stand. One row is encoded at
// a time. False for an empty surface or when libpng or a write fails.
bool WritePng(const Surface& surface, std::FILE* out);
