// The open and save file choosers.
#pragma once

#include "platform/Handle.h"
#include "scenario/VNString.h"

#include <string>
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

// The save chooser for a program that writes its file by the native path
// (the bytes the file system holds). The initial path is proposed as it is
// spelled on disk, and confirming it unchanged gives it back byte for byte,
// even when it is raw Shift-JIS or has characters with no Shift-JIS form.
// Any other choice is treated as above and given back in UTF-8.
bool ChooseSaveNativeFile(const VNString& title, const std::vector<FileFilter>& filters,
                          const std::string& initialNative, std::string& out, WindowHandle owner);

// A native path (bytes as the file system holds them) as text to show: each
// component that is valid UTF-8 reads as UTF-8, any other as Shift-JIS;
// characters with no Shift-JIS form are '?'.
VNString NativePathText(const std::string& native);

} // namespace platform
