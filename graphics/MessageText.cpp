#include "graphics/MessageText.h"

#include "graphics/TextCharacters.h"
#include "graphics/TextHost.h"
#include "graphics/TextRenderer.h"
#include "scenario/VNEvent.h"

VNString MessageOfEvent(const VNEvent& event) {
    if (event.GetCode() == EVENTCODE_SERIF)
        return VNString(u8"【") + event.GetString(0) + VNString(u8"】/") + event.GetString(1);
    return event.GetString(0);
}

namespace {

// The pages of `text` as Display shows them.
std::vector<std::string> PagesOf(std::string_view text) {
    return SplitPages(ResolveControlCharacters(text, static_cast<char>(kLineBreakCode)));
}

} // namespace

void MessageText::Clear() {
    *this = MessageText();
}

bool MessageText::Display(TextRenderer& renderer, std::string_view text, const LineColours& colours,
                          int32_t delayMs, TextHost& host) {
    colours_ = colours;
    if (kept_.empty()) {
        // Until a line is laid out the marker waits at the start of the area.
        markerX_ = renderer.Style().areaLeft;
        markerY_ = renderer.Style().areaTop;
    }
    const std::vector<std::string> pages = PagesOf(text);
    for (size_t n = 0; n < pages.size(); ++n) {
        kept_ += pages[n];
        host.PageShown(WithoutLineBreaks(pages[n]));
        charsDrawn_ = 0;
        if (!LayOutAndDraw(renderer, colours, delayMs, linesDrawn_, host)) {
            // Interrupted: the rest of the page at once, from where typing stopped.
            LayOutAndDraw(renderer, colours, 0, linesDrawn_, host);
        }
        if (!host.ClickWait()) {
            return false;
        }
        kept_ += static_cast<char>(kLineBreakCode);
    }
    return true;
}

bool MessageText::LayOutAndDraw(TextRenderer& renderer, const LineColours& colours, int32_t delayMs,
                                int32_t firstLine, TextHost& host) {
    const MessageStyle& style = renderer.Style();
    const std::vector<uint32_t> codes = CharacterCodes(kept_);
    const TextLayout layout = renderer.LayOut(codes);
    // Only a press that begins while the text is typed interrupts it; one
    // already held (the click that ended the previous page) does not.
    host.Pump();
    const uint32_t pressesBefore = host.PressCount();
    bool completed = true;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        const LaidOutLine& line = layout.lines[i];
        const int32_t top = style.areaTop + static_cast<int32_t>(i) * style.LineHeight();
        if (static_cast<int32_t>(i) >= firstLine) {
            const int32_t alreadyShown = static_cast<int32_t>(i) == firstLine ? charsDrawn_ : 0;
            if (!renderer.DrawLine(style.areaLeft, top,
                                   std::span(codes).subspan(line.first, line.count), colours,
                                   delayMs, alreadyShown, host, pressesBefore, charsDrawn_)) {
                completed = false;
                break;
            }
            ++linesDrawn_;
        }
        markerX_ = style.areaLeft + line.width;
        markerY_ = top;
    }
    if (delayMs <= 0) {
        // With the lines that went beyond the area, if any.
        const ScreenRect shown = renderer.AreaAndDrawn();
        host.Present(shown.x, shown.y, shown.width, shown.height);
    }
    return completed;
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

void MessageText::Redraw(TextRenderer& renderer, TextHost& host) {
    const int32_t linesDrawn = linesDrawn_;
    const int32_t charsDrawn = charsDrawn_;
    // Every character is drawn: the picture beneath no longer holds any.
    charsDrawn_ = 0;
    LayOutAndDraw(renderer, colours_, 0, 0, host);
    linesDrawn_ = linesDrawn;
    charsDrawn_ = charsDrawn;
}
