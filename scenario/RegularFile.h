// Opening a game's or an editor's file for reading, safely: only a regular
// file is opened. A named pipe, a device or a socket where a file is
// expected would block the open or the first read for ever (a pipe without
// a writer) or never end (a device); they fail instead, as an unreadable
// file does, with errno set.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vn {

// The file at `path` opened "rb", or null with errno set: ENOENT for an
// empty path, EISDIR for a folder, EINVAL for anything else that is not a
// regular file, else the error of the open.
std::FILE* OpenRegularFile(const std::string& path);

// The whole of the regular file at `path` in `bytes`; false (errno set) when
// it cannot be opened or read, or holds more than `limit` bytes.
bool ReadRegularFile(const std::string& path, std::string& bytes, size_t limit = SIZE_MAX);

} // namespace vn
