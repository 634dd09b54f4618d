// vnscript syntax: the script line of each event type, read from the event
// type table, so that what it prints and what compile reads cannot differ.
// The example line is the script line of an event built with a sample value
// for each argument's kind, written by the same code as `vnscript text`.
#include "scenario/ScriptText.h"
#include "scenario/VNEventType.h"
#include "tools/vnscript/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vnscript {
namespace {

struct KindText {
    const char* name;
    const char* meaning;
};

KindText Describe(ArgKind kind) {
    switch (kind) {
    case ArgKind::None:
        break;
    case ArgKind::NarrationText:
        return {"text", "the message; \"/\" breaks the line, \"\\\" waits for a click"};
    case ArgKind::SpeakerName:
        return {"speaker", "the name of who speaks (no \"\\\" in it)"};
    case ArgKind::SpeechText:
        return {"speech", "what is said; \"/\" breaks the line, \"\\\" waits for a click"};
    case ArgKind::ChoiceText:
        return {"choice", "the text of a choice (nil: no such choice)"};
    case ArgKind::Label:
        return {"label", "a label of this file to jump to (nil: none, or the top)"};
    case ArgKind::LabelName:
        return {"name", "the name of the label"};
    case ArgKind::Image:
        return {"picture", "a picture file under cg/, BMP or PNG (nil: none)"};
    case ArgKind::Mask:
        return {"mask", "its grey mask under cg/, or AUTO (the top-left colour is clear)"};
    case ArgKind::Sound:
        return {"sound", "a sound file under its folder (nil: stop)"};
    case ArgKind::CdTrack:
        return {"track", "a CD track number (0: stop)"};
    case ArgKind::EventFile:
        return {"file", "an event file under event/, LOAD or SAVE (nil: this file)"};
    case ArgKind::Parameter:
        return {"parameter", "the name of a parameter declared in save/*.flg"};
    case ArgKind::Operand:
        return {"operand", "a number, RAND or a parameter name"};
    case ArgKind::Option:
        return {"option", "one of the type's option codes"};
    case ArgKind::Count:
        return {"count", "the number of entries in the list after it"};
    case ArgKind::List:
        return {"list", "the entries, packed into one word"};
    case ArgKind::Duration:
        return {"ms", "milliseconds"};
    case ArgKind::Switch:
        return {"switch", "0 off, anything else on"};
    case ArgKind::Number:
        return {"number", "a number the player does not look at"};
    case ArgKind::Text:
        return {"text", "a text the player shows or keeps"};
    }
    return {"", ""};
}

// A sample string for argument `n` of `row`.
const char* SampleString(const VNEventDescriptor& row, int32_t n) {
    static const char* const kChoices[] = {"Walk", "Stay", "Rest"};
    static const char* const kLabels[] = {"walk", "stay", "rest"};
    switch (row.args[static_cast<size_t>(n)]) {
    case ArgKind::NarrationText:
        return "A clear sky over the hill./Someone waits there.\\You walk up.";
    case ArgKind::SpeakerName:
        return "Guide";
    case ArgKind::SpeechText:
        return "Hello!/Shall we walk on?";
    case ArgKind::ChoiceText:
        return kChoices[n / 2 % 3];
    case ArgKind::Label:
        return kLabels[n / 2 % 3];
    case ArgKind::LabelName:
        return "walk";
    case ArgKind::Image:
        if (row.code == EVENTCODE_BACKGROUND)
            return "sky.bmp";
        if (row.code == EVENTCODE_CHARACTER)
            return "figure.bmp";
        return n == 0 ? "buttons.bmp" : "buttons_lit.bmp";
    case ArgKind::Mask:
        return "figure_mask.bmp";
    case ArgKind::Sound: {
        const std::string folder = row.sound_folder ? row.sound_folder : "midi";
        if (folder == "pcm")
            return "chime.wav";
        return folder == "mp3" ? "theme.mp3" : folder == "vorbis" ? "theme.ogg" : "theme.mid";
    }
    case ArgKind::EventFile:
        return "second.evt";
    case ArgKind::Parameter:
        return "steps";
    case ArgKind::Operand:
        return n == 1 ? "steps" : "1";
    case ArgKind::List:
        // A button: its label and rectangle; a layer: its number and settings.
        if (row.code == EVENTCODE_BTNSELECT)
            return "walk,40,380,200,70";
        return "1,NOCHANGE,,0,300,140,100,100,0,0,0,255/";
    case ArgKind::Text:
        return row.line == LineForm::Comment ? "a note for the author" : "Chapter_one";
    default:
        return "";
    }
}

int32_t SampleInt(ArgKind kind) {
    switch (kind) {
    case ArgKind::CdTrack:
        return 2;
    case ArgKind::Count:
    case ArgKind::Switch:
        return 1;
    case ArgKind::Duration:
        return 500;
    default:
        return 0;
    }
}

std::string Form(const VNEventDescriptor& row) {
    const auto arg = [&row](int32_t n) {
        return std::string("<") + Describe(row.args[static_cast<size_t>(n)]).name + ">";
    };
    switch (row.line) {
    case LineForm::Narration:
        return arg(0);
    case LineForm::Speech:
        return "\\" + arg(0) + "\\" + arg(1);
    case LineForm::Label:
        return "*" + arg(0);
    case LineForm::Comment:
        return ";" + arg(0);
    case LineForm::Command:
        break;
    }
    std::string form = std::string("@") + GetEventKeyword(row.code, VNKeywords::Editor);
    for (int32_t n = 0; n < row.argc; ++n)
        form += " " + arg(n);
    return form;
}

std::string Entry(const VNEventDescriptor& row) {
    std::string out = std::string(GetEventKeyword(row.code, VNKeywords::Editor)) + " (code " +
                      std::to_string(row.code) + ")\n  form:    " + Form(row) + "\n";
    VNEvent example(row.code);
    for (int32_t n = 0; n < row.argc; ++n) {
        const ArgKind kind = row.args[static_cast<size_t>(n)];
        const bool isInt = row.arg_type_desc[n] == 'I';
        const KindText text = Describe(kind);
        out += std::string(n == 0 ? "  args:   " : "          ") + " " + std::to_string(n + 1) +
               " " + text.name + (isInt ? " (integer): " : " (string): ") + text.meaning + "\n";
        if (isInt)
            example.SetInt(n, SampleInt(kind));
        else
            example.SetString(n, VNString(SampleString(row, n)));
    }
    return out + "  example: " + ToScriptLine(example).Bytes() + "\n";
}

} // namespace

int RunSyntax(const Options& options) {
    std::string out;
    for (int32_t code = 1; code <= EVENTCODE_MAX; ++code) {
        const VNEventDescriptor& row = GetEventDescriptor(code);
        const bool named = options.files.empty() ||
                           options.files[0] == GetEventKeyword(code, VNKeywords::Editor) ||
                           options.files[0] == GetEventKeyword(code, VNKeywords::Player);
        if (named)
            out += (out.empty() ? "" : "\n") + Entry(row);
    }
    if (out.empty())
        return Fail("no event type is named \"" + options.files[0] +
                    "\" (vnscript syntax lists them all)");
    if (options.files.empty())
        out = "A script text has one event a line. A word of a command line cannot hold a "
              "space;\nnil stands for an empty word. Keywords and their lines:\n\n" +
              out;
    if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
        return Fail(std::string("cannot write to standard output: ") + std::strerror(errno));
    return 0;
}

} // namespace vnscript
