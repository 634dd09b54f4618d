// Constants of the tagged items every data file of the suite is made of.
//
// Integer item: a tag byte (written 0x01, not checked on reading) and a
// 32-bit little-endian value. String item: a tag byte (0x03 scrambled text,
// always written; 0x02 plain text, accepted on reading), a 32-bit
// little-endian byte length that is never negative, and the Shift-JIS bytes;
// under tag 0x03 each byte b is stored as (b - K) mod 256.
#pragma once

#include <cstdint>

namespace vn::items {

inline constexpr unsigned char kIntegerTag = 0x01;
inline constexpr unsigned char kPlainStringTag = 0x02;
inline constexpr unsigned char kScrambledStringTag = 0x03;
// K, the string scrambling offset of event, flag-data and save files.
inline constexpr int kStringScramble = 277;

inline unsigned char Scramble(unsigned char b) {
    return static_cast<unsigned char>((b - kStringScramble) & 0xFF);
}
inline unsigned char Unscramble(unsigned char s) {
    return static_cast<unsigned char>((s + kStringScramble) & 0xFF);
}

} // namespace vn::items
