// What the script window checks before it turns its text back into events:
// lines that will not give back the events they were written from (a text
// with a line break, a string argument with a space, ...) and command lines
// whose last words would be ignored.
//
// Lines the author left as they were written keep the reason their event
// gave; the lines of the edited middle part are recognised by their text.
#pragma once

#include "scenario/ScriptText.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ScriptLineLoss {
    int32_t line; // counted from 1
    // Why the line's event changes; none for words left after the last argument.
    std::optional<ScriptTextLoss> loss;
};

class ScriptLossCheck {
public:
    ScriptLossCheck() = default;
    // Remembers the script text of `events` line by line.
    explicit ScriptLossCheck(const VNEventFile& events);

    // The first line of `text` (Shift-JIS, as the script window gives it back)
    // that loses something on the way to events, or nothing.
    std::optional<ScriptLineLoss> FirstLoss(std::string_view text) const;

private:
    std::vector<std::string> lines_;                 // as written, one per text line
    std::vector<std::optional<ScriptTextLoss>> why_; // the loss of each line's event
    std::map<std::string, ScriptTextLoss> lossy_;    // the text of every line that loses
};

// The lines of a whole script text as they are read: carriage returns
// dropped, a line per line feed, an empty last line not counted.
std::vector<std::string> ScriptTextLines(std::string_view text);

// The warning the script window shows for a loss, naming its line.
VNString ScriptLossWarning(const ScriptLineLoss& loss);
