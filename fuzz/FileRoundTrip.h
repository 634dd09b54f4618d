// Shared by the file fuzzers: saving into memory and stopping on a broken rule.
#pragma once

#include "scenario/VNFileWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

[[noreturn]] inline void Broken(const char* rule) {
    std::fprintf(stderr, "broken rule: %s\n", rule);
    std::abort();
}

// The bytes `table.Save(writer)` produces.
template <typename Table> std::string SavedBytes(const Table& table) {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    if (!stream)
        Broken("open_memstream");
    VNFileWriter writer;
    writer.Attach(stream);
    if (!table.Save(writer) || !writer.Close())
        Broken("saving into memory succeeds");
    std::fclose(stream);
    std::string bytes(buffer, size);
    std::free(buffer);
    return bytes;
}

} // namespace fuzz
