// The fuzz input as a file, for readers that take a path: an anonymous file
// in memory, reached through /proc/self/fd.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

class InputFile {
public:
    InputFile(const uint8_t* data, size_t size) : fd_(memfd_create("fuzz-input", 0)) {
        if (fd_ < 0 || write(fd_, data, size) != static_cast<ssize_t>(size)) {
            std::fputs("cannot make the input file\n", stderr);
            std::abort();
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~InputFile() { close(fd_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const char* Path() const { return path_.c_str(); }

private:
    int fd_;
    std::string path_;
};

} // namespace fuzz
