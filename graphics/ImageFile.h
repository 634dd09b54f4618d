// Reading a whole image file into memory and the limits every image reader
// applies. The readers work on byte spans, so they can be driven from files,
// tests and fuzzers alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Largest picture any reader accepts: the surface side limit squared.
constexpr int64_t kMaxImagePixels = int64_t{16384} * 16384;

// Reads the file at `path` into `bytes`. False when it cannot be opened or
// read, or is larger than `maxBytes`.
bool ReadImageFile(const char* path, std::vector<uint8_t>& bytes,
                   size_t maxBytes = size_t{2} << 30);

// True when `path` ends with ".png" in any letter case.
bool HasPngSuffix(const char* path);

// ASCII comparison without regard to letter case.
bool EqualsIgnoreCase(const char* a, const char* b);
