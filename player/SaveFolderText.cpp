#include "player/SaveFolderText.h"

#include "scenario/AtomicFile.h"
#include "scenario/RegularFile.h"

#include <charconv>
#include <cstdio>

std::optional<std::string> ReadSaveFolderText(const std::string& path, size_t limit) {
    std::string bytes;
    if (!vn::ReadRegularFile(path, bytes, limit)) {
        return std::nullopt;
    }
    return bytes;
}

bool WriteSaveFolderText(const std::string& path, std::string_view text) {
    vn::AtomicFile file;
    if (!file.Open(path)) {
        return false;
    }
    if (std::fwrite(text.data(), 1, text.size(), file.Stream()) != text.size()) {
        file.Abandon();
        return false;
    }
    return file.Commit();
}

std::optional<long long> ParseDecimal(std::string_view text, long long low, long long high) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}
