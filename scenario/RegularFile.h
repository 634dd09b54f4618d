// Opening a game's or an editor's file for reading, safely: only a regular
// file is opened. A named pipe, a device or a socket where a file is
// expected would block the open or the first read for ever (a pipe without
// a writer) or never end (a device); they fail instead, as an unreadable
// file does, with errno set.
#pragma once

#include <cstdio>
#include <string>

namespace vn {

// The file at `path` opened "rb", or null with errno set: ENOENT for an
// empty path, EISDIR for a folder, EINVAL for anything else that is not a
// regular file, else the error of the open.
std::FILE* OpenRegularFile(const std::string& path);

} // namespace vn
