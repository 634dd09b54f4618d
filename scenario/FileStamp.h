// What a program read of a file, to tell later whether the file on disk
// still holds it: its size, its modification time and a hash of its bytes.
//
// Take the stamp before reading the file: should the file change in between,
// the stamp is the older one and the change is noticed at the next look
// (taken after, a change in between would pass unseen).
#pragma once

#include <cstdint>
#include <string>

namespace vn {

class FileStamp {
public:
    // No file: the stamp of a list that was never read from disk.
    FileStamp() = default;

    // The file at `path` as it is now; absent when it cannot be read.
    static FileStamp Take(const std::string& path);
    // The same; when `earlier` is a stamp of the same path and the file's
    // size, times and identity have not moved since, its hash is reused and
    // the bytes are not read again. File times tick coarsely (a few
    // milliseconds): a file written shortly before `earlier` was taken could
    // change again without a new time, so its bytes are always read.
    static FileStamp Take(const std::string& path, const FileStamp& earlier);

    const std::string& Path() const { return path_; }
    bool Exists() const { return exists_; }
    uint64_t Size() const { return size_; }
    int64_t ModifiedNs() const { return modifiedNs_; }

    // Whether the two stamps saw other bytes (or one saw a file and the
    // other none). A file touched or written again with the same bytes is
    // not different.
    bool DiffersFrom(const FileStamp& other) const;

    // Whether writing this stamp's path now would replace bytes that were
    // not read: the file exists and is no longer what was stamped. A file
    // deleted since holds nothing to lose.
    bool ChangedOnDisk() const;

private:
    std::string path_;
    bool exists_ = false;
    uint64_t size_ = 0;
    int64_t modifiedNs_ = 0;
    // The quick look: a file replaced by renaming gets a new inode, one
    // written in place a new status-change time (which no tool can set back).
    int64_t changedNs_ = 0;
    uint64_t device_ = 0;
    uint64_t inode_ = 0;
    uint64_t hash_ = 0;
    int64_t takenNs_ = 0; // the clock when the bytes were hashed
};

} // namespace vn
