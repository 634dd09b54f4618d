// Files dropped on a window, as the handler of a drop receives them.
#pragma once

#include "platform/Handle.h"
#include "scenario/VNString.h"

#include <string>
#include <vector>

namespace platform {

// One dropped file.
struct DroppedFile {
    // The path as the file system holds it (bytes): it opens the file however
    // its name is spelled, UTF-8 or the raw Shift-JIS of files copied from
    // old games.
    std::string native;
    // The path in the suite's strings, for messages and for data. When the
    // name has characters with no Shift-JIS form, each of them is '?' here
    // and `fitsShiftJis` is false: such a name cannot go into the suite's data.
    VNString path;
    bool fitsShiftJis = true;
};

// The files of one drop, in the order the system lists them.
struct DropFiles {
    std::vector<DroppedFile> files;
};

// A dropped file from its native path.
DroppedFile DroppedFileFromNative(std::string native);

// The file an editor opens from a drop: always the first one. False when the
// drop is empty, or, after the file choosers' warning (with `caption`), when
// the first name has no Shift-JIS form; no other file of the drop is taken in
// its place.
bool FirstDroppedFile(const DropFiles& drop, WindowHandle owner, const VNString& caption,
                      DroppedFile& file);

} // namespace platform
