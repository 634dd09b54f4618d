#include "graphics/TextCharacters.h"

#include "scenario/ShiftJis.h"

namespace {

// Calls `visit(code, bytes)` for every character of `sjis`.
template <typename Visit> void ForEachCharacter(std::string_view sjis, Visit visit) {
    for (size_t i = 0; i < sjis.size();) {
        const auto lead = static_cast<unsigned char>(sjis[i]);
        if (vn::sjis::IsLeadByte(lead) && i + 1 < sjis.size()) {
            const auto trail = static_cast<unsigned char>(sjis[i + 1]);
            visit(uint32_t{lead} * 256 + trail, sjis.substr(i, 2));
            i += 2;
        } else {
            visit(uint32_t{lead}, sjis.substr(i, 1));
            ++i;
        }
    }
}

} // namespace

std::vector<uint32_t> CharacterCodes(std::string_view sjis) {
    std::vector<uint32_t> codes;
    codes.reserve(sjis.size());
    ForEachCharacter(sjis, [&](uint32_t code, std::string_view) { codes.push_back(code); });
    return codes;
}

void AppendCharacter(std::string& out, uint32_t code) {
    if (code > 0xFF) {
        out.push_back(static_cast<char>(code >> 8));
    }
    out.push_back(static_cast<char>(code & 0xFF));
}

std::vector<std::string> SplitPages(std::string_view sjis) {
    std::vector<std::string> pages(1);
    ForEachCharacter(sjis, [&](uint32_t code, std::string_view bytes) {
        if (code == kPageBreakCode) {
            pages.emplace_back();
        } else {
            pages.back().append(bytes);
        }
    });
    return pages;
}

std::string WithoutLineBreaks(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size());
    ForEachCharacter(sjis, [&](uint32_t code, std::string_view bytes) {
        if (code != kLineBreakCode) {
            out.append(bytes);
        }
    });
    return out;
}

std::string ResolveControlCharacters(std::string_view sjis, char lineBreak) {
    std::string out;
    out.reserve(sjis.size());
    uint32_t previous = 0;
    ForEachCharacter(sjis, [&](uint32_t code, std::string_view bytes) {
        if (code == '\n' && previous == '\r') {
            // The second half of CR LF: the break is made already.
        } else if (code == '\r' || code == '\n') {
            out.push_back(lineBreak);
        } else if (code == '\t') {
            out.push_back(' ');
        } else if (code >= 0x20 && code != 0x7F) {
            out.append(bytes);
        }
        previous = code;
    });
    return out;
}
