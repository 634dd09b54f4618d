// The pictures of a new game, drawn in code and written as 24-bit BMP files,
// the form every reader of the player takes: a sky over a hill for the
// background, and a standing figure with its grey mask for a character.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vnscript {

// Colour pixels, top row first, three bytes each (red, green, blue).
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;
};

// A sky from deep blue at the top to pale blue at the horizon, a sun, and a
// green hill under it.
Picture DrawSky(int32_t width, int32_t height);

// A figure for a screen `screenHeight` pixels high (about five eighths of
// it), and its mask: white where the figure is, black elsewhere.
void DrawFigure(int32_t screenHeight, Picture& figure, Picture& mask);

// The bytes of a bottom-up 24-bit BMP file of `picture`.
std::string BmpFile(const Picture& picture);

} // namespace vnscript
