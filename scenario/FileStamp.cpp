#include "scenario/FileStamp.h"

#include "scenario/RegularFile.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <string_view>
#include <sys/stat.h>

namespace vn {
namespace {

int64_t Nanoseconds(const timespec& t) {
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// How long a file must have been still before its times alone can tell it
// was not written again.
constexpr int64_t kStillNs = 2'000'000'000;

} // namespace

FileStamp FileStamp::Take(const std::string& path) {
    return Take(path, FileStamp());
}

FileStamp FileStamp::Take(const std::string& path, const FileStamp& earlier) {
    FileStamp stamp;
    stamp.path_ = path;
    struct stat info;
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.size_ = static_cast<uint64_t>(info.st_size);
    stamp.modifiedNs_ = Nanoseconds(info.st_mtim);
    stamp.changedNs_ = Nanoseconds(info.st_ctim);
    stamp.device_ = static_cast<uint64_t>(info.st_dev);
    stamp.inode_ = static_cast<uint64_t>(info.st_ino);
    if (earlier.exists_ && earlier.path_ == path && earlier.size_ == stamp.size_ &&
        earlier.modifiedNs_ == stamp.modifiedNs_ && earlier.changedNs_ == stamp.changedNs_ &&
        earlier.device_ == stamp.device_ && earlier.inode_ == stamp.inode_ &&
        earlier.takenNs_ - std::max(earlier.modifiedNs_, earlier.changedNs_) >= kStillNs) {
        stamp.exists_ = true;
        stamp.hash_ = earlier.hash_;
        stamp.takenNs_ = earlier.takenNs_;
        return stamp;
    }
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    stamp.takenNs_ = Nanoseconds(now);
    std::string bytes;
    if (!ReadRegularFile(path, bytes))
        return stamp; // unreadable: as if absent
    // The size of what was read: the file may have grown since stat.
    stamp.size_ = bytes.size();
    stamp.hash_ = std::hash<std::string_view>{}(bytes);
    stamp.exists_ = true;
    return stamp;
}

bool FileStamp::DiffersFrom(const FileStamp& other) const {
    if (exists_ != other.exists_)
        return true;
    return exists_ && (size_ != other.size_ || hash_ != other.hash_);
}

bool FileStamp::ChangedOnDisk() const {
    if (path_.empty())
        return false;
    const FileStamp now = Take(path_, *this);
    return now.exists_ && DiffersFrom(now);
}

} // namespace vn
