#include "player/ReadText.h"

#include "player/SaveFolderText.h"

#include <charconv>
#include <cstdio>

namespace {

constexpr std::string_view kHeader = "readtext 1";
constexpr std::string_view kFilePrefix = "file ";
constexpr std::string_view kEndPrefix = "end ";
// A game of a million messages needs some 20 MB; more is not ours.
constexpr size_t kLargestFile = 64u << 20;

// FNV-1a over the text's bytes: quick, and spread well enough for a check.
uint32_t CheckValue(const std::string& bytes) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

// Takes the next line of `text` without its break; false when no whole line is left.
bool NextLine(std::string_view& text, std::string_view& line) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return false;
    }
    line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return true;
}

bool ParseHex(std::string_view text, uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 16);
    return !text.empty() && error == std::errc() && stop == end;
}

} // namespace

ReadText::Entry ReadText::EntryOf(int32_t index, const VNString& text) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(index)) << 32) | CheckValue(text.Bytes());
}

bool ReadText::WasRead(const VNString& file, int32_t index, const VNString& text) const {
    const auto found = files_.find(file.Bytes());
    return found != files_.end() && found->second.count(EntryOf(index, text)) != 0;
}

void ReadText::MarkRead(const VNString& file, int32_t index, const VNString& text) {
    // A name that would break the file's lines is never kept.
    if (file.IsEmpty() || file.Bytes().find_first_of("\r\n") != std::string::npos || index < 0) {
        return;
    }
    if (files_[file.Bytes()].insert(EntryOf(index, text)).second) {
        ++count_;
        changed_ = true;
    }
}

std::string ReadText::ToText() const {
    std::string text(kHeader);
    text += '\n';
    char line[32];
    for (const auto& [name, entries] : files_) {
        text += std::string(kFilePrefix) + name + "\n";
        for (const Entry entry : entries) {
            std::snprintf(line, sizeof line, "%u %08x\n", static_cast<unsigned>(entry >> 32),
                          static_cast<unsigned>(entry & 0xFFFFFFFFu));
            text += line;
        }
    }
    text += std::string(kEndPrefix) + std::to_string(count_) + "\n";
    return text;
}

bool ReadText::FromText(std::string_view text) {
    std::map<std::string, std::set<Entry>> files;
    size_t count = 0;
    std::set<Entry>* current = nullptr;
    std::string_view line;
    if (!NextLine(text, line) || line != kHeader) {
        return false;
    }
    for (;;) {
        if (!NextLine(text, line)) {
            return false; // cut off before the end line
        }
        if (line.starts_with(kEndPrefix)) {
            const auto total = ParseDecimal(line.substr(kEndPrefix.size()), 0, 1LL << 40);
            if (!text.empty() || total != static_cast<long long>(count)) {
                return false;
            }
            break;
        }
        if (line.starts_with(kFilePrefix)) {
            const std::string name(line.substr(kFilePrefix.size()));
            if (name.empty() || name.find('\r') != std::string::npos || files.count(name)) {
                return false;
            }
            current = &files[name];
            continue;
        }
        const size_t space = line.find(' ');
        uint32_t check = 0;
        const auto index = ParseDecimal(line.substr(0, space), 0, INT32_MAX);
        if (!current || space == std::string_view::npos || !index ||
            !ParseHex(line.substr(space + 1), check) ||
            !current->insert((static_cast<uint64_t>(*index) << 32) | check).second) {
            return false;
        }
        ++count;
    }
    files_ = std::move(files);
    count_ = count;
    changed_ = false;
    return true;
}

void ReadText::ReadFile(const std::string& path) {
    const std::optional<std::string> text = ReadSaveFolderText(path, kLargestFile);
    if (!text || !FromText(*text)) {
        *this = ReadText();
        // A damaged file is replaced at the next write even when nothing new was read.
        changed_ = text.has_value();
    }
}

bool ReadText::WriteFile(const std::string& path) {
    if (!changed_) {
        return true;
    }
    if (!WriteSaveFolderText(path, ToText())) {
        return false;
    }
    changed_ = false;
    return true;
}
