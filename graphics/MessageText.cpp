#include "graphics/MessageText.h"

#include "graphics/TextCharacters.h"
#include "scenario/VNEvent.h"

VNString MessageOfEvent(const VNEvent& event) {
    if (event.GetCode() == EVENTCODE_SERIF)
        return VNString(u8"【") + event.GetString(0) + VNString(u8"】/") + event.GetString(1);
    return event.GetString(0);
}

std::vector<std::string> MessageText::PagesOf(std::string_view text) {
    return SplitPages(ResolveControlCharacters(text, static_cast<char>(kLineBreakCode)));
}

void MessageText::Clear() {
    *this = MessageText();
}

void MessageText::AddPage(const MessageStyle& style, const std::string& page,
                          const LineColours& colours) {
    colours_ = colours;
    if (kept_.empty()) {
        markerX_ = style.areaLeft;
        markerY_ = style.areaTop;
    }
    kept_ += page;
    charsDrawn_ = 0;
}

void MessageText::EndPage() {
    kept_ += static_cast<char>(kLineBreakCode);
}

MessageLines MessageText::LayOut(TextRenderer& renderer) const {
    MessageLines lines;
    lines.codes = CharacterCodes(kept_);
    lines.layout = renderer.LayOut(lines.codes);
    return lines;
}

int32_t MessageText::LineCount(TextRenderer& renderer, std::string_view text) {
    // The kept text after the last page: the pages joined with "/".
    const std::vector<std::string> pages = PagesOf(text);
    std::string kept = pages.front();
    for (size_t n = 1; n < pages.size(); ++n) {
        kept += static_cast<char>(kLineBreakCode);
        kept += pages[n];
    }
    return static_cast<int32_t>(renderer.LayOut(CharacterCodes(kept)).lines.size());
}
