// The rules for what the player shows as text: game.ini's encoding, control
// characters in messages and choices, and messages longer than the message
// area, measured with the player's own font and layout.
#include "gamecheck/private/GameChecker.h"
#include "graphics/MessageText.h"
#include "platform/font/MessageFont.h"
#include "player/config/IniFile.h"

namespace gamecheck {
namespace {

bool IsControl(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

// How many lines of the style fit the message area: a line fits when its
// character cell ends within the area.
int32_t LinesInArea(const MessageStyle& style) {
    if (style.areaHeight < style.fontHeight)
        return 0;
    return (style.areaHeight - style.fontHeight) / style.LineHeight() + 1;
}

} // namespace

void GameChecker::ReadGameIni() {
    const GameFiles::Name& found = files_.Resolve(VNString("game.ini"));
    if (!found.exists)
        return; // every setting takes its default
    iniRelative_ = found.relative;
    IniFile ini;
    if (!ini.Load(found.path))
        return;
    config_.Read(ini);
    switch (ini.Encoding()) {
    case IniEncoding::ShiftJis:
        break;
    case IniEncoding::Utf8:
    case IniEncoding::Utf8WithBom:
        ReportFile(
            Severity::Warning, Kind::GameIni, iniRelative_, 0,
            std::string("the file is written in UTF-8") +
                (ini.Encoding() == IniEncoding::Utf8WithBom ? " (with a byte-order mark)" : "") +
                ", not Shift-JIS; this player converts it, but players that read "
                "Shift-JIS only show its texts garbled");
        break;
    case IniEncoding::Unknown:
        ReportFile(Severity::Warning, Kind::GameIni, iniRelative_, 0,
                   "the file is neither Shift-JIS nor UTF-8; its texts show garbled");
        break;
    }
}

bool GameChecker::CheckMessage(const VNEvent& event, int32_t& argument) {
    const VNEventDescriptor& row = event.GetDescriptor();
    bool found = false;
    bool message = false; // a narration or a serif, shown in the message box
    int32_t choice = 0;
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        std::string what;
        switch (row.args[static_cast<size_t>(n)]) {
        case ArgKind::NarrationText:
            what = "the text";
            break;
        case ArgKind::SpeakerName:
            what = "the speaker's name";
            break;
        case ArgKind::SpeechText:
            what = "the speech";
            break;
        case ArgKind::ChoiceText:
            what = "the text of choice " + std::to_string(++choice);
            break;
        default:
            continue;
        }
        message = message || choice == 0;
        if (CheckControlCharacters(event.GetString(n), what, choice > 0) && !found) {
            found = true;
            argument = n;
        }
    }
    if (message)
        CheckMessageLength(event);
    return found;
}

bool GameChecker::CheckControlCharacters(const VNString& text, const std::string& what,
                                         bool inChoice) {
    std::u16string controls;
    for (const char16_t c : text.Wide())
        if (IsControl(c) && controls.find(c) == std::u16string::npos)
            controls += c;
    if (controls.empty())
        return false;
    const char* const shown =
        inChoice ? "the player shows a line break or a tab in a choice as a space and leaves "
                   "out the others"
                 : "the player breaks the line at CR LF, CR or LF as it does at \"/\" (write "
                   "\"/\" for a line break), shows a tab as a space and leaves out the others";
    Report(Severity::Warning, Kind::MessageText,
           what + " holds control characters " + Quote(VNString::FromWide(controls)) + "; " +
               shown);
    return true;
}

void GameChecker::CheckMessageLength(const VNEvent& event) {
    TextRenderer* layout = MessageLayout();
    if (!layout)
        return;
    const MessageStyle& style = layout->Style();
    if (style.LineHeight() <= 0)
        return;
    const int32_t lines = MessageText::LineCount(*layout, MessageOfEvent(event).Bytes());
    const int32_t room = LinesInArea(style);
    if (lines > room)
        Report(Severity::Warning, Kind::MessageLength,
               "the message takes " + std::to_string(lines) + " lines, but the message area " +
                   "holds " + std::to_string(room) + " (MsgAreaHeight " +
                   std::to_string(style.areaHeight) + ", lines " +
                   std::to_string(style.LineHeight()) +
                   " pixels apart); the player draws the rest below the area");
}

TextRenderer* GameChecker::MessageLayout() {
    if (fontTried_)
        return layout_.get();
    fontTried_ = true;
    const std::string face = config_.MessageFaceUtf8();
    font_ = platform::MessageFont::Open(face, config_.msgFontWidth, config_.msgFontHeight);
    if (!font_) {
        ReportFile(Severity::Warning, Kind::MessageLength, iniRelative_, 0,
                   "no installed font can stand for the message font " + Quote(face) +
                       ", so the lengths of messages are not checked (the player shows no "
                       "message text without one)");
        return nullptr;
    }
    layout_ = std::make_unique<TextRenderer>(unusedTarget_, *font_, MessageStyleOf(config_));
    return layout_.get();
}

} // namespace gamecheck
