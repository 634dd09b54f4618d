// Reads the tagged items of the suite's data files (see VNFileItems.h) from a
// file, a caller's standard I/O stream or a buffer in memory.
//
// A string item whose length is larger than the bytes left in its source
// fails before anything of that size is allocated; where the size of the
// source is unknown (a pipe), the text is read in bounded pieces, so memory
// never runs ahead of the bytes that actually arrive.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <cstdio>
#include <string>

class VNFileReader {
public:
    // Why the last read failed.
    enum class Failure {
        None,
        EndOfFile,         // the source ended inside the item
        BadTag,            // a string item's tag byte is neither 2 nor 3
        NegativeLength,    // a string item's length is below 0
        LengthBeyondFile,  // a string item's length exceeds the bytes left
        LengthBeyondLimit, // a string item is longer than its reader allows
    };

    VNFileReader() = default;
    ~VNFileReader() { Close(); }
    VNFileReader(const VNFileReader&) = delete;
    VNFileReader& operator=(const VNFileReader&) = delete;

    // Opens a file for binary reading ("rb"); a folder does not open.
    bool Open(const std::string& path);
    // Reads from a caller's stream from its current position; the caller
    // keeps it and closes it after Close.
    bool Attach(std::FILE* file);
    // Reads from `size` bytes at `data`, which must outlive the reading.
    bool OpenMemory(const void* data, size_t size);
    bool IsOpen() const { return file_ != nullptr || memory_ != nullptr; }

    // The tag byte is read and ignored, then four bytes little-endian.
    bool ReadInt(int32_t& value);
    // Tag 2 or 3, length, text. The text ends at its first zero byte, if any,
    // as a zero-terminated text does. A length above `limit` fails before
    // anything is read or allocated.
    bool ReadString(VNString& text, int64_t limit = INT32_MAX);

    // True when the source closed without error (false when none was open).
    bool Close();

    Failure GetFailure() const { return failure_; }
    // Details of the failed item: where it starts, its tag and its length.
    int64_t FailedItemOffset() const { return failed_offset_; }
    int FailedTag() const { return failed_tag_; }
    int64_t FailedLength() const { return failed_length_; }
    // errno of a failed Open.
    int OpenError() const { return open_error_; }

    // Bytes consumed since opening.
    int64_t Offset() const { return offset_; }
    // Bytes left in the source, or -1 when its size is unknown.
    int64_t BytesLeft() const { return size_ < 0 ? -1 : size_ - offset_; }

private:
    size_t ReadBytes(void* buffer, size_t count);
    bool Fail(Failure failure, int64_t item_offset);
    void Reset();

    std::FILE* file_ = nullptr;
    bool owns_file_ = false;
    const unsigned char* memory_ = nullptr;
    int64_t size_ = -1;
    int64_t offset_ = 0;

    Failure failure_ = Failure::None;
    int64_t failed_offset_ = 0;
    int failed_tag_ = 0;
    int64_t failed_length_ = 0;
    int open_error_ = 0;
};
