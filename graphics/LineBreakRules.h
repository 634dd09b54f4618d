// Japanese line-breaking rules (kinsoku) for message text: characters that
// may not begin a line, characters that may not end one, and punctuation
// that may hang past the end of a full line. Character codes are Shift-JIS
// codes as CharacterCodes gives them (lead byte x 256 + trail byte, or the
// single byte).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// How a line that is too wide for the message area is broken.
enum class LineBreakRule : uint8_t {
    Anywhere,       // before the first character that does not fit
    Kinsoku,        // moved so that no line starts or ends with a forbidden character
    KinsokuHanging, // as Kinsoku, but 、。，． hang past the area's end instead
};

// The rule of game.ini's MsgKinsoku value: 1 and 2 turn the rules on, every
// other value leaves breaking as it has always been.
LineBreakRule LineBreakRuleOf(int32_t msgKinsoku);

// Closing brackets, small kana, iteration and prolonged sound marks,
// punctuation and their half-width and ASCII counterparts.
bool CannotStartLine(uint32_t code);
// Opening brackets, full-width, half-width and ASCII.
bool CannotEndLine(uint32_t code);
// 、。，． and the half-width 、。.
bool MayHang(uint32_t code);

// Where the line from `start` breaks when `codes[cut]`, the first character
// that does not fit, would begin the next line (start < cut < size): the
// index of the next line's first character. Under the kinsoku rules the
// break moves back, taking the character before it along, until the next
// line does not start with a character that may not begin a line and this
// one does not end with one that may not end it; when that would empty the
// line it stays at `cut`. With hanging, a character that may hang stays on
// this line first (the result is then cut + 1).
size_t BreakBefore(std::span<const uint32_t> codes, size_t start, size_t cut, LineBreakRule rule);
