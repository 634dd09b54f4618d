// The script text form of events: one event per line, and whole texts of
// many lines.
//
// A line's first character (after leading blanks) tells its kind: "\" speech,
// "*" label, ";" comment, "@" a command with a keyword and space-separated
// arguments, anything else narration. Writing and reading are not exact
// inverses: a string argument cannot hold a space or a tab, "nil" stands for
// the empty string, and so on. `FindScriptTextLoss` tells which events would
// change on the way through the text.
#pragma once

#include "scenario/VNEvent.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNEventType.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The line of one event, without line end, with the event editor's keywords.
VNString ToScriptLine(const VNEvent& event);

// The debug player's variant: narration is always written as it is (never
// with the "@narration " prefix) and codes 12 and 15 are named "title" and
// "msgbox".
VNString ToDebugScriptLine(const VNEvent& event);

// Rebuilds `event` as the event the line describes (code and all arguments
// replaced). Never fails: a line that names no event type becomes a comment.
void FromScriptLine(VNEvent& event, const VNString& line);

// True when reading the line ignores words: a command line with words left
// after its last argument, as when a string argument was written with a
// space in it. The script window warns before applying such a text.
bool ScriptLineDropsWords(const VNString& line);

// The lines of a whole text (Shift-JIS bytes) as FromScriptText cuts them:
// carriage returns are dropped wherever they stand, a line ends at a line
// feed or the end of the text, and an empty last line is no line. `visit`
// gets each line with its number, counted from 1.
void ForEachScriptLine(std::string_view text,
                       const std::function<void(int32_t, const VNString&)>& visit);

// Why a command line may not say what its author meant. Reading it never
// fails; these are the places where it quietly makes something of it.
struct ScriptLineIssue {
    enum class Kind {
        UnknownKeyword,   // no event type: the line becomes a comment
        LongKeyword,      // the keyword only begins with a type's name
        NotANumber,       // an integer argument that is no decimal number
        NumberTooLarge,   // an integer argument beyond 32 bits (it saturates)
        MissingArguments, // the line ends before the last argument
        ExtraArguments,   // words after the last argument, ignored
    };
    Kind kind;
    // The argument concerned (counted from 0); for MissingArguments the
    // number of arguments given, for ExtraArguments the type's count.
    int32_t argument;
    VNString word; // the keyword, the argument's word or the ignored words
    int32_t code;  // the event type the line was read as (0 for UnknownKeyword)
};

// The issues of one line, in the order above; none for lines that are not
// commands.
std::vector<ScriptLineIssue> FindScriptLineIssues(const VNString& line);

// Event list to whole text: each event's line followed by CR LF. The result
// is the Shift-JIS bytes.
std::string ToScriptText(const std::vector<VNEvent>& events);

// Whole text (Shift-JIS bytes) to a new event list: carriage returns are
// dropped wherever they stand, a line ends at a line feed or the end of the
// text, every line gives one event, and an empty last line gives none.
std::vector<VNEvent> FromScriptText(std::string_view text);

// The same for an event file's list: its whole text, and the events of a
// text appended to `events` (the script window hands in a new, empty list).
std::string ToScriptText(const VNEventFile& events);
void FromScriptText(std::string_view text, VNEventFile& events);

// Why an event does not come back unchanged from its script line.
enum class ScriptTextLoss {
    LineBreak,          // a text holds a carriage return or a line feed
    UnstableCharacter,  // a character whose bytes change through the wide form
    EmptyNarration,     // an empty narration reads back as an empty comment
    BlankNarration,     // a narration of blanks only reads back as a comment
    HiddenMark,         // leading blanks hide a mark that makes another kind of line
    TabInText,          // tabs are removed from narration and spoken text
    BackslashInSpeaker, // a "\" in the speaker name ends the name early
    SpeakerEndsInLead,  // a lone lead byte ending the speaker name joins the "\" after it
    BlankInArgument,    // a string argument with a space or tab splits in two
    NilArgument,        // a string argument "nil" reads back as empty
};

struct ScriptTextLossReport {
    ScriptTextLoss loss;
    int32_t argument; // the argument concerned
};

// Nothing when the event survives ToScriptLine, the whole-text line split
// and FromScriptLine unchanged (code and every argument byte for byte);
// otherwise the first reason it does not.
std::optional<ScriptTextLossReport> FindScriptTextLoss(const VNEvent& event);

// A short English description of a loss, for command-line messages.
const char* DescribeScriptTextLoss(ScriptTextLoss loss);
