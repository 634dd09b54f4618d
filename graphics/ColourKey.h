// The "AUTO" mask: the colour of the top-left pixel becomes transparent.
#pragma once

#include "graphics/Surface.h"

// Every pixel whose colour (low 24 bits) equals that of the top-left pixel
// gets alpha 0, every other pixel alpha 255; colours are left unchanged.
void ApplyColourKey(Surface& surface);
