// A reader for configuration files of the "[section]" / "key=value" kind,
// with the lookup rules games written for the original player rely on:
// section and key names compare without regard to ASCII letter case, blanks
// around names and values are ignored, the first occurrence of a section or
// key wins, and a missing file or key gives the caller's default. A file
// written in UTF-8 is read as such (see IniEncoding.h); its values are handed
// out in Shift-JIS like those of any other file.
#pragma once

#include "player/config/IniEncoding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    // Longest string value handed out, in bytes (a 1024-byte buffer with its terminator).
    static constexpr size_t kMaxStringBytes = 1023;

    // Largest file read. A game's configuration is a few kilobytes; anything
    // beyond this is not one (a device, a stray large file) and is ignored.
    static constexpr size_t kMaxFileBytes = size_t{1} << 20;

    // Reads the file; a file that cannot be read (missing, a folder, a read
    // error) or is larger than kMaxFileBytes leaves the reader empty and
    // returns false (every lookup then gives its default). Never throws.
    bool Load(const std::string& path);
    // Reads configuration text held in memory.
    void Parse(std::string_view text);
    // How the text read last was written.
    IniEncoding Encoding() const { return encoding_; }

    // The value's optional sign and leading decimal digits; a value that does
    // not start with a digit reads as 0, a value beyond 32 bits saturates.
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
    // The value's bytes (Shift-JIS), cut to kMaxStringBytes without splitting
    // a double-byte character; one pair of enclosing quotes is removed.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;

    // The integer reading rule on its own.
    static int32_t ParseInt(std::string_view text);

private:
    struct Entry {
        std::string section; // lower case
        std::string key;     // lower case
        std::string value;
    };
    const Entry* Find(std::string_view section, std::string_view key) const;

    std::vector<Entry> entries_;
    IniEncoding encoding_ = IniEncoding::ShiftJis;
};
