// Tagged items spelled out byte by byte from the file layout, for tests that
// build files by hand: an integer item is a tag and 32-bit little-endian
// value; a string item is a tag, a 32-bit little-endian length and the text,
// each byte stored as (b - 277) mod 256, that is b - 21, under tag 3.
#pragma once

#include <cstdint>
#include <string>

namespace item_bytes {

inline std::string Int(int32_t v, char tag = '\x01') {
    const auto u = static_cast<uint32_t>(v);
    return std::string{tag, char(u & 0xFF), char(u >> 8 & 0xFF), char(u >> 16 & 0xFF),
                       char(u >> 24 & 0xFF)};
}

inline std::string Str(const std::string& text) {
    std::string item = Int(static_cast<int32_t>(text.size()), '\x03');
    for (unsigned char b : text)
        item += static_cast<char>((b + 256 - 21) % 256);
    return item;
}

inline std::string Plain(const std::string& text) {
    return Int(static_cast<int32_t>(text.size()), '\x02') + text;
}

} // namespace item_bytes
