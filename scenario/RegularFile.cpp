#include "scenario/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vn {

std::FILE* OpenRegularFile(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    // Without O_NONBLOCK the open itself waits for a pipe's writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return nullptr;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        close(fd);
        errno = error;
        return nullptr;
    }
    // A regular file reads the same either way; clear the flag so that
    // nothing downstream sees EAGAIN.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "rb");
    if (!file) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return file;
}

bool ReadRegularFile(const std::string& path, std::string& bytes, size_t limit) {
    bytes.clear();
    std::FILE* file = OpenRegularFile(path);
    if (!file)
        return false;
    char buffer[65536];
    size_t got = 0;
    while (bytes.size() <= limit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        errno = EIO;
        return false;
    }
    if (bytes.size() > limit) {
        errno = EFBIG;
        return false;
    }
    return true;
}

} // namespace vn
