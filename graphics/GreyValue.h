// Grey value of a colour for BMP masks: red * 0.3 + green * 0.59 +
// blue * 0.11, truncated. The weights are single-precision constants whose
// products are added in double precision, so the weights sum to slightly
// less than 1: pure white gives 254 and a neutral grey g >= 1 gives g - 1.
// Masks made for the player rely on exactly these values.
#pragma once

#include <cstdint>

inline uint32_t GreyValue(uint32_t red, uint32_t green, uint32_t blue) {
    constexpr float kRedWeight = 0.3f;
    constexpr float kGreenWeight = 0.59f;
    constexpr float kBlueWeight = 0.11f;
    const double sum = red * static_cast<double>(kRedWeight) +
                       green * static_cast<double>(kGreenWeight) +
                       blue * static_cast<double>(kBlueWeight);
    return static_cast<uint32_t>(sum);
}

// Grey value of a pixel or palette word (blue in bits 0-7, green 8-15, red 16-23).
inline uint32_t GreyValueOfWord(uint32_t word) {
    return GreyValue((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
}
