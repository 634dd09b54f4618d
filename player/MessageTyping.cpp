#include "player/MessageTyping.h"

#include "graphics/MessageText.h"
#include "graphics/TextRenderer.h"

#include <algorithm>

void MessageTyping::TypePage(MessageText& message, const std::string& page,
                             const LineColours& colours, int32_t delayMs) {
    message.AddPage(renderer_.Style(), page, colours);
    if (!DrawLines(message, colours, delayMs, message.LinesDrawn())) {
        // Interrupted: the rest of the page at once, from where typing stopped.
        DrawLines(message, colours, 0, message.LinesDrawn());
    }
}

void MessageTyping::Redraw(MessageText& message) {
    const int32_t linesDrawn = message.LinesDrawn();
    const int32_t charsDrawn = message.CharsDrawnInLine();
    // Every character is drawn: the picture beneath no longer holds any.
    message.SetProgress(linesDrawn, 0);
    DrawLines(message, message.Colours(), 0, 0);
    message.SetProgress(linesDrawn, charsDrawn);
}

bool MessageTyping::DrawLines(MessageText& message, const LineColours& colours, int32_t delayMs,
                              int32_t firstLine) {
    const MessageStyle& style = renderer_.Style();
    const MessageLines lines = message.LayOut(renderer_);
    // Only a press that begins while the text is typed interrupts it; one
    // already held (the click that ended the previous page) does not.
    input_.Pump();
    const uint32_t pressesBefore = input_.PressCount();
    bool completed = true;
    for (size_t i = 0; i < lines.layout.lines.size(); ++i) {
        const LaidOutLine& line = lines.layout.lines[i];
        const int32_t top = style.areaTop + static_cast<int32_t>(i) * style.LineHeight();
        if (static_cast<int32_t>(i) >= firstLine) {
            const int32_t alreadyShown =
                static_cast<int32_t>(i) == firstLine ? message.CharsDrawnInLine() : 0;
            if (!DrawLine(message, style.areaLeft, top,
                          std::span(lines.codes).subspan(line.first, line.count), colours, delayMs,
                          alreadyShown, pressesBefore)) {
                completed = false;
                break;
            }
            message.SetProgress(message.LinesDrawn() + 1, message.CharsDrawnInLine());
        }
        message.PlaceMarker(style.areaLeft + line.width, top);
    }
    if (delayMs <= 0) {
        // With the lines that went beyond the area, if any.
        input_.Present(renderer_.AreaAndDrawn());
    }
    return completed;
}

bool MessageTyping::DrawLine(MessageText& message, int32_t x, int32_t lineTop,
                             std::span<const uint32_t> codes, const LineColours& colours,
                             int32_t delayMs, int32_t alreadyShown, uint32_t pressesBefore) {
    input_.Pump();
    const auto interrupted = [&] {
        return input_.SkipActive() || input_.PressCount() != pressesBefore || input_.Paused();
    };
    int32_t charsDrawn = alreadyShown;
    message.SetProgress(message.LinesDrawn(), charsDrawn);
    for (size_t i = 0; i < codes.size(); ++i) {
        const int64_t begun = delayMs > 0 ? input_.NowMs() : 0;
        if (static_cast<int64_t>(i) < alreadyShown) {
            x += std::max(renderer_.Advance(codes[i]), 0);
            continue;
        }
        const int32_t advance = renderer_.DrawShadowed(x, lineTop, codes[i], colours);
        // Counted as soon as it is in the picture, so that showing the rest
        // after an interruption never draws it a second time.
        message.SetProgress(message.LinesDrawn(), ++charsDrawn);
        if (delayMs > 0) {
            input_.Pump();
            if (interrupted()) {
                return false;
            }
            input_.Present({x, lineTop, advance, renderer_.Style().LineHeight()});
            for (int64_t now = input_.NowMs(); now - begun < delayMs; now = input_.NowMs()) {
                input_.IdleUntil(begun + delayMs);
                input_.Pump();
                if (interrupted()) {
                    return false;
                }
            }
        }
        x += advance;
    }
    return true;
}
