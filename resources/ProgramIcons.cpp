#include "resources/ProgramIcons.h"

#include "resources/private/EmbeddedFiles.h"

#include <algorithm>
#include <string>

namespace resources {

namespace detail {

const EmbeddedFile* FindEmbeddedFile(std::string_view name) {
    const EmbeddedFile* end = kEmbeddedFiles + kEmbeddedFileCount;
    const EmbeddedFile* it = std::lower_bound(
        kEmbeddedFiles, end, name,
        [](const EmbeddedFile& file, std::string_view key) { return file.name < key; });
    return it != end && it->name == name ? it : nullptr;
}

} // namespace detail

namespace {

// The prefix of the program's files under resources/icons/.
const char* FilePrefix(ProgramIcon program) {
    switch (program) {
    case ProgramIcon::Player:
        return "player";
    case ProgramIcon::ParamEditor:
        return "paredit";
    case ProgramIcon::MaskGenerator:
        return "maskgen";
    case ProgramIcon::EventEditor:
        return "evedit";
    }
    return "";
}

} // namespace

IconSpec MakeProgramIcon(ProgramIcon program) {
    IconSpec icon;
    for (int size : kProgramIconSizes) {
        const std::string name =
            std::string(FilePrefix(program)) + "-" + std::to_string(size) + ".png";
        if (const detail::EmbeddedFile* file = detail::FindEmbeddedFile(name))
            icon.images.push_back({size, file->data, file->size});
    }
    return icon;
}

} // namespace resources
