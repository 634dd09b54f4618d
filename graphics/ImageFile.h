// Reading image files into memory and the limits every image reader applies.
// The readers work on byte spans, so they can be driven from files, tests and
// fuzzers alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <vector>

// Largest picture any reader accepts: the surface side limit squared.
constexpr int64_t kMaxImagePixels = int64_t{16384} * 16384;

// Most bytes read from one image file (the largest picture the readers
// accept takes well under half of it).
constexpr uint64_t kMaxImageFileBytes = uint64_t{2} << 30;

// The bytes of an image file, read from its start only as far as a reader
// asks: a damaged header or an endless device costs no more reading and no
// more memory than the reader needs to judge it.
class ImageFileBytes {
public:
    explicit ImageFileBytes(const char* path);

    bool IsOpen() const { return file_ != nullptr; }
    // Reads on until the first `count` bytes are in memory or the file ends.
    // False when the file is not open, a read fails, memory runs out or
    // `count` is beyond kMaxImageFileBytes; what was read stays.
    bool ReadUpTo(uint64_t count);
    std::span<const uint8_t> Bytes() const { return bytes_; }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    std::vector<uint8_t> bytes_;
    int64_t size_ = -1; // of a regular file, else -1
    bool ended_ = false;
    bool failed_ = false;
};

// True when `path` ends with ".png" in any letter case.
bool HasPngSuffix(const char* path);

// ASCII comparison without regard to letter case.
bool EqualsIgnoreCase(const char* a, const char* b);
