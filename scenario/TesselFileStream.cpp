#include "scenario/TesselFileStream.h"

#include "scenario/RegularFile.h"

#include <sys/types.h>

namespace libtessel {
namespace {

std::FILE* OpenNamed(const String& name, const char* mode) {
    if (name.IsEmpty())
        return nullptr;
    return std::fopen(name.c_str(), mode);
}

// Closes `file` if open; true when one was open and closed without error.
bool CloseHandle(std::FILE*& file) {
    if (!file)
        return false;
    const bool ok = std::fclose(file) == 0;
    file = nullptr;
    return ok;
}

} // namespace

bool FileInputStream::Close() {
    return CloseHandle(file_);
}

int32_t FileInputStream::Read(void* buffer, int32_t count) {
    if (!file_ || !buffer || count <= 0)
        return 0;
    return static_cast<int32_t>(std::fread(buffer, 1, static_cast<size_t>(count), file_));
}

FileInputStream::~FileInputStream() {
    CloseHandle(file_);
}

bool FileInputStream::Open(const String& name) {
    CloseHandle(file_);
    file_ = name.IsEmpty() ? nullptr : vn::OpenRegularFile(name.c_str());
    return IsOpen();
}

int64_t FileInputStream::Tell() const {
    return file_ ? static_cast<int64_t>(ftello(file_)) : -1;
}

bool FileInputStream::Seek(int64_t offset) {
    return file_ && offset >= 0 && fseeko(file_, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool FileOutputStream::Close() {
    return CloseHandle(file_);
}

int32_t FileOutputStream::Write(const void* buffer, int32_t count) {
    if (!file_ || !buffer || count <= 0)
        return 0;
    return static_cast<int32_t>(std::fwrite(buffer, 1, static_cast<size_t>(count), file_));
}

FileOutputStream::~FileOutputStream() {
    CloseHandle(file_);
}

bool FileOutputStream::Open(const String& name) {
    CloseHandle(file_);
    file_ = OpenNamed(name, "wb");
    return IsOpen();
}

} // namespace libtessel
