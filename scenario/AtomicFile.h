// A file that replaces its target only when complete.
//
// Open creates a temporary file in the target's folder; Commit flushes it to
// the disk and renames it over the target, so readers see either the old
// file or the whole new one. Abandon (also on destruction without Commit)
// removes the temporary file and leaves the target untouched. A target that
// is a device, pipe or socket is written directly; a folder is refused.
#pragma once

#include <cstdio>
#include <string>

namespace vn {

class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile() { Abandon(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Abandons any file in progress, then starts a new one for `target`.
    bool Open(const std::string& target);
    bool IsOpen() const { return file_ != nullptr; }
    std::FILE* Stream() const { return file_; }

    // Flushes, syncs and closes the temporary file and renames it over the
    // target. On any failure the temporary file is removed and false returned.
    bool Commit();
    void Abandon();

    const std::string& TemporaryPath() const { return temporary_; }
    // errno of the step that failed last (0 when none did).
    int Error() const { return error_; }

private:
    bool Fail();

    std::FILE* file_ = nullptr;
    std::string target_;
    std::string temporary_;
    int error_ = 0;
};

} // namespace vn
