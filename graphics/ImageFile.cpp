#include "graphics/ImageFile.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool ReadImageFile(const char* path, std::vector<uint8_t>& bytes, size_t maxBytes) {
    bytes.clear();
    if (path == nullptr)
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return false;
    // Read in blocks rather than trusting a size from seeking, so pipes and
    // files that change underneath still end cleanly.
    constexpr size_t kBlock = 1 << 16;
    for (;;) {
        const size_t used = bytes.size();
        if (used > maxBytes)
            return false;
        bytes.resize(used + kBlock);
        const size_t got = std::fread(bytes.data() + used, 1, kBlock, file.get());
        bytes.resize(used + got);
        if (got < kBlock)
            break;
    }
    if (std::ferror(file.get()) || bytes.size() > maxBytes) {
        bytes.clear();
        return false;
    }
    return true;
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
