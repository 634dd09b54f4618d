#include "scenario/ScriptText.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

const VNString& Blanks() {
    static const VNString blanks(" \t");
    return blanks;
}

const VNString& Tab() {
    static const VNString tab("\t");
    return tab;
}

const VNString& Backslash() {
    static const VNString backslash("\\");
    return backslash;
}

bool IsMark(char16_t c) {
    return c == u'@' || c == u'\\' || c == u'*' || c == u';';
}

// The writer tests only the first byte of a narration for a mark.
bool FirstByteIsMark(const VNString& text) {
    const char first = text.IsEmpty() ? '\0' : text.GetByte(0);
    return first == '@' || first == '\\' || first == '*' || first == ';';
}

VNString WithoutFirstChar(const VNString& text) {
    return VNString::FromWide(std::u16string_view(text.Wide()).substr(1));
}

VNString CommandLine(const VNEvent& event, VNKeywords keywords) {
    const int32_t code = event.GetCode();
    std::string line = "@";
    line += GetEventKeyword(code, keywords);
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        line += ' ';
        if (event.IsIntArg(n)) {
            line += std::to_string(event.GetInt(n));
        } else {
            const VNString& text = event.GetString(n);
            line += text.IsEmpty() ? std::string("nil") : text.Bytes();
        }
    }
    return VNString::FromBytes(line);
}

VNString ScriptLine(const VNEvent& event, VNKeywords keywords) {
    switch (event.GetDescriptor().line) {
    case LineForm::Narration: {
        const VNString& text = event.GetString(0);
        if (FirstByteIsMark(text) && keywords == VNKeywords::Editor)
            return VNString("@narration ") + text;
        return text;
    }
    case LineForm::Speech:
        return Backslash() + event.GetString(0) + Backslash() + event.GetString(1);
    case LineForm::Label:
        return VNString("*") + event.GetString(0);
    case LineForm::Comment:
        return VNString(";") + event.GetString(0);
    case LineForm::Command:
        break;
    }
    return CommandLine(event, keywords);
}

// The first code whose editor keyword begins `keyword`, or 0.
int32_t MatchKeyword(const VNString& keyword) {
    for (int32_t code = 1; code <= EVENTCODE_MAX; ++code) {
        const char* name = GetEventKeyword(code, VNKeywords::Editor);
        if (std::strncmp(keyword.c_str(), name, std::strlen(name)) == 0)
            return code;
    }
    return 0;
}

// A command line after its "@": the keyword, the event type it selects, the
// words taken for the arguments in order, and what is left after them.
struct CommandWords {
    VNString keyword;
    int32_t code = 0;
    std::vector<VNString> arguments;
    VNString rest;
};

CommandWords SplitCommand(VNString rest) {
    CommandWords words;
    words.keyword = rest.SplitToken(Blanks());
    words.code = MatchKeyword(words.keyword);
    if (words.code == 0)
        return words;
    if (GetEventDescriptor(words.code).line == LineForm::Narration) {
        // The whole rest is the text, so a narration that starts with a mark
        // or holds blanks comes back as it was written.
        words.arguments.push_back(rest);
        return words;
    }
    const int32_t argc = GetEventDescriptor(words.code).argc;
    for (int32_t n = 0; n < argc && !rest.IsEmpty(); ++n)
        words.arguments.push_back(rest.SplitToken(Blanks()));
    words.rest = rest;
    return words;
}

// Reads a command line's keyword and arguments into `event`; returns what is
// left of the line after the last argument (ignored words, or blanks).
VNString ReadCommand(VNEvent& event, const VNString& whole, const VNString& rest) {
    CommandWords words = SplitCommand(rest);
    if (words.code == 0) {
        event.MakeComment(whole);
        return VNString();
    }
    event.Reset(words.code);
    for (size_t n = 0; n < words.arguments.size(); ++n) {
        const auto arg = static_cast<int32_t>(n);
        const VNString& token = words.arguments[n];
        if (event.IsIntArg(arg))
            event.SetInt(arg, token.ToInt());
        else if (event.GetDescriptor().line == LineForm::Narration)
            event.SetString(arg, token); // the rest of the line as it stands
        else
            event.SetString(arg, token == VNString("nil") ? VNString() : token);
    }
    return words.rest;
}

// True when `token` is a decimal 32-bit integer: an optional sign and digits.
bool IsInt32Text(const VNString& token, bool& fits) {
    const std::string& text = token.Bytes();
    size_t i = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    if (i == text.size())
        return false;
    int64_t value = 0;
    fits = true;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        // Kept just beyond the smallest 32-bit value, so it cannot overflow.
        value = std::min(value * 10 + (text[i] - '0'), int64_t{INT32_MAX} + 2);
    }
    fits = text[0] == '-' ? value <= int64_t{INT32_MAX} + 1 : value <= INT32_MAX;
    return true;
}

// FromScriptLine, returning what a command line leaves unread.
VNString ReadLine(VNEvent& event, const VNString& line) {
    const VNString whole = line.RemoveNewlines();
    const VNString trimmed = whole.TrimLeft(Blanks());
    if (trimmed.IsEmpty()) {
        event.MakeComment(whole);
        return VNString();
    }
    VNString rest = WithoutFirstChar(trimmed);
    switch (trimmed.GetChar(0)) {
    case u';':
        event.MakeComment(rest);
        break;
    case u'\\': {
        const VNString speaker = rest.SplitToken(Backslash());
        event.Reset(EVENTCODE_SERIF);
        event.SetString(0, speaker);
        event.SetString(1, rest.RemoveChars(Tab()));
        break;
    }
    case u'*':
        event.Reset(EVENTCODE_LABEL);
        event.SetString(0, rest);
        break;
    case u'@':
        return ReadCommand(event, whole, rest);
    default:
        event.Reset(EVENTCODE_NARRATION);
        event.SetString(0, whole.RemoveChars(Tab()));
        break;
    }
    return VNString();
}

bool HasLineBreak(const VNString& text) {
    return text.Bytes().find_first_of("\r\n") != std::string::npos;
}

bool HasChar(const VNString& text, char16_t c) {
    return text.Wide().find(c) != std::u16string::npos;
}

bool IsWideStable(const VNString& text) {
    return VNString::FromWide(text.Wide()) == text;
}

std::optional<ScriptTextLossReport> NarrationLoss(const VNString& text) {
    if (text.IsEmpty())
        return ScriptTextLossReport{ScriptTextLoss::EmptyNarration, 0};
    if (FirstByteIsMark(text))
        return std::nullopt; // written with the "@narration " prefix, read back whole
    const std::u16string& wide = text.Wide();
    const size_t visible = wide.find_first_not_of(u" \t");
    if (visible == std::u16string::npos)
        return ScriptTextLossReport{ScriptTextLoss::BlankNarration, 0};
    if (IsMark(wide[visible]))
        return ScriptTextLossReport{ScriptTextLoss::HiddenMark, 0};
    if (HasChar(text, u'\t'))
        return ScriptTextLossReport{ScriptTextLoss::TabInText, 0};
    return std::nullopt;
}

} // namespace

VNString ToScriptLine(const VNEvent& event) {
    return ScriptLine(event, VNKeywords::Editor);
}

VNString ToDebugScriptLine(const VNEvent& event) {
    return ScriptLine(event, VNKeywords::Player);
}

void FromScriptLine(VNEvent& event, const VNString& line) {
    ReadLine(event, line);
}

bool ScriptLineDropsWords(const VNString& line) {
    VNEvent scratch(EVENTCODE_COMMENT);
    return !ReadLine(scratch, line).TrimLeft(Blanks()).IsEmpty();
}

std::string ToScriptText(const std::vector<VNEvent>& events) {
    std::string text;
    for (const VNEvent& event : events) {
        text += ToScriptLine(event).Bytes();
        text += "\r\n";
    }
    return text;
}

void ForEachScriptLine(std::string_view text,
                       const std::function<void(int32_t, const VNString&)>& visit) {
    std::string line;
    int32_t number = 0;
    const auto flush = [&] {
        visit(++number, VNString::FromBytes(line));
        line.clear();
    };
    // Carriage returns and line feeds are never the second byte of a
    // double-byte character, so the text can be cut on its bytes.
    for (const char c : text) {
        if (c == '\n')
            flush();
        else if (c != '\r')
            line += c;
    }
    if (!line.empty())
        flush();
}

std::vector<VNEvent> FromScriptText(std::string_view text) {
    std::vector<VNEvent> events;
    ForEachScriptLine(text, [&](int32_t, const VNString& line) {
        FromScriptLine(events.emplace_back(EVENTCODE_COMMENT), line);
    });
    return events;
}

std::vector<ScriptLineIssue> FindScriptLineIssues(const VNString& line) {
    std::vector<ScriptLineIssue> issues;
    const VNString trimmed = line.RemoveNewlines().TrimLeft(Blanks());
    if (trimmed.IsEmpty() || trimmed.GetChar(0) != u'@')
        return issues;
    const CommandWords words = SplitCommand(WithoutFirstChar(trimmed));
    if (words.code == 0) {
        issues.push_back({ScriptLineIssue::Kind::UnknownKeyword, -1, words.keyword, 0});
        return issues;
    }
    if (words.keyword != VNString(GetEventKeyword(words.code, VNKeywords::Editor)))
        issues.push_back({ScriptLineIssue::Kind::LongKeyword, -1, words.keyword, words.code});
    const VNEventDescriptor& type = GetEventDescriptor(words.code);
    for (size_t n = 0; n < words.arguments.size(); ++n) {
        if (type.arg_type_desc[n] != 'I')
            continue;
        bool fits = true;
        if (!IsInt32Text(words.arguments[n], fits))
            issues.push_back({ScriptLineIssue::Kind::NotANumber, static_cast<int32_t>(n),
                              words.arguments[n], words.code});
        else if (!fits)
            issues.push_back({ScriptLineIssue::Kind::NumberTooLarge, static_cast<int32_t>(n),
                              words.arguments[n], words.code});
    }
    if (static_cast<int32_t>(words.arguments.size()) < type.argc)
        issues.push_back({ScriptLineIssue::Kind::MissingArguments,
                          static_cast<int32_t>(words.arguments.size()), VNString(), words.code});
    const VNString extra = words.rest.TrimLeft(Blanks());
    if (!extra.IsEmpty())
        issues.push_back({ScriptLineIssue::Kind::ExtraArguments, type.argc, extra, words.code});
    return issues;
}

std::string ToScriptText(const VNEventFile& events) {
    std::string text;
    for (int32_t n = 0; n < events.GetCount(); ++n) {
        text += ToScriptLine(*events.Get(n)).Bytes();
        text += "\r\n";
    }
    return text;
}

void FromScriptText(std::string_view text, VNEventFile& events) {
    for (VNEvent& event : FromScriptText(text))
        events.Push(std::make_unique<VNEvent>(std::move(event)));
}

std::optional<ScriptTextLossReport> FindScriptTextLoss(const VNEvent& event) {
    for (int32_t n = 0; n < event.GetParamCount(); ++n) {
        if (event.IsIntArg(n))
            continue;
        const VNString& text = event.GetString(n);
        if (HasLineBreak(text))
            return ScriptTextLossReport{ScriptTextLoss::LineBreak, n};
        if (!IsWideStable(text))
            return ScriptTextLossReport{ScriptTextLoss::UnstableCharacter, n};
    }
    switch (event.GetDescriptor().line) {
    case LineForm::Narration:
        return NarrationLoss(event.GetString(0));
    case LineForm::Speech:
        if (HasChar(event.GetString(0), u'\\'))
            return ScriptTextLossReport{ScriptTextLoss::BackslashInSpeaker, 0};
        if ((event.GetString(0) + Backslash()).Wide() != event.GetString(0).Wide() + u'\\')
            return ScriptTextLossReport{ScriptTextLoss::SpeakerEndsInLead, 0};
        if (HasChar(event.GetString(1), u'\t'))
            return ScriptTextLossReport{ScriptTextLoss::TabInText, 1};
        return std::nullopt;
    case LineForm::Label:
    case LineForm::Comment:
        return std::nullopt; // the whole rest of the line, unchanged
    case LineForm::Command:
        for (int32_t n = 0; n < event.GetParamCount(); ++n) {
            if (event.IsIntArg(n))
                continue;
            const VNString& text = event.GetString(n);
            if (HasChar(text, u' ') || HasChar(text, u'\t'))
                return ScriptTextLossReport{ScriptTextLoss::BlankInArgument, n};
            if (text == VNString("nil"))
                return ScriptTextLossReport{ScriptTextLoss::NilArgument, n};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

const char* DescribeScriptTextLoss(ScriptTextLoss loss) {
    switch (loss) {
    case ScriptTextLoss::LineBreak:
        return "a text holds a line break";
    case ScriptTextLoss::UnstableCharacter:
        return "a text holds a character code that reads back as its standard twin";
    case ScriptTextLoss::EmptyNarration:
        return "an empty narration reads back as an empty comment";
    case ScriptTextLoss::BlankNarration:
        return "a narration of spaces and tabs only reads back as a comment";
    case ScriptTextLoss::HiddenMark:
        return "a narration whose leading blanks hide a mark reads back as another kind of line";
    case ScriptTextLoss::SpeakerEndsInLead:
        return "the speaker name ends in a lone lead byte that joins the backslash after it";
    case ScriptTextLoss::TabInText:
        return "tabs are removed from the text";
    case ScriptTextLoss::BackslashInSpeaker:
        return "a backslash in the speaker name ends the name";
    case ScriptTextLoss::BlankInArgument:
        return "a string argument holds a space or tab and reads back split";
    case ScriptTextLoss::NilArgument:
        return "a string argument \"nil\" reads back as empty";
    }
    return "unknown loss";
}
