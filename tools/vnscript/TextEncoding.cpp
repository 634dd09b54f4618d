#include "tools/vnscript/TextEncoding.h"

#include "scenario/VNString.h"

namespace vnscript {

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
                error = "line " + std::to_string(lineNumber) +
                        " is not valid UTF-8 or holds a character without a Shift-JIS form";
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
