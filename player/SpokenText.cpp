#include "player/SpokenText.h"

#include "graphics/MessageText.h"
#include "graphics/TextCharacters.h"
#include "platform/ScreenReader.h"
#include "scenario/VNString.h"

#include <algorithm>

namespace {

// The brackets the speech event puts around the speaker's name ("【", "】").
constexpr uint32_t kSpeakerOpen = 0x8179;
constexpr uint32_t kSpeakerClose = 0x817A;

// The "【speaker】" that opens a speech's first page, or nothing.
std::string SpeakerOf(std::string_view firstPage) {
    const std::vector<uint32_t> codes = CharacterCodes(firstPage);
    if (codes.empty() || codes.front() != kSpeakerOpen) {
        return {};
    }
    for (size_t n = 1; n + 1 < codes.size(); ++n) {
        if (codes[n] == kSpeakerClose && codes[n + 1] == kLineBreakCode) {
            std::string speaker;
            for (size_t k = 0; k <= n; ++k) {
                AppendCharacter(speaker, codes[k]);
            }
            return speaker;
        }
    }
    return {};
}

std::string ToUtf8(std::string sjis) {
    // A trail byte of Shift-JIS is never "/", so every "/" is a mark.
    std::replace(sjis.begin(), sjis.end(), static_cast<char>(kLineBreakCode), '\n');
    return VNString::FromBytes(sjis).ToUtf8Lossy();
}

} // namespace

std::vector<std::string> SpokenPages(std::string_view sjis) {
    const std::vector<std::string> pages = MessageText::PagesOf(sjis);
    const std::string speaker = SpeakerOf(pages.front());
    std::vector<std::string> spoken;
    for (size_t n = 0; n < pages.size(); ++n) {
        spoken.push_back(ToUtf8(n > 0 && !speaker.empty() ? speaker + '/' + pages[n] : pages[n]));
    }
    return spoken;
}

std::vector<std::string> ButtonNames(size_t count) {
    std::vector<std::string> names;
    for (size_t n = 1; n <= count; ++n) {
        names.push_back("ボタン " + std::to_string(n) + " / " + std::to_string(count));
    }
    return names;
}

std::vector<std::string> SpokenLines(const std::vector<std::string>& sjisLines) {
    std::vector<std::string> lines;
    for (const std::string& line : sjisLines) {
        lines.push_back(VNString::FromBytes(ResolveControlCharacters(line, ' ')).ToUtf8Lossy());
    }
    return lines;
}

SpokenChoice::SpokenChoice(platform::WindowHandle view, const std::vector<std::string>& utf8Items)
    : view_(view) {
    platform::SetViewItems(view_, utf8Items);
}

SpokenChoice::~SpokenChoice() {
    platform::SetViewItems(view_, {});
}

void SpokenChoice::Point(int item) {
    platform::SetViewPointed(view_, item);
}
