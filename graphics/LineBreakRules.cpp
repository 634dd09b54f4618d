#include "graphics/LineBreakRules.h"

#include "graphics/TextCharacters.h"
#include "scenario/VNString.h"

#include <algorithm>
#include <vector>

namespace {

// The Shift-JIS codes of `utf8`'s characters, sorted for lookup. Written as
// the characters themselves and converted once, so that the lists read as
// what they hold.
std::vector<uint32_t> SortedCodes(const char8_t* utf8) {
    std::vector<uint32_t> codes = CharacterCodes(VNString(utf8).Bytes());
    std::sort(codes.begin(), codes.end());
    return codes;
}

bool Holds(const std::vector<uint32_t>& sorted, uint32_t code) {
    return std::binary_search(sorted.begin(), sorted.end(), code);
}

} // namespace

LineBreakRule LineBreakRuleOf(int32_t msgKinsoku) {
    switch (msgKinsoku) {
    case 1:
        return LineBreakRule::Kinsoku;
    case 2:
        return LineBreakRule::KinsokuHanging;
    default:
        return LineBreakRule::Anywhere;
    }
}

bool CannotStartLine(uint32_t code) {
    static const std::vector<uint32_t> codes =
        SortedCodes(u8"、。，．・：；？！゛゜ヽヾゝゞー々"
                    u8"」』）］｝〉》】〕”’〟"
                    u8"ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ"
                    u8")]},.!?:;｡｣､･ｰﾞﾟｧｨｩｪｫｬｭｮｯ");
    return Holds(codes, code);
}

bool CannotEndLine(uint32_t code) {
    static const std::vector<uint32_t> codes = SortedCodes(u8"「『（［｛〈《【〔“‘〝([{｢");
    return Holds(codes, code);
}

bool MayHang(uint32_t code) {
    static const std::vector<uint32_t> codes = SortedCodes(u8"、。，．､｡");
    return Holds(codes, code);
}

size_t BreakBefore(std::span<const uint32_t> codes, size_t start, size_t cut, LineBreakRule rule) {
    if (rule == LineBreakRule::Anywhere)
        return cut;
    size_t next = cut;
    if (rule == LineBreakRule::KinsokuHanging && MayHang(codes[cut]))
        ++next;
    // A break at the end of the text or before an explicit line break needs
    // no rule: no line starts there.
    const auto forbidden = [&](size_t at) {
        return at < codes.size() && codes[at] != kLineBreakCode &&
               (CannotStartLine(codes[at]) || CannotEndLine(codes[at - 1]));
    };
    while (next > start && forbidden(next))
        --next;
    return next > start ? next : cut;
}
