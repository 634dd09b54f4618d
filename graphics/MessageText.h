// The message on screen: the text shown so far, page by page, its lines as
// laid out in the message area, how much of it is drawn, and where the
// click-wait marker goes. The player types the pages and records here how
// far it got.
#pragma once

#include "graphics/MessageStyle.h"
#include "graphics/TextRenderer.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class VNEvent;

// The text a narration or serif event shows: the narration, or the speaker
// in 【】 on a line of its own above the speech.
VNString MessageOfEvent(const VNEvent& event);

// The kept text as character codes and its lines as laid out.
struct MessageLines {
    std::vector<uint32_t> codes;
    TextLayout layout;
};

class MessageText {
public:
    // The pages of `text` (Shift-JIS; "/" breaks a line, "\" separates
    // pages), its control characters resolved first: a line break written
    // as CR LF, CR or LF breaks the line as "/" does.
    static std::vector<std::string> PagesOf(std::string_view text);

    // How many lines the whole of `text` takes in the message area, every
    // page continuing on a new line, as the player draws it.
    static int32_t LineCount(TextRenderer& renderer, std::string_view text);

    // A new message: nothing kept, no line drawn.
    void Clear();

    // `page` joins the kept text in `colours`; its first line continues the
    // line in progress, none of whose characters counts as drawn. On the
    // first page the marker waits at the start of the area until a line is
    // laid out.
    void AddPage(const MessageStyle& style, const std::string& page, const LineColours& colours);
    // After the page's wait: the next page begins on a new line.
    void EndPage();

    MessageLines LayOut(TextRenderer& renderer) const;

    // How far drawing got: lines completed, characters of the line in
    // progress, and the marker after the last line laid out.
    void SetProgress(int32_t linesDrawn, int32_t charsDrawn) {
        linesDrawn_ = linesDrawn;
        charsDrawn_ = charsDrawn;
    }
    void PlaceMarker(int32_t x, int32_t y) {
        markerX_ = x;
        markerY_ = y;
    }

    // The pages shown so far joined with "/".
    const std::string& Kept() const { return kept_; }
    const LineColours& Colours() const { return colours_; }
    int32_t LinesDrawn() const { return linesDrawn_; }
    int32_t CharsDrawnInLine() const { return charsDrawn_; }
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
