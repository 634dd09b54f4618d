#include "player/config/IniEncoding.h"

#include "scenario/ShiftJis.h"

#include <algorithm>

namespace {

struct Utf8Character {
    char32_t code = 0;
    size_t length = 0; // 0: no well-formed character starts here
};

// The character at `at` when a well-formed UTF-8 sequence (shortest form, no
// surrogate, at most U+10FFFF) starts there.
Utf8Character DecodeUtf8(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length)
        return {};
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {};
    return {code, length};
}

// Kana, CJK punctuation and ideographs, full-width and half-width forms.
bool IsJapaneseScript(char32_t code) {
    return (code >= 0x3000 && code <= 0x30FF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xFF00 && code <= 0xFFEF);
}

bool IsShiftJis(std::string_view bytes) {
    const std::u16string wide = vn::sjis::ToWide(bytes);
    return std::none_of(wide.begin(), wide.end(), vn::sjis::IsEscape);
}

} // namespace

IniEncoding DetectIniEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        return IniEncoding::Utf8WithBom;
    bool ascii = true;
    bool japanese = true;
    for (size_t i = 0; i < bytes.size();) {
        const Utf8Character c = DecodeUtf8(bytes, i);
        if (c.length == 0)
            return IsShiftJis(bytes) ? IniEncoding::ShiftJis : IniEncoding::Unknown;
        if (c.code >= 0x80) {
            ascii = false;
            japanese = japanese && IsJapaneseScript(c.code);
        }
        i += c.length;
    }
    if (ascii)
        return IniEncoding::ShiftJis;
    return japanese || !IsShiftJis(bytes) ? IniEncoding::Utf8 : IniEncoding::ShiftJis;
}

std::string Utf8ToShiftJis(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const Utf8Character c = DecodeUtf8(utf8, i);
        i += std::max<size_t>(c.length, 1);
        if (c.length == 1) {
            out += static_cast<char>(c.code);
            continue;
        }
        std::string bytes;
        if (c.length == 0 || c.code > 0xFFFF ||
            !vn::sjis::FromWide(std::u16string(1, static_cast<char16_t>(c.code)), bytes)) {
            bytes = "?";
        }
        out += bytes;
    }
    return out;
}
