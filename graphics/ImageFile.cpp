#include "graphics/ImageFile.h"

#include "scenario/RegularFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Bytes asked of the file at a time.
constexpr size_t kPiece = size_t{1} << 20;

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

ImageFileBytes::ImageFileBytes(const char* path) {
    if (path == nullptr)
        return;
    file_.reset(vn::OpenRegularFile(path));
    struct stat info;
    if (file_ && fstat(fileno(file_.get()), &info) == 0 && S_ISREG(info.st_mode))
        size_ = static_cast<int64_t>(info.st_size);
}

bool ImageFileBytes::ReadUpTo(uint64_t count) {
    if (!file_ || failed_ || count > kMaxImageFileBytes)
        return false;
    try {
        // A regular file's size is known: memory for what will be read, grown
        // by half at least, so a file read chunk by chunk is not copied again
        // for every chunk.
        if (size_ >= 0 && count > bytes_.capacity()) {
            const uint64_t grown = std::max<uint64_t>(count, bytes_.capacity() * 3 / 2);
            bytes_.reserve(static_cast<size_t>(std::min<uint64_t>(grown, size_)));
        }
        while (bytes_.size() < count && !ended_) {
            const size_t used = bytes_.size();
            const size_t piece = static_cast<size_t>(std::min<uint64_t>(count - used, kPiece));
            bytes_.resize(used + piece);
            const size_t got = std::fread(bytes_.data() + used, 1, piece, file_.get());
            bytes_.resize(used + got);
            if (got < piece) {
                ended_ = true;
                failed_ = std::ferror(file_.get()) != 0;
            }
        }
    } catch (const std::bad_alloc&) {
        failed_ = true;
    }
    return !failed_;
}

bool HasPngSuffix(const char* path) {
    if (path == nullptr)
        return false;
    const size_t length = std::strlen(path);
    return length >= 4 && EqualsIgnoreCase(path + length - 4, ".png");
}

bool EqualsIgnoreCase(const char* a, const char* b) {
    if (a == nullptr || b == nullptr)
        return false;
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (LowerAscii(*a) != LowerAscii(*b))
            return false;
    }
    return *a == *b;
}
