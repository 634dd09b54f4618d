#include "tools/vnscript/Commands.h"

#include "scenario/RegularFile.h"
#include "scenario/ScriptText.h"
#include "scenario/Summary.h"
#include "scenario/VNEventFile.h"
#include "scenario/VNParamFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace vnscript {
namespace {

std::string Quote(const std::string& path) {
    return "\"" + path + "\"";
}

// The whole of a file, or of standard input for "-".
bool ReadInput(const std::string& path, std::string& data) {
    std::FILE* file = path == "-" ? stdin : vn::OpenRegularFile(path);
    if (!file) {
        Fail("cannot open " + Quote(path) + ": " + std::strerror(errno));
        return false;
    }
    data.clear();
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    if (file != stdin)
        std::fclose(file);
    if (failed) {
        Fail("cannot read " + Quote(path) + ": " + std::strerror(error));
        return false;
    }
    return true;
}

int WriteOutput(const std::string& data) {
    if (std::fwrite(data.data(), 1, data.size(), stdout) != data.size() || std::fflush(stdout) != 0)
        return Fail(std::string("cannot write to standard output: ") + std::strerror(errno));
    return 0;
}

bool LoadEvents(const std::string& path, VNEventFile& events) {
    VNLoadError why;
    if (events.Load(path, &why))
        return true;
    Fail(Quote(path) + ": " + why.Describe());
    return false;
}

// Appends one line of Shift-JIS text in the output encoding; false (after the
// message) when it has no UTF-8 form.
bool AppendLine(std::string& out, const VNString& line, const char* what, int32_t number,
                Encoding encoding) {
    std::string encoded;
    if (!EncodeLine(line.Bytes(), encoding, encoded)) {
        Fail(std::string(what) + " " + std::to_string(number) +
             " holds bytes that are not valid Shift-JIS and have no UTF-8 form "
             "(use --sjis for the raw bytes)");
        return false;
    }
    out += encoded;
    return true;
}

std::string Keyword(const VNEvent& event) {
    return GetEventKeyword(event.GetCode(), VNKeywords::Editor);
}

// Parses a decimal 32-bit integer: an optional sign and digits, nothing else.
std::optional<int32_t> ParseValue(std::string_view text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{INT32_MAX} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// mkflg reads the flg dump line by line, so a name that holds a line feed
// cannot come back. Tabs can (the value follows the last tab), and so can
// carriage returns, which mkflg drops only at the end of a line, after the
// value. Zero bytes never reach a name: strings end at the first one.
bool NameFitsOneLine(std::string_view name) {
    return name.find('\n') == std::string_view::npos;
}

// What reading a command line quietly made of it, in words.
std::string DescribeIssue(const ScriptLineIssue& issue) {
    const auto quote = [](const VNString& text) { return "\"" + text.ToUtf8Lossy() + "\""; };
    const std::string keyword =
        issue.code != 0 ? GetEventKeyword(issue.code, VNKeywords::Editor) : "";
    const std::string argument = "argument " + std::to_string(issue.argument + 1) + " of " +
                                 keyword + ", " + quote(issue.word) + ",";
    switch (issue.kind) {
    case ScriptLineIssue::Kind::UnknownKeyword:
        if (issue.word.IsEmpty())
            return "no keyword follows the \"@\"; the line becomes a comment";
        return "no event type is named " + quote(issue.word) + "; the line becomes a comment";
    case ScriptLineIssue::Kind::LongKeyword:
        return "keyword " + quote(issue.word) + " is read as \"" + keyword + "\"";
    case ScriptLineIssue::Kind::NotANumber:
        return argument + " is not a number; it reads as " + std::to_string(issue.word.ToInt());
    case ScriptLineIssue::Kind::NumberTooLarge:
        return argument + " does not fit 32 bits; it reads as " +
               std::to_string(issue.word.ToInt());
    case ScriptLineIssue::Kind::MissingArguments: {
        const int32_t argc = GetEventDescriptor(issue.code).argc;
        return keyword + " takes " + std::to_string(argc) +
               (argc == 1 ? " argument" : " arguments") + " but the line gives " +
               std::to_string(issue.argument) + "; the missing ones read as nil or 0";
    }
    case ScriptLineIssue::Kind::ExtraArguments:
        return "words after the last argument of " + keyword + " are ignored: " + quote(issue.word);
    }
    return "unknown issue";
}

} // namespace

int Fail(const std::string& message) {
    std::fprintf(stderr, "vnscript: %s\n", message.c_str());
    return 1;
}

bool Refuse(const std::string& message) {
    Fail(message);
    return false;
}

int RunText(const Options& options) {
    const std::string& path = options.files[0];
    VNEventFile events;
    if (!LoadEvents(path, events))
        return 1;
    std::string out;
    std::string losses;
    int lossy = 0;
    for (int32_t n = 0; n < events.GetCount(); ++n) {
        const VNEvent& event = *events.Get(n);
        if (!AppendLine(out, ToScriptLine(event), "event", n + 1, options.encoding))
            return 1;
        out += "\r\n";
        if (!options.check)
            continue;
        if (const auto loss = FindScriptTextLoss(event)) {
            ++lossy;
            losses += "vnscript: " + Quote(path) + ": event " + std::to_string(n + 1) + " (" +
                      Keyword(event) + ") argument " + std::to_string(loss->argument + 1) + ": " +
                      DescribeScriptTextLoss(loss->loss) + "\n";
        }
    }
    if (const int status = WriteOutput(out); status != 0)
        return status;
    if (lossy == 0)
        return 0;
    std::fputs(losses.c_str(), stderr);
    return 2;
}

int RunCompile(const Options& options) {
    std::string input;
    if (!ReadInput(options.files[0], input))
        return 1;
    std::string sjis, error;
    if (!DecodeText(input, options.encoding, sjis, error))
        return Fail(Quote(options.files[0]) + ": " + error);
    return CompileScript(sjis, options.files[0], options.files[1], options.strict);
}

int CompileScript(const std::string& sjis, const std::string& source, const std::string& out,
                  bool strict) {
    // The events are exactly what the script text rules make of the lines;
    // the lines whose meaning may not be the author's are told of.
    const std::string where = source == "-" ? "<stdin>" : source;
    int issues = 0;
    ForEachScriptLine(sjis, [&](int32_t number, const VNString& line) {
        for (const ScriptLineIssue& issue : FindScriptLineIssues(line)) {
            ++issues;
            std::fprintf(stderr, "%s:%d: %s: %s\n", where.c_str(), number,
                         strict ? "error" : "warning", DescribeIssue(issue).c_str());
        }
    });
    if (strict && issues > 0)
        return Fail(Quote(source) + ": " + std::to_string(issues) +
                    (issues == 1 ? " problem" : " problems") + " (--strict); " + Quote(out) +
                    " was not written");
    VNEventFile events;
    FromScriptText(sjis, events);
    int error_number = 0;
    if (!events.Save(out, &error_number))
        return Fail("cannot write " + Quote(out) + ": " + std::strerror(error_number));
    return 0;
}

int RunList(const Options& options) {
    VNEventFile events;
    if (!LoadEvents(options.files[0], events))
        return 1;
    std::string out;
    for (int32_t n = 0; n < events.GetCount(); ++n) {
        if (!AppendLine(out, NumberedLine(n + 1, Summary(*events.Get(n))), "event", n + 1,
                        options.encoding))
            return 1;
        out += '\n';
    }
    out += NumberedLine(events.GetCount() + 1, VNString()).Bytes() + '\n';
    return WriteOutput(out);
}

int RunFlg(const Options& options) {
    const std::string& path = options.files[0];
    VNParamFile params;
    VNLoadError why;
    if (!params.Load(path, &why))
        return Fail(Quote(path) + ": " + why.Describe());
    std::string out;
    for (int32_t n = 0; n < params.GetCount(); ++n) {
        VNString name;
        int32_t value = 0;
        params.GetName(n, name);
        params.GetValue(n, value);
        if (!NameFitsOneLine(name.Bytes()))
            return Fail(Quote(path) + ": the name of parameter " + std::to_string(n + 1) +
                        " holds a line break, which a dump line cannot carry (mkflg could "
                        "not read it back)");
        if (!AppendLine(out, name + VNString("\t") + VNString(value), "parameter", n + 1,
                        options.encoding))
            return 1;
        out += '\n';
    }
    return WriteOutput(out);
}

int RunMkflg(const Options& options) {
    const std::string& source = options.files[0];
    std::string input;
    if (!ReadInput(source, input))
        return 1;
    std::string sjis, error;
    if (!DecodeText(input, options.encoding, sjis, error))
        return Fail(Quote(source) + ": " + error);
    return WriteFlagFile(sjis, source, options.files[1]);
}

int WriteFlagFile(const std::string& sjis, const std::string& source, const std::string& out) {
    VNParamFile params;
    std::string_view rest = sjis;
    for (int line = 1; !rest.empty(); ++line) {
        const size_t end = rest.find('\n');
        std::string_view text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        if (text.empty())
            continue;
        // The value follows the last tab, so a name may hold tabs itself.
        const size_t tab = text.rfind('\t');
        const std::string where = Quote(source) + ": line " + std::to_string(line);
        if (tab == std::string_view::npos)
            return Fail(where + ": expected a name, a tab and a value");
        const auto value = ParseValue(text.substr(tab + 1));
        if (!value)
            return Fail(where + ": the value is not a 32-bit decimal integer");
        const VNString name = VNString::FromBytes(text.substr(0, tab));
        if (!params.Add(name, *value))
            return Fail(where + ": duplicate name \"" + name.ToUtf8Lossy() + "\"");
    }
    int error_number = 0;
    if (!params.Save(out, &error_number))
        return Fail("cannot write " + Quote(out) + ": " + std::strerror(error_number));
    return 0;
}

} // namespace vnscript
