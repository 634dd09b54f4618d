#include "player/config/IniFile.h"

#include "scenario/RegularFile.h"
#include "scenario/ShiftJis.h"

#include <climits>

namespace {

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace

bool IniFile::Load(const std::string& path) {
    entries_.clear();
    encoding_ = IniEncoding::ShiftJis;
    std::string text;
    if (!vn::ReadRegularFile(path, text, kMaxFileBytes)) {
        return false;
    }
    Parse(text);
    return true;
}

void IniFile::Parse(std::string_view text) {
    entries_.clear();
    encoding_ = DetectIniEncoding(text);
    std::string converted;
    if (encoding_ == IniEncoding::Utf8 || encoding_ == IniEncoding::Utf8WithBom) {
        if (encoding_ == IniEncoding::Utf8WithBom)
            text.remove_prefix(kUtf8Bom.size());
        converted = Utf8ToShiftJis(text);
        text = converted;
    }
    std::string section;
    bool inSection = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const size_t close = line.find(']');
            section = Lower(Trim(line.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
            inSection = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) {
            continue;
        }
        entries_.push_back(
            {section, Lower(Trim(line.substr(0, eq))), std::string(Trim(line.substr(eq + 1)))});
    }
}

const IniFile::Entry* IniFile::Find(std::string_view section, std::string_view key) const {
    const std::string s = Lower(section);
    const std::string k = Lower(key);
    for (const Entry& e : entries_) {
        if (e.section == s && e.key == k) {
            return &e;
        }
    }
    return nullptr;
}

int32_t IniFile::ParseInt(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<int64_t>(INT32_MAX) + 1) {
            value = static_cast<int64_t>(INT32_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

int32_t IniFile::ReadInt(std::string_view section, std::string_view key, int32_t fallback) const {
    const Entry* e = Find(section, key);
    return e ? ParseInt(e->value) : fallback;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Entry* e = Find(section, key);
    std::string value = e ? e->value : std::string(fallback);
    if (e && value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    if (value.size() > kMaxStringBytes) {
        // Cut at a character boundary: walk the characters up to the limit.
        size_t cut = 0;
        while (cut < kMaxStringBytes) {
            const size_t step =
                vn::sjis::IsLeadByte(static_cast<unsigned char>(value[cut])) ? 2 : 1;
            if (cut + step > kMaxStringBytes) {
                break;
            }
            cut += step;
        }
        value.resize(cut);
    }
    return value;
}
