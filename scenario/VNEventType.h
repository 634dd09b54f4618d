// The table of the 23 event types: code, keyword, argument count and the
// argument letters ('I' integer, 'S' string). One row per code; row 0 is empty.
#pragma once

#include <cstdint>

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

struct VNEventDescriptor {
    int32_t code;
    const char* name;          // keyword of the script text; null in row 0
    int32_t argc;
    const char* arg_type_desc; // one letter per argument; null in row 0
};

// Which keyword table a text form uses: the event editor's names codes 12 and
// 15 "settitle" and "setmsgbox", the players' (and the event records') "title"
// and "msgbox".
enum class VNKeywords { Player, Editor };

// Row `code` of the table (0..23); the names are the players'.
const VNEventDescriptor& GetEventDescriptor(int32_t code);

// The keyword of `code` in the given keyword table.
const char* GetEventKeyword(int32_t code, VNKeywords table);
