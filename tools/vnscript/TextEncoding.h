// Text on the command line's side: UTF-8 by default, raw Shift-JIS bytes
// with --sjis. Files on disk always hold Shift-JIS.
#pragma once

#include <string>
#include <string_view>

namespace vnscript {

enum class Encoding { Utf8, ShiftJis };

// Shift-JIS bytes of one line to the output encoding. False when the bytes
// are not valid Shift-JIS and the output is UTF-8.
bool EncodeLine(std::string_view sjis, Encoding encoding, std::string& out);

// A whole input text to Shift-JIS bytes, line by line (LF stays LF). In UTF-8
// a leading byte order mark is dropped. On failure `error` names the line:
// malformed UTF-8, a character without a Shift-JIS form, or a zero byte.
bool DecodeText(std::string_view text, Encoding encoding, std::string& sjis, std::string& error);

} // namespace vnscript
