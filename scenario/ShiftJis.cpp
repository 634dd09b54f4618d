#include "scenario/ShiftJis.h"

#include <array>
#include <iconv.h>
#include <memory>
#include <vector>

namespace vn::sjis {
namespace {

constexpr uint16_t kNoCode = 0xFFFF;

// Both directions of code page 932 as lookup tables, filled once from iconv.
struct Tables {
    std::array<char16_t, 256> single{};  // 0 where the byte is not a character (byte 0 is U+0000)
    std::array<bool, 256> singleValid{};
    std::vector<char16_t> pair;          // indexed by lead * 256 + trail; 0 = not a character
    std::vector<uint16_t> reverse;       // indexed by unit: the code (< 0x100 single), kNoCode none

    Tables() : pair(65536, 0), reverse(65536, kNoCode) {
        iconv_t toWide = iconv_open("UTF-16LE", "CP932");
        iconv_t toBytes = iconv_open("CP932", "UTF-16LE");
        for (int b = 0; b < 256; ++b) {
            char in[1] = {static_cast<char>(b)};
            char16_t unit = 0;
            if (Decode(toWide, in, 1, unit)) {
                single[b] = unit;
                singleValid[b] = true;
            }
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char16_t unit = 0;
                if (Decode(toWide, in, 2, unit))
                    pair[lead * 256 + trail] = unit;
            }
        }
        // Every unit that some code decodes to gets the code iconv encodes it
        // as: for the duplicated codes that is the canonical twin.
        auto addReverse = [&](char16_t unit) {
            if (reverse[unit] != kNoCode)
                return;
            reverse[unit] = Encode(toBytes, unit);
        };
        for (int b = 0; b < 256; ++b)
            if (singleValid[b])
                addReverse(single[b]);
        for (int code = 0; code < 65536; ++code)
            if (pair[code])
                addReverse(pair[code]);
        iconv_close(toWide);
        iconv_close(toBytes);
    }

    static bool Decode(iconv_t cd, char* in, size_t inLen, char16_t& unit) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLen, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLen != 0)
            return false;
        if (outPtr - out != 2)
            return false;
        unit = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                     (static_cast<unsigned char>(out[1]) << 8));
        return true;
    }

    static uint16_t Encode(iconv_t cd, char16_t unit) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        char out[8];
        char* inPtr = in;
        size_t inLen = 2;
        char* outPtr = out;
        size_t outLeft = sizeof out;
        if (iconv(cd, &inPtr, &inLen, &outPtr, &outLeft) == static_cast<size_t>(-1))
            return kNoCode;
        const auto n = outPtr - out;
        if (n == 1)
            return static_cast<unsigned char>(out[0]);
        if (n == 2)
            return static_cast<uint16_t>((static_cast<unsigned char>(out[0]) << 8) |
                                         static_cast<unsigned char>(out[1]));
        return kNoCode;
    }
};

const Tables& GetTables() {
    static const Tables tables;
    return tables;
}

// Decodes the character at bytes[i]; returns its unit and sets `size` to the bytes used.
char16_t DecodeAt(const Tables& t, std::string_view bytes, size_t i, size_t& size) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (IsLeadByte(b) && i + 1 < bytes.size()) {
        const auto trail = static_cast<unsigned char>(bytes[i + 1]);
        if (char16_t unit = t.pair[b * 256 + trail]) {
            size = 2;
            return unit;
        }
    }
    size = 1;
    if (t.singleValid[b])
        return t.single[b];
    return static_cast<char16_t>(kEscapeBase + b);
}

} // namespace

std::u16string ToWide(std::string_view bytes) {
    const Tables& t = GetTables();
    std::u16string wide;
    wide.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t size = 0;
        wide.push_back(DecodeAt(t, bytes, i, size));
        i += size;
    }
    return wide;
}

bool FromWide(std::u16string_view wide, std::string& out) {
    const Tables& t = GetTables();
    out.clear();
    out.reserve(wide.size() * 2);
    for (char16_t unit : wide) {
        if (IsEscape(unit)) {
            out.push_back(static_cast<char>(unit - kEscapeBase));
            continue;
        }
        const uint16_t code = t.reverse[unit];
        if (code == kNoCode)
            return false;
        if (code >= 0x100)
            out.push_back(static_cast<char>(code >> 8));
        out.push_back(static_cast<char>(code & 0xFF));
    }
    return true;
}

int CountChars(std::string_view bytes) {
    const Tables& t = GetTables();
    int count = 0;
    for (size_t i = 0; i < bytes.size();) {
        size_t size = 0;
        DecodeAt(t, bytes, i, size);
        i += size;
        ++count;
    }
    return count;
}

bool Utf8ToWide(std::string_view utf8, std::u16string& out) {
    out.clear();
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        uint32_t cp = 0;
        size_t len = 0;
        if (b0 < 0x80) {
            cp = b0;
            len = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            cp = b0 & 0x1F;
            len = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            cp = b0 & 0x0F;
            len = 3;
        } else {
            return false; // four-byte forms lie outside the basic plane
        }
        if (i + len > utf8.size())
            return false;
        for (size_t k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        const bool overlong = (len == 2 && cp < 0x80) || (len == 3 && cp < 0x800);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        out.push_back(static_cast<char16_t>(cp));
        i += len;
    }
    return true;
}

bool WideToUtf8(std::u16string_view wide, std::string& out) {
    out.clear();
    out.reserve(wide.size() * 3);
    for (char16_t unit : wide) {
        const uint32_t cp = unit;
        if (cp >= 0xD800 && cp <= 0xDFFF)
            return false; // escape units and surrogates have no UTF-8 form here
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return true;
}

} // namespace vn::sjis
