#include "tools/vnscript/TextEncoding.h"

#include "scenario/ShiftJis.h"
#include "scenario/VNString.h"

#include <cstdio>

namespace vnscript {
namespace {

// Why a line of UTF-8 has no Shift-JIS form.
std::string Unconvertible(std::string_view line) {
    std::u16string wide;
    if (!vn::sjis::Utf8ToWide(line, wide))
        return " is not valid UTF-8 (or holds a character beyond U+FFFF)";
    for (const char16_t c : wide) {
        std::string bytes;
        if (vn::sjis::IsEscape(c) || !vn::sjis::FromWide(std::u16string_view(&c, 1), bytes)) {
            char code[8];
            std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
            return std::string(" holds U+") + code + ", which has no Shift-JIS form";
        }
    }
    return " cannot be converted to Shift-JIS";
}

} // namespace

bool EncodeLine(std::string_view sjis, Encoding encoding, std::string& out) {
    if (encoding == Encoding::ShiftJis) {
        out.assign(sjis);
        return true;
    }
    return VNString::FromBytes(sjis).ToUtf8(out);
}

bool DecodeText(std::string_view text, Encoding encoding, std::string& sjis, std::string& error) {
    if (encoding == Encoding::Utf8 && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    sjis.clear();
    size_t lineNumber = 1;
    for (;;) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (line.find('\0') != std::string_view::npos) {
            error = "line " + std::to_string(lineNumber) + " holds a zero byte";
            return false;
        }
        if (encoding == Encoding::ShiftJis) {
            sjis += line;
        } else {
            VNString converted;
            if (!VNString::FromUtf8(line, converted)) {
                error = "line " + std::to_string(lineNumber) + Unconvertible(line);
                return false;
            }
            sjis += converted.Bytes();
        }
        if (end == std::string_view::npos)
            break;
        sjis += '\n';
        text.remove_prefix(end + 1);
        ++lineNumber;
    }
    return true;
}

} // namespace vnscript
