#include "scenario/VNEventType.h"

namespace {

constexpr VNEventDescriptor kEventTypes[EVENTCODE_MAX + 1] = {
    {0, nullptr, 0, nullptr},
    {EVENTCODE_NARRATION, "narration", 1, "S"},
    {EVENTCODE_SERIF, "serif", 2, "SS"},
    {EVENTCODE_CHARACTER, "chara", 4, "SSII"},
    {EVENTCODE_BACKGROUND, "background", 1, "S"},
    {EVENTCODE_SELECT, "select", 6, "SSSSSS"},
    {EVENTCODE_LABEL, "label", 1, "S"},
    {EVENTCODE_CDDA, "cdda", 2, "II"},
    {EVENTCODE_MIDIOLD, "midiold", 2, "SI"},
    {EVENTCODE_PCM, "pcm", 2, "SI"},
    {EVENTCODE_SETFLAG, "setflag", 2, "SI"},
    {EVENTCODE_JUMP, "jump", 4, "SSIS"},
    {EVENTCODE_TITLE, "title", 1, "S"},
    {EVENTCODE_WAITCLICK, "waitclick", 0, ""},
    {EVENTCODE_WAIT, "wait", 1, "I"},
    {EVENTCODE_MSGBOX, "msgbox", 1, "I"},
    {EVENTCODE_COMMENT, "comment", 1, "S"},
    {EVENTCODE_MP3, "mp3", 2, "SI"},
    {EVENTCODE_SETFADE, "setfade", 4, "IIII"},
    {EVENTCODE_BTNSELECT, "btnselect", 5, "SSSIS"},
    {EVENTCODE_ANIME, "anime", 3, "IIS"},
    {EVENTCODE_SETPARAM, "setparam", 4, "SSIS"},
    {EVENTCODE_VORBIS, "vorbis", 4, "SIII"},
    {EVENTCODE_MIDI, "midi", 3, "SII"},
};

} // namespace

const VNEventDescriptor& GetEventDescriptor(int32_t code) {
    return kEventTypes[IS_VALID_EVENT_CODE(code) ? code : 0];
}

const char* GetEventKeyword(int32_t code, VNKeywords table) {
    if (table == VNKeywords::Editor) {
        if (code == EVENTCODE_TITLE)
            return "settitle";
        if (code == EVENTCODE_MSGBOX)
            return "setmsgbox";
    }
    return GetEventDescriptor(code).name;
}
