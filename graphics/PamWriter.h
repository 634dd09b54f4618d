// PAM (portable arbitrary map) encoding of a surface, for tools and tests
// that hand decoded pictures to other programs.
#pragma once

#include "graphics/Surface.h"

#include <cstdio>

// Writes "P7" header with WIDTH, HEIGHT, DEPTH 4, MAXVAL 255, TUPLTYPE
// RGB_ALPHA, then the rows top-down, each pixel as its red, green, blue and
// alpha bytes exactly as they stand in the surface. One row is encoded at a
// time, so a picture costs no second copy of itself. False when a write fails.
bool WritePam(const Surface& surface, std::FILE* out);
