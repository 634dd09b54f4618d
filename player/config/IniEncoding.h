// How the bytes of a game.ini are written. Games were written in Shift-JIS;
// today's editors write UTF-8, often behind a byte-order mark. The player
// takes either, and converts UTF-8 to the Shift-JIS every other text of the
// game is in.
#pragma once

#include <string>
#include <string_view>

enum class IniEncoding {
    ShiftJis,    // Shift-JIS, or ASCII only
    Utf8,        // UTF-8 without a byte-order mark
    Utf8WithBom, // UTF-8 behind the byte-order mark EF BB BF
    Unknown,     // neither Shift-JIS nor UTF-8; read byte for byte as Shift-JIS
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// UTF-8 when the text starts with the byte-order mark, or when its bytes are
// well-formed UTF-8 holding characters beyond ASCII and are not well-formed
// Shift-JIS. Bytes that are both (a short Japanese text in UTF-8 often is)
// are taken as UTF-8 when every character beyond ASCII they spell in UTF-8
// is Japanese script, a reading that Shift-JIS text practically never gives.
IniEncoding DetectIniEncoding(std::string_view bytes);

// `utf8` (without its byte-order mark) in Shift-JIS. A character without a
// Shift-JIS form, and each byte that is not part of a UTF-8 character,
// becomes "?".
std::string Utf8ToShiftJis(std::string_view utf8);
