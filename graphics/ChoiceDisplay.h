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

class TextRenderer;

struct ChoiceColours {
    TextColour unselected;
    TextColour selected;
    TextColour shadow;
};

class ChoiceDisplay {
public:
    ChoiceDisplay(TextRenderer& renderer, const ChoiceColours& colours);

    // Saves the strip under each line (message area width x line height,
    // line i at the area's top + i x line height), draws every choice in
    // the unselected colour and returns the rectangle to present: the
    // message area, with whatever part of a choice lies beyond it. Nothing
    // is pointed. Control characters in a choice are resolved as in
    // messages, a line break showing as a space.
    ScreenRect Show(const std::vector<std::string>& lines);

    // The first line whose strip holds the pointer's y (only y counts), or
    // -1.
    int32_t LineAt(int32_t y) const;

    // Makes `line` (-1 for none) the pointed one: when it changes, the old
    // one is drawn unselected and the new one selected over their saved
    // strips; the result is the rectangle to present as Show's, or an empty
    // one when nothing changed.
    ScreenRect Point(int32_t line);
    int32_t Pointed() const { return pointed_; }

private:
    void DrawChoice(int32_t line, const TextColour& colour);

    TextRenderer& renderer_;
    ChoiceColours colours_;
    std::vector<std::string> lines_;
    std::vector<std::unique_ptr<Surface>> strips_;
    int32_t pointed_ = -1;
};
