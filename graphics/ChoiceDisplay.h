// Text choices in the message area: one line per choice, the pointed one in
// the selected colour, the others in the unselected colour. The picture
// under each line is kept, so pointing redraws one line over its own
// background instead of the whole screen.
#pragma once

#include "graphics/MessageStyle.h"
#include "graphics/Surface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TextHost;
class TextRenderer;

struct ChoiceColours {
    TextColour unselected;
    TextColour selected;
    TextColour shadow;
};

class ChoiceDisplay {
public:
    ChoiceDisplay(TextRenderer& renderer, const ChoiceColours& colours, TextHost& host);

    // Saves the strip under each line (message area width x line height,
    // line i at the area's top + i x line height), draws every choice in
    // the unselected colour and presents the message area. Nothing is
    // pointed. Control characters in a choice are resolved as in messages,
    // a line break showing as a space.
    void Show(const std::vector<std::string>& lines);

    // The first line whose strip holds the pointer's y (only y counts), or
    // -1.
    int32_t LineAt(int32_t y) const;

    // Makes `line` (-1 for none) the pointed one: when it changes, the old
    // one is drawn unselected and the new one selected over their saved
    // strips, and the message area is presented.
    void Point(int32_t line);
    int32_t Pointed() const { return pointed_; }

private:
    void DrawChoice(int32_t line, const TextColour& colour);
    // The message area, with whatever part of a choice lies beyond it.
    void PresentChoices();

    TextRenderer& renderer_;
    ChoiceColours colours_;
    TextHost& host_;
    std::vector<std::string> lines_;
    std::vector<std::unique_ptr<Surface>> strips_;
    int32_t pointed_ = -1;
};
