#include "scenario/VNFileReader.h"

#include "scenario/RegularFile.h"
#include "scenario/VNFileItems.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// Piece size for texts from a source of unknown size.
constexpr size_t kPiece = 64 * 1024;

// An empty buffer still needs a non-null address to count as open.
const unsigned char kNoBytes[1] = {0};

int32_t LittleEndian(const unsigned char b[4]) {
    const uint32_t v = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                       (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return static_cast<int32_t>(v);
}

// Size of a regular file behind `file`, or -1.
int64_t RegularFileSize(std::FILE* file) {
    struct stat info;
    const int fd = fileno(file);
    if (fd < 0 || fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return static_cast<int64_t>(info.st_size);
}

} // namespace

void VNFileReader::Reset() {
    Close();
    size_ = -1;
    offset_ = 0;
    failure_ = Failure::None;
    open_error_ = 0;
}

bool VNFileReader::Open(const std::string& path) {
    Reset();
    std::FILE* file = vn::OpenRegularFile(path);
    if (!file) {
        open_error_ = errno;
        return false;
    }
    file_ = file;
    owns_file_ = true;
    size_ = RegularFileSize(file);
    return true;
}

bool VNFileReader::Attach(std::FILE* file) {
    Reset();
    if (!file)
        return false;
    file_ = file;
    owns_file_ = false;
    const int64_t size = RegularFileSize(file);
    const int64_t start = static_cast<int64_t>(ftello(file));
    size_ = size >= 0 && start >= 0 && start <= size ? size - start : -1;
    return true;
}

bool VNFileReader::OpenMemory(const void* data, size_t size) {
    Reset();
    if (!data && size > 0)
        return false;
    memory_ = size > 0 ? static_cast<const unsigned char*>(data) : kNoBytes;
    size_ = static_cast<int64_t>(size);
    return true;
}

bool VNFileReader::Close() {
    bool ok = false;
    if (file_) {
        ok = owns_file_ ? std::fclose(file_) == 0 : std::ferror(file_) == 0;
        file_ = nullptr;
    } else if (memory_) {
        ok = true;
    }
    memory_ = nullptr;
    owns_file_ = false;
    return ok;
}

size_t VNFileReader::ReadBytes(void* buffer, size_t count) {
    size_t got = 0;
    if (file_) {
        got = std::fread(buffer, 1, count, file_);
    } else if (memory_) {
        got = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), size_ - offset_));
        std::memcpy(buffer, memory_ + offset_, got);
    }
    offset_ += static_cast<int64_t>(got);
    return got;
}

bool VNFileReader::Fail(Failure failure, int64_t item_offset) {
    failure_ = failure;
    failed_offset_ = item_offset;
    return false;
}

bool VNFileReader::ReadInt(int32_t& value) {
    const int64_t start = offset_;
    failed_tag_ = 0;
    failed_length_ = 0;
    unsigned char tag = 0;
    ReadBytes(&tag, 1); // the tag of an integer item is not checked
    failed_tag_ = tag;
    unsigned char b[4];
    if (ReadBytes(b, 4) != 4)
        return Fail(Failure::EndOfFile, start);
    value = LittleEndian(b);
    failure_ = Failure::None;
    return true;
}

bool VNFileReader::ReadString(VNString& text, int64_t limit) {
    using namespace vn::items;
    const int64_t start = offset_;
    failed_tag_ = 0;
    failed_length_ = 0;
    unsigned char tag = 0;
    if (ReadBytes(&tag, 1) != 1)
        return Fail(Failure::EndOfFile, start);
    failed_tag_ = tag;
    if (tag != kPlainStringTag && tag != kScrambledStringTag)
        return Fail(Failure::BadTag, start);
    unsigned char b[4];
    if (ReadBytes(b, 4) != 4)
        return Fail(Failure::EndOfFile, start);
    const int32_t length = LittleEndian(b);
    failed_length_ = length;
    if (length < 0)
        return Fail(Failure::NegativeLength, start);
    if (size_ >= 0 && length > BytesLeft())
        return Fail(Failure::LengthBeyondFile, start);
    if (length > limit)
        return Fail(Failure::LengthBeyondLimit, start);

    std::string bytes;
    if (size_ >= 0) {
        bytes.resize(static_cast<size_t>(length));
        if (ReadBytes(bytes.data(), bytes.size()) != bytes.size())
            return Fail(Failure::EndOfFile, start);
    } else {
        size_t wanted = static_cast<size_t>(length);
        while (wanted > 0) {
            const size_t piece = std::min(wanted, kPiece);
            const size_t old_size = bytes.size();
            bytes.resize(old_size + piece);
            const size_t got = ReadBytes(bytes.data() + old_size, piece);
            if (got != piece)
                return Fail(Failure::LengthBeyondFile, start);
            wanted -= piece;
        }
    }
    if (tag == kScrambledStringTag)
        for (char& c : bytes)
            c = static_cast<char>(Unscramble(static_cast<unsigned char>(c)));
    text = VNString::FromBytes(bytes);
    failure_ = Failure::None;
    return true;
}
