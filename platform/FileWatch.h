// Notice of changes that other programs make to a file an editor holds.
//
// The file and the folder that holds it are both watched: a program that
// saves by writing a new file and renaming it over the old one (as the
// suite's own writers and many editors do) replaces the file, which ends a
// watch on the file alone. Waiting costs nothing: the notices come from the
// system and are delivered by the event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform {

class FileWatch {
public:
    FileWatch();
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    // Watches the file at `path` (a native path) in place of any earlier
    // one. `changed` runs from the event loop once the file or its folder
    // has been quiet for a moment (a file being written shows up as several
    // notices), and never while a window handler of the program runs: a
    // command in progress (a dialog over the editor) may be working on what
    // the program read, so the call waits until it has ended. A change of
    // another file in the folder calls it too: the caller compares what it
    // read with the file itself (vn::FileStamp).
    void Watch(const std::string& path, std::function<void()> changed);
    void Stop();
    const std::string& Path() const { return path_; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string path_;
};

} // namespace platform
