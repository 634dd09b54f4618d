#include "scenario/VNFileWriter.h"

#include "scenario/VNFileItems.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

namespace {

void PutLittleEndian(unsigned char out[4], int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    out[0] = static_cast<unsigned char>(v);
    out[1] = static_cast<unsigned char>(v >> 8);
    out[2] = static_cast<unsigned char>(v >> 16);
    out[3] = static_cast<unsigned char>(v >> 24);
}

} // namespace

bool VNFileWriter::Open(const std::string& path) {
    Abandon();
    failed_ = false;
    error_ = 0;
    if (!file_.Open(path)) {
        error_ = file_.Error();
        return false;
    }
    stream_ = file_.Stream();
    return true;
}

bool VNFileWriter::Attach(std::FILE* file) {
    Abandon();
    failed_ = false;
    error_ = 0;
    stream_ = file;
    return stream_ != nullptr;
}

bool VNFileWriter::Put(const void* bytes, size_t count) {
    if (!stream_ || failed_)
        return false;
    if (std::fwrite(bytes, 1, count, stream_) != count) {
        failed_ = true;
        error_ = errno ? errno : EIO;
        return false;
    }
    return true;
}

bool VNFileWriter::WriteInt(int32_t value) {
    unsigned char item[5] = {vn::items::kIntegerTag};
    PutLittleEndian(item + 1, value);
    return Put(item, sizeof item);
}

bool VNFileWriter::WriteString(const char* bytes) {
    const size_t length = bytes ? std::strlen(bytes) : 0;
    if (length > static_cast<size_t>(INT32_MAX)) {
        failed_ = true;
        error_ = EOVERFLOW;
        return false;
    }
    std::string item(5 + length, '\0');
    item[0] = static_cast<char>(vn::items::kScrambledStringTag);
    PutLittleEndian(reinterpret_cast<unsigned char*>(item.data() + 1),
                    static_cast<int32_t>(length));
    for (size_t i = 0; i < length; ++i)
        item[5 + i] = static_cast<char>(vn::items::Scramble(static_cast<unsigned char>(bytes[i])));
    return Put(item.data(), item.size());
}

bool VNFileWriter::Close() {
    if (!stream_)
        return false;
    const bool attached = !file_.IsOpen();
    std::FILE* stream = stream_;
    stream_ = nullptr;
    if (failed_) {
        file_.Abandon();
        return false;
    }
    if (attached) {
        if (std::fflush(stream) != 0) {
            error_ = errno;
            return false;
        }
        return true;
    }
    if (!file_.Commit()) {
        error_ = file_.Error();
        return false;
    }
    return true;
}

void VNFileWriter::Abandon() {
    stream_ = nullptr;
    file_.Abandon();
}
