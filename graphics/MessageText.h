// The message on screen: the text shown so far, typed into the message area
// page by page, and what a redraw or the click-wait marker needs to know
// about it.
#pragma once

#include "graphics/MessageStyle.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <string>
#include <string_view>

class TextHost;
class TextRenderer;
class VNEvent;

// The text a narration or serif event shows: the narration, or the speaker
// in 【】 on a line of its own above the speech.
VNString MessageOfEvent(const VNEvent& event);

class MessageText {
public:
    // A new message: nothing kept, no line drawn.
    void Clear();

    // Shows `text` (Shift-JIS; "/" breaks a line, "\" separates pages; its
    // control characters resolved first, a line break written as CR LF, CR
    // or LF breaking the line as "/" does) in the message area, typing it with `delayMs` per
    // character (0: all at once). After each page the host's click wait runs with the marker after
    // the last line, and the next page continues on a new line below without clearing anything.
    // Every page goes to the host's PageShown without its "/" marks. False when a load was chosen
    // during a click wait (the rest is not shown).
    bool Display(TextRenderer& renderer, std::string_view text, const LineColours& colours,
                 int32_t delayMs, TextHost& host);

    // Lays out the kept text and draws its lines from `firstLine` on; the
    // first of them continues after the characters already drawn in it.
    // False when typing was interrupted. Without a delay the message area is
    // presented at the end.
    bool LayOutAndDraw(TextRenderer& renderer, const LineColours& colours, int32_t delayMs,
                       int32_t firstLine, TextHost& host);

    // Draws every line of the kept text again at once (after the picture
    // beneath was redrawn); what has been typed so far is unchanged.
    void Redraw(TextRenderer& renderer, TextHost& host);

    // How many lines the whole of `text` takes in the message area, every
    // page continuing on a new line: what Display draws, laid out alike.
    static int32_t LineCount(TextRenderer& renderer, std::string_view text);

    // The pages shown so far joined with "/".
    const std::string& Kept() const { return kept_; }
    int32_t LinesDrawn() const { return linesDrawn_; }
    int32_t CharsDrawnInLine() const { return charsDrawn_; }
    // Where the click-wait marker goes: after the last line.
    int32_t MarkerX() const { return markerX_; }
    int32_t MarkerY() const { return markerY_; }

private:
    std::string kept_;
    int32_t linesDrawn_ = 0;
    int32_t charsDrawn_ = 0;
    int32_t markerX_ = 0;
    int32_t markerY_ = 0;
    LineColours colours_;
};
