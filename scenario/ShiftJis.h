// Conversion between Shift-JIS (Windows code page 932) bytes and UTF-16.
//
// The mapping is read once from glibc iconv's "CP932" converter, which maps
// like Windows: 0x5C is the backslash, the NEC and IBM rows are accepted and
// the 398 codes that have a canonical twin come back from UTF-16 as that
// twin. Bytes that are not valid Shift-JIS (a lone 0x80, 0xA0, 0xFD-0xFF, a
// lead byte without a fitting second byte) map reversibly to the units
// U+DC80..U+DCFF, so damaged text survives a trip through the wide form.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vn::sjis {

// First unit of the range that carries undecodable bytes: byte b <-> kEscapeBase + b.
inline constexpr char16_t kEscapeBase = 0xDC00;

inline bool IsEscape(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

// True for the first byte of a double-byte character.
inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Bytes to UTF-16; never fails (undecodable bytes become escape units).
std::u16string ToWide(std::string_view bytes);

// UTF-16 to bytes. Escape units become their byte again. Returns false when a
// unit has no Shift-JIS form; `out` then holds what converted before it.
bool FromWide(std::u16string_view wide, std::string& out);

// Number of characters: a double-byte character or an undecodable byte counts once.
int CountChars(std::string_view bytes);

// UTF-8 <-> UTF-16 for the system's own texts and for text on the command line.
// Both fail on malformed input, on units outside the basic plane and on escape units.
bool Utf8ToWide(std::string_view utf8, std::u16string& out);
bool WideToUtf8(std::u16string_view wide, std::string& out);

} // namespace vn::sjis
