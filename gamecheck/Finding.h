// One mistake `vnscript check` found in a game folder, and the two forms it
// is printed in: compiler-style lines that editors can jump to, and JSON.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gamecheck {

enum class Severity { Warning, Error };

enum class Kind {
    GameFile,       // start.evt, global.flg or local.flg missing or unreadable
    EventFile,      // an event file that does not load, or a jump to one that does not exist
    Label,          // a label that is not defined where a jump or choice looks for it
    Parameter,      // a parameter that neither flag-data file declares
    MissingEntry,   // an item the event cannot do without is empty
    Image,          // a picture that is missing or that the player cannot read
    Option,         // a value outside what the player takes
    LetterCase,     // a name that matches a file only in another letter case
    FileName,       // a file whose name event data cannot spell
    Sound,          // a sound file that is missing
    Unreached,      // an event file or events the game never comes to
    DuplicateLabel, // a label defined twice in one file
    ScriptText,     // an event the script text cannot carry unchanged
    MessageText,    // a message or choice text with control characters in it
    MessageLength,  // a message with more lines than the message area holds
    GameIni,        // a game.ini not written in Shift-JIS
};

// The kind's name in the JSON form, such as "missing-entry".
const char* KindName(Kind kind);

struct Finding {
    Severity severity = Severity::Error;
    Kind kind = Kind::Option;
    std::string file;    // relative to the game folder, "/" between folders
    int32_t line = 0;    // the event's number counted from 1; 0 for the whole file
    std::string message; // English, UTF-8
    std::string summary; // the event's summary line (UTF-8), empty when none
};

// Sorted for printing: start.evt first, then by file name, then by line; the
// order of finding is kept otherwise.
void SortFindings(std::vector<Finding>& findings);

// "FILE:LINE: error: MESSAGE [SUMMARY]", one line ending in "\n"; `folder`
// (the folder as the user named it, "" for the current one) goes in front
// of the file name.
std::string FormatLine(const Finding& finding, const std::string& folder);

// The whole list as a JSON array of objects with the members "file",
// "line" (null for a whole file), "severity", "kind", "message" and
// "summary" (only for events); valid UTF-8 whatever the names hold.
std::string FormatJson(const std::vector<Finding>& findings, const std::string& folder);

} // namespace gamecheck
