#include "eventeditor/ButtonDefinitions.h"

namespace {

const VNString kComma(",");

} // namespace

std::vector<ButtonDefinition> ParseButtons(int32_t count, const VNString& definitions) {
    std::vector<ButtonDefinition> buttons;
    VNString rest = definitions.RemoveChars(VNString(" \t"));
    for (int32_t i = 0; i < count && !rest.IsEmpty(); ++i) {
        ButtonDefinition button;
        button.label = rest.SplitToken(kComma);
        button.x = rest.SplitToken(kComma).ToInt();
        button.y = rest.SplitToken(kComma).ToInt();
        button.width = rest.SplitToken(kComma).ToInt();
        button.height = rest.SplitToken(kComma).ToInt();
        buttons.push_back(button);
    }
    return buttons;
}

VNString ButtonsText(const std::vector<ButtonDefinition>& buttons) {
    VNString text;
    for (size_t i = 0; i < buttons.size(); ++i) {
        const ButtonDefinition& b = buttons[i];
        if (i > 0)
            text += kComma;
        text += b.label + kComma + VNString(b.x) + kComma + VNString(b.y) + kComma +
                VNString(b.width) + kComma + VNString(b.height);
    }
    return text;
}
