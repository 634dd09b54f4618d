// File streams of the stream library over standard I/O handles. The file name
// is a native path (for names taken from game data, made with GamePath).
#pragma once

#include "scenario/TesselStream.h"
#include "scenario/TesselString.h"

#include <cstdio>

namespace libtessel {

class FileInputStream : public InputStream {
public:
    FileInputStream() = default;
    explicit FileInputStream(const String& name) { Open(name); }

    // Closes the open file, if any, and returns true; false when none was open.
    bool Close() override;
    // Up to `count` bytes; 0 when no file is open.
    int32_t Read(void* buffer, int32_t count) override;
    ~FileInputStream() override;

    // Closes any open file, then opens `name` for binary reading ("rb"). An
    // empty name opens nothing. Returns whether a file is open.
    bool Open(const String& name);
    bool IsOpen() const { return file_ != nullptr; }
    // Current byte offset; -1 when no file is open.
    int64_t Tell() const;
    // Moves to an absolute byte offset.
    bool Seek(int64_t offset);

private:
    std::FILE* file_ = nullptr;
};

class FileOutputStream : public OutputStream {
public:
    FileOutputStream() = default;
    explicit FileOutputStream(const String& name) { Open(name); }

    bool Close() override;
    // Writes `count` bytes; returns the number written, 0 when no file is open.
    int32_t Write(const void* buffer, int32_t count) override;
    ~FileOutputStream() override;

    // Closes any open file, then creates or truncates `name` for binary
    // writing ("wb"). An empty name opens nothing.
    bool Open(const String& name);
    bool IsOpen() const { return file_ != nullptr; }

private:
    std::FILE* file_ = nullptr;
};

} // namespace libtessel
