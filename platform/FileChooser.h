// The open and save file choosers.
#pragma once

#include "platform/Handle.h"
#include "scenario/VNString.h"

#include <vector>

namespace platform {

// One entry of a chooser's filter list: a description and its pattern(s),
// patterns separated by ";" as in "*.bmp;*.png".
struct FileFilter {
    VNString description;
    VNString pattern;
};

// Both return true and set `out` to the chosen full path when the user
// confirms, false when the user cancels (`out` is then untouched).
// `initialName` may be null or empty. The open chooser only accepts
// existing files; the save chooser asks before replacing an existing file.
// A chosen path that has no Shift-JIS form is refused with a message and
// counts as cancelled.
bool ChooseOpenFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner);
bool ChooseSaveFile(const VNString& title, const std::vector<FileFilter>& filters,
                    const VNString* initialName, VNString& out, WindowHandle owner);

} // namespace platform
