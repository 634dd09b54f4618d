// Reading and writing the player's own small text files in save/: read
// whole with a size limit, written whole to a temporary file and renamed
// over the old one, so a reader never sees half a file.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The file's bytes; none when it is missing, unreadable or larger than `limit`.
std::optional<std::string> ReadSaveFolderText(const std::string& path, size_t limit);
// False when the file could not be written; the old file is then untouched.
bool WriteSaveFolderText(const std::string& path, std::string_view text);
// A whole decimal number from `low` to `high`; none for anything else.
std::optional<long long> ParseDecimal(std::string_view text, long long low, long long high);
