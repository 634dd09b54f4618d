#include "graphics/ChoiceDisplay.h"

#include "graphics/PixelOps.h"
#include "graphics/TextCharacters.h"
#include "graphics/TextRenderer.h"

ChoiceDisplay::ChoiceDisplay(TextRenderer& renderer, const ChoiceColours& colours)
    : renderer_(renderer), colours_(colours) {}

ScreenRect ChoiceDisplay::Show(const std::vector<std::string>& lines) {
    const MessageStyle& style = renderer_.Style();
    // A choice is one line: a line break in its text shows as a space.
    lines_.clear();
    for (const std::string& line : lines)
        lines_.push_back(ResolveControlCharacters(line, ' '));
    strips_.clear();
    pointed_ = -1;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const int32_t top = style.areaTop + static_cast<int32_t>(i) * style.LineHeight();
        auto strip = std::make_unique<Surface>();
        if (strip->Create(style.areaWidth, style.LineHeight())) {
            Copy(*strip, 0, 0, renderer_.Target(),
                 {style.areaLeft, top, style.areaWidth, style.LineHeight()});
        }
        strips_.push_back(std::move(strip));
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
        DrawChoice(static_cast<int32_t>(i), colours_.unselected);
    }
    return renderer_.AreaAndDrawn();
}

int32_t ChoiceDisplay::LineAt(int32_t y) const {
    const MessageStyle& style = renderer_.Style();
    for (size_t i = 0; i < lines_.size(); ++i) {
        const int64_t top = int64_t{style.areaTop} + static_cast<int64_t>(i) * style.LineHeight();
        if (top <= y && y < top + style.LineHeight()) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

ScreenRect ChoiceDisplay::Point(int32_t line) {
    if (line == pointed_) {
        return {};
    }
    const auto restore = [&](int32_t n, const TextColour& colour) {
        if (n < 0 || n >= static_cast<int32_t>(lines_.size())) {
            return;
        }
        const MessageStyle& style = renderer_.Style();
        const Surface& strip = *strips_[static_cast<size_t>(n)];
        if (strip.IsCreated()) {
            Copy(renderer_.Target(), style.areaLeft, style.areaTop + n * style.LineHeight(), strip);
        }
        DrawChoice(n, colour);
    };
    restore(pointed_, colours_.unselected);
    restore(line, colours_.selected);
    pointed_ = line;
    return renderer_.AreaAndDrawn();
}

void ChoiceDisplay::DrawChoice(int32_t line, const TextColour& colour) {
    const MessageStyle& style = renderer_.Style();
    const std::vector<uint32_t> codes = CharacterCodes(lines_[static_cast<size_t>(line)]);
    renderer_.DrawLine(style.areaLeft, style.areaTop + line * style.LineHeight(), codes,
                       {colour, colours_.shadow});
}
