// Byte streams of the stream library. The virtual operations come in a fixed
// order: Close first, then Read (or Write); the destructor follows them.
#pragma once

#include <cstdint>

namespace libtessel {

class InputStream {
public:
    InputStream() = default;
    InputStream(const InputStream&) = delete;
    InputStream& operator=(const InputStream&) = delete;

    virtual bool Close() { return true; }
    // Reads up to `count` bytes into `buffer`; returns how many were read.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual ~InputStream() = default;
};

class OutputStream {
public:
    OutputStream() = default;
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    virtual bool Close() { return true; }
    // Writes `count` bytes from `buffer`; returns how many were written.
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    virtual ~OutputStream() = default;
};

} // namespace libtessel
