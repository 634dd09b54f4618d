// Which message events the player has read, kept across runs in
// save/readtext.txt.
//
// A message is known by its event file's name, its index in the file and a
// check value of its text. While a file stays unchanged the key stays right;
// once it is edited, a message whose text changed or that moved to another
// index counts as unread again (never the other way round, but for a check
// value that happens to agree, about one in four thousand million).
//
// The file is text: the line "readtext 1", then per event file a line
// "file <name>" and one line "<index> <check value in hex>" per message
// read, and last "end <number of messages>". A file that does not read as
// that whole is ignored (nothing read) and written anew at the next save.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

class ReadText {
public:
    static constexpr int kVersion = 1;

    bool WasRead(const VNString& file, int32_t index, const VNString& text) const;
    void MarkRead(const VNString& file, int32_t index, const VNString& text);
    // How many messages are marked read.
    size_t Count() const { return count_; }
    // Whether a message was marked since the file was last read or written.
    bool Changed() const { return changed_; }

    std::string ToText() const;
    // False (and nothing read) when `text` is damaged.
    bool FromText(std::string_view text);

    // A missing or damaged file leaves nothing read.
    void ReadFile(const std::string& path);
    // Writes the file whole when a message was marked since; false when it
    // could not be written (the marks stay for the next try).
    bool WriteFile(const std::string& path);

private:
    // The index in the high half, the text's check value in the low one.
    using Entry = uint64_t;
    static Entry EntryOf(int32_t index, const VNString& text);

    std::map<std::string, std::set<Entry>> files_; // by the file name's bytes
    size_t count_ = 0;
    bool changed_ = false;
};
