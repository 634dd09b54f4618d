#include "scenario/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace vn {
namespace {

// Where the bytes really go: a symbolic link is written through, so the link
// stays and the file it points at is replaced.
std::string ResolveTarget(const std::string& target) {
    struct stat link_info;
    if (lstat(target.c_str(), &link_info) != 0 || !S_ISLNK(link_info.st_mode))
        return target;
    char resolved[PATH_MAX];
    if (realpath(target.c_str(), resolved))
        return resolved;
    return target;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr size_t kSuffixLength = 8;
constexpr size_t kBaseLimit = 200; // keeps the temporary name within the name limit

// Whether `entry` is a name CreateTemporary gives for a target named `base`:
// "." + base + "." + eight of kDigits + ".tmp".
bool IsTemporaryName(const std::string& entry, const std::string& base) {
    const std::string head = "." + base + ".";
    static constexpr std::string_view kTail = ".tmp";
    if (entry.size() != head.size() + kSuffixLength + kTail.size() || entry.rfind(head, 0) != 0 ||
        entry.compare(entry.size() - kTail.size(), kTail.size(), kTail) != 0)
        return false;
    for (size_t i = head.size(); i < head.size() + kSuffixLength; ++i)
        if (std::string_view(kDigits).find(entry[i]) == std::string_view::npos)
            return false;
    return true;
}

// A writer killed between Open and Commit leaves its temporary file behind.
// Before writing the same target again, remove those older than a minute (a
// younger one may belong to a writer that is still at work).
void RemoveStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string base = BaseOf(target).substr(0, kBaseLimit);
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    const time_t cutoff = std::time(nullptr) - 60;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, base))
            continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < cutoff)
            unlink(path.c_str());
    }
    closedir(dir);
}

// Creates a new hidden file beside `target`; returns its descriptor or -1.
int CreateTemporary(const std::string& target, std::string& name) {
    const std::string folder = FolderOf(target);
    std::string base = BaseOf(target).substr(0, kBaseLimit);
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix;
        for (size_t i = 0; i < kSuffixLength; ++i)
            suffix += kDigits[random() % 36];
        name = folder + "/." + base + "." + suffix + ".tmp";
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd); // the rename is already done; a failure here loses nothing
        close(fd);
    }
}

} // namespace

bool AtomicFile::Open(const std::string& target) {
    Abandon();
    error_ = 0;
    if (target.empty()) {
        error_ = ENOENT;
        return false;
    }
    target_ = ResolveTarget(target);
    struct stat existing;
    if (stat(target_.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) {
            error_ = EISDIR;
            return false;
        }
        // A device, pipe or socket cannot be replaced by renaming (that
        // would put a plain file where /dev/null was): write into it.
        file_ = std::fopen(target_.c_str(), "wb");
        if (!file_)
            error_ = errno;
        return file_ != nullptr;
    }
    // A file its owner made read-only is not replaced behind their back.
    if (access(target_.c_str(), F_OK) == 0 && access(target_.c_str(), W_OK) != 0) {
        error_ = errno;
        return false;
    }
    RemoveStaleTemporaries(target_);
    const int fd = CreateTemporary(target_, temporary_);
    if (fd < 0) {
        error_ = errno;
        temporary_.clear();
        return false;
    }
    // The new file keeps the permissions (and, where allowed, the owner) of
    // the file it replaces.
    struct stat old;
    if (stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        fchmod(fd, old.st_mode & 07777);
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not permitted for other users' files; the file is then ours.
        }
    }
    file_ = fdopen(fd, "wb");
    if (!file_) {
        error_ = errno;
        close(fd);
        unlink(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    return true;
}

bool AtomicFile::Commit() {
    if (!file_)
        return false;
    if (temporary_.empty()) { // written in place
        const bool flushed = std::fflush(file_) == 0;
        if (!flushed)
            error_ = errno;
        const bool closed = std::fclose(file_) == 0;
        if (flushed && !closed)
            error_ = errno;
        file_ = nullptr;
        return flushed && closed;
    }
    if (std::fflush(file_) != 0 || fsync(fileno(file_)) != 0)
        return Fail();
    const int closed = std::fclose(file_);
    file_ = nullptr;
    if (closed != 0 || std::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Fail();
    temporary_.clear();
    SyncFolder(FolderOf(target_));
    return true;
}

void AtomicFile::Abandon() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}

bool AtomicFile::Fail() {
    error_ = errno;
    Abandon();
    return false;
}

} // namespace vn
