// Writes the tagged items of the suite's data files (see VNFileItems.h).
//
// A file opened by path is written to a temporary file beside it; Close
// commits it (flush, sync, rename over the target). A failed write, a failed
// Close, Abandon or destruction without Close removes the temporary file and
// leaves any old file untouched.
#pragma once

#include "scenario/AtomicFile.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <cstdio>
#include <string>

class VNFileWriter {
public:
    VNFileWriter() = default;
    ~VNFileWriter() { Abandon(); }
    VNFileWriter(const VNFileWriter&) = delete;
    VNFileWriter& operator=(const VNFileWriter&) = delete;

    // Starts a new file that replaces `path` on Close.
    bool Open(const std::string& path);
    // Writes straight into a caller's stream (no replacing; the caller keeps
    // the stream and closes it after Close).
    bool Attach(std::FILE* file);
    bool IsOpen() const { return stream_ != nullptr; }

    // The byte 0x01 and the value, low byte first.
    bool WriteInt(int32_t value);
    // The byte 0x03, the byte length and the scrambled bytes of a
    // zero-terminated text.
    bool WriteString(const char* bytes);
    bool WriteString(const VNString& text) { return WriteString(text.c_str()); }

    // Commits the file; true only when every write succeeded and the file
    // replaced its target (or, attached, the stream flushed without error).
    bool Close();
    // Drops the file in progress; the target stays as it was.
    void Abandon();

    // errno of the first failure, 0 when none.
    int Error() const { return error_; }

private:
    bool Put(const void* bytes, size_t count);

    vn::AtomicFile file_;
    std::FILE* stream_ = nullptr;
    bool failed_ = false;
    int error_ = 0;
};
