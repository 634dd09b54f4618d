// The 256 x 256 multiplication table behind every blend: entry (a, x) is
// a * x / 255 rounded to the nearest integer, computed as (a * x + 127) / 255.
// It is symmetric, (255, x) = x and (0, x) = 0.
#pragma once

#include <array>
#include <cstdint>

// The plain formula; the table and every vectorised loop must agree with it.
constexpr uint8_t MulFormula(uint32_t a, uint32_t x) {
    return static_cast<uint8_t>((a * x + 127) / 255);
}

class MulTable {
public:
    MulTable();

    // T(a, x).
    uint8_t operator()(uint8_t a, uint8_t x) const { return entries_[a * 256u + x]; }
    // The 256 entries (a, 0) .. (a, 255).
    const uint8_t* Row(uint8_t a) const { return entries_.data() + a * 256u; }

private:
    std::array<uint8_t, 256 * 256> entries_;
};
