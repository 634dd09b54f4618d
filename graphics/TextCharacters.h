// Characters of Shift-JIS message text as the text renderer counts them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Markup characters of message text.
inline constexpr uint32_t kLineBreakCode = '/';  // the next character starts a new line
inline constexpr uint32_t kPageBreakCode = '\\'; // wait for a click, then go on

// The character codes of `sjis`: a double-byte character is lead byte x 256
// + trail byte and counts once, every other byte is its own code. A lead
// byte at the very end stands alone. So a trail byte 0x5C ("ソ" is 0x83 0x5C)
// is never taken for a page break.
std::vector<uint32_t> CharacterCodes(std::string_view sjis);

// The bytes of one character code.
void AppendCharacter(std::string& out, uint32_t code);

// `sjis` cut at every page break: the pages without their "\" marks. A text
// without one is one page; an empty text is one empty page.
std::vector<std::string> SplitPages(std::string_view sjis);

// `sjis` without its line-break marks.
std::string WithoutLineBreaks(std::string_view sjis);

// `sjis` with its control characters resolved, so that none reaches the font
// (which would draw a missing-glyph box): a line break written as control
// characters (CR LF, as multi-line fields write it, or a lone CR or LF)
// becomes `lineBreak`, a tab a space, and every other control character is
// left out.
std::string ResolveControlCharacters(std::string_view sjis, char lineBreak);
