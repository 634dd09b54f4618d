#include "gamecheck/Finding.h"

#include <algorithm>
#include <cstdio>

namespace gamecheck {
namespace {

std::string InFolder(const std::string& folder, const std::string& file) {
    if (folder.empty() || file.empty())
        return folder.empty() ? file : folder;
    return folder.back() == '/' ? folder + file : folder + "/" + file;
}

// Length of the well-formed UTF-8 sequence at `at`, or 0.
size_t Utf8SequenceLength(const std::string& text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    uint32_t min = 0;
    uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    return length;
}

// A JSON string literal; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
            continue;
        }
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out + "\"";
}

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

} // namespace

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::GameFile:
        return "game-file";
    case Kind::EventFile:
        return "event-file";
    case Kind::Label:
        return "label";
    case Kind::Parameter:
        return "parameter";
    case Kind::MissingEntry:
        return "missing-entry";
    case Kind::Image:
        return "image";
    case Kind::Option:
        return "option";
    case Kind::LetterCase:
        return "letter-case";
    case Kind::FileName:
        return "file-name";
    case Kind::Sound:
        return "sound";
    case Kind::Unreached:
        return "unreached";
    case Kind::DuplicateLabel:
        return "duplicate-label";
    case Kind::ScriptText:
        return "script-text";
    case Kind::MessageText:
        return "message-text";
    case Kind::MessageLength:
        return "message-length";
    case Kind::GameIni:
        return "game-ini";
    }
    return "unknown";
}

void SortFindings(std::vector<Finding>& findings) {
    const auto first = [](const Finding& f) { return f.file != "event/start.evt"; };
    std::stable_sort(findings.begin(), findings.end(), [&](const Finding& a, const Finding& b) {
        if (first(a) != first(b))
            return first(a) < first(b);
        if (a.file != b.file)
            return a.file < b.file;
        return a.line < b.line;
    });
}

std::string FormatLine(const Finding& finding, const std::string& folder) {
    std::string line = InFolder(folder, finding.file);
    if (finding.line > 0)
        line += ":" + std::to_string(finding.line);
    line += ": ";
    line += SeverityName(finding.severity);
    line += ": " + finding.message;
    if (!finding.summary.empty())
        line += " [" + finding.summary + "]";
    // One line each, whatever the names hold.
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return line + "\n";
}

std::string FormatJson(const std::vector<Finding>& findings, const std::string& folder) {
    std::string out = "[";
    for (size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        out += i == 0 ? "\n  {" : ",\n  {";
        out += "\"file\": " + JsonString(InFolder(folder, f.file));
        out += ", \"line\": " + (f.line > 0 ? std::to_string(f.line) : std::string("null"));
        out += ", \"severity\": " + JsonString(SeverityName(f.severity));
        out += ", \"kind\": " + JsonString(KindName(f.kind));
        out += ", \"message\": " + JsonString(f.message);
        if (!f.summary.empty())
            out += ", \"summary\": " + JsonString(f.summary);
        out += "}";
    }
    return out + (findings.empty() ? "]\n" : "\n]\n");
}

} // namespace gamecheck
