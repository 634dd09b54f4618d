// Files compiled into the program (the icons under resources/icons/); the
// table is made at build time by EmbedFiles.cmake.
#pragma once

#include <cstddef>
#include <string_view>

namespace resources::detail {

struct EmbeddedFile {
    const char* name; // the file name without its folder
    const unsigned char* data;
    std::size_t size;
};

// kEmbeddedFileCount entries sorted by name, then one null entry.
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;

// The file of that name, or null.
const EmbeddedFile* FindEmbeddedFile(std::string_view name);

} // namespace resources::detail
