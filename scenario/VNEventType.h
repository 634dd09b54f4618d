// The table of the 23 event types. Each row says everything the programs
// need to know about a type that is data rather than code: its code, its
// keywords, its arguments (letter and kind), how its script line is
// written, which dialog edits it, where the event editor's insert list
// offers it, what the player does with it in broad strokes, and the
// functions that write its summary and judge its options. Row 0 is empty.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

enum : int32_t {
    EVENTCODE_NARRATION = 1,
    EVENTCODE_SERIF = 2,
    EVENTCODE_CHARACTER = 3,
    EVENTCODE_BACKGROUND = 4,
    EVENTCODE_SELECT = 5,
    EVENTCODE_LABEL = 6,
    EVENTCODE_CDDA = 7,
    EVENTCODE_MIDIOLD = 8,
    EVENTCODE_PCM = 9,
    EVENTCODE_SETFLAG = 10,
    EVENTCODE_JUMP = 11,
    EVENTCODE_TITLE = 12,
    EVENTCODE_WAITCLICK = 13,
    EVENTCODE_WAIT = 14,
    EVENTCODE_MSGBOX = 15,
    EVENTCODE_COMMENT = 16,
    EVENTCODE_MP3 = 17,
    EVENTCODE_SETFADE = 18,
    EVENTCODE_BTNSELECT = 19,
    EVENTCODE_ANIME = 20,
    EVENTCODE_SETPARAM = 21,
    EVENTCODE_VORBIS = 22,
    EVENTCODE_MIDI = 23,
};

inline constexpr int32_t EVENTCODE_MAX = EVENTCODE_MIDI;

#define IS_VALID_EVENT_CODE(code) ((code) >= 1 && (code) <= EVENTCODE_MAX)

class VNEvent;
class VNString;
struct OptionProblem;

// What an argument holds, beyond its letter.
enum class ArgKind : uint8_t {
    None,          // no argument in this place
    NarrationText, // a narration's message text
    SpeakerName,   // the speaker of a serif
    SpeechText,    // what the speaker says
    ChoiceText,    // a line of a text choice
    Label,         // a label of the current file to jump to
    LabelName,     // the name a label event defines
    Image,         // a picture under cg/
    Mask,          // its mask, or "AUTO"
    Sound,         // a sound file under the row's sound folder; empty stops
    CdTrack,       // a CD track number; 0 stops
    EventFile,     // an event file under event/, or "LOAD" / "SAVE"
    Parameter,     // the name of a declared parameter
    Operand,       // a number, "RAND" or a parameter name
    Option,        // one of a fixed set of codes
    Count,         // the number of entries in the list after it
    List,          // entries packed into one string
    Duration,      // milliseconds
    Switch,        // 0 off, anything else on
    Number,        // a number the player does not look at
    Text,          // a text the player shows or keeps (title, comment)
};

// How a script line writes the type.
enum class LineForm : uint8_t {
    Command,   // "@keyword arg arg ..."
    Narration, // the text itself
    Speech,    // "\speaker\text"
    Label,     // "*name"
    Comment,   // ";text"
};

// The dialog that edits the type (eventeditor/VNEventEditDlg).
enum class EventDialog : uint8_t {
    None, // not editable: read as another type, or set by no dialog
    NothingToEdit,
    Narration,
    Serif,
    Character,
    Background,
    Select,
    Label,
    Cdda,
    Pcm,
    Flag,
    Jump,
    Title,
    Wait,
    Comment,
    Mp3,
    SetFade,
    BtnSelect,
    Anime,
    Param,
    Vorbis,
    Midi,
};

// What the player does with an event: the handler that performs it.
enum class PlayerAction : uint8_t {
    None, // label, comment, msgbox, midiold: nothing happens
    ShowMessage,
    TextChoice,
    ButtonChoice,
    Jump,
    SetFlag,
    SetParam,
    SetTitle,
    WaitClick,
    Wait,
    SetFade,
    Character,
    Background,
    Anime,
    PlayPcm,
    PlayCdTrack,
    PlayMidi,
    PlayMp3,
    PlayVorbis,
};

// Which dialog sets hold the type's dialog: the event editor's only, or
// also the debug player's.
enum class DialogSets : uint8_t { Both, EditorOnly };

// Broad facts about what the player does with an event.
enum EventTypeFlags : uint32_t {
    kNoFlags = 0,
    kVisual = 1u << 0,       // changes layers of the screen
    kOffersChoice = 1u << 1, // waits for a choice and jumps; never goes on to the next event
};

// The two forms of summary: the event editor's and the players'.
enum class SummaryVariant { Editor, Player };
// Called by the players' summary with a warning text and its caption.
using SummaryWarning = std::function<void(const VNString& text, const VNString& caption)>;

using SummaryBuilder = VNString (*)(const VNEvent& event, SummaryVariant variant,
                                    const SummaryWarning& warn);
using OptionRule = void (*)(const VNEvent& event, std::vector<OptionProblem>& problems);

inline constexpr int32_t kMaxArgs = 6;

struct VNEventDescriptor {
    int32_t code;
    const char* name; // keyword of the players' script text; null in row 0
    int32_t argc;
    const char* arg_type_desc; // one letter per argument ('I', 'S'); null in row 0
    const char* editor_name;   // the event editor's keyword when it differs, else null
    std::array<ArgKind, kMaxArgs> args;
    LineForm line;
    EventDialog dialog;
    DialogSets dialog_sets;
    // The event editor's insert list: the entry's text (null when the type
    // cannot be inserted) and its place; the tens digit is its group, and a
    // separator line stands between groups.
    const char8_t* insert_text;
    int32_t insert_place;
    uint32_t flags;
    PlayerAction action;      // what the player does with it
    const char* sound_folder; // the folder of its Sound argument, or null
    SummaryBuilder summary;   // null: shown as an unknown type
    OptionRule options;       // null: no option to judge
};

// Which keyword table a text form uses: the event editor's names codes 12 and
// 15 "settitle" and "setmsgbox", the players' (and the event records') "title"
// and "msgbox".
enum class VNKeywords { Player, Editor };

// Row `code` of the table (0..23); the names are the players'.
const VNEventDescriptor& GetEventDescriptor(int32_t code);

// The keyword of `code` in the given keyword table.
const char* GetEventKeyword(int32_t code, VNKeywords table);

// Whether the row has `flag`.
inline bool HasEventFlag(const VNEventDescriptor& row, EventTypeFlags flag) {
    return (row.flags & flag) != 0;
}
