#include "platform/SoundFonts.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace platform {

namespace fs = std::filesystem;

std::vector<std::string> SystemSoundFonts() {
    // default-GM.* are the alternatives the packages register; TimGM6mb is
    // the small font the install script brings.
    return {"/usr/share/sounds/sf3/default-GM.sf3", "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/sounds/sf2/TimGM6mb.sf2"};
}

namespace {

bool IsSoundFontName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sf2" || extension == ".sf3";
}

} // namespace

std::string ChooseSoundFont(const std::string& midiFolder, const std::vector<std::string>& system) {
    std::vector<std::string> own;
    std::error_code error;
    for (fs::directory_iterator it(midiFolder, error), end; !error && it != end;
         it.increment(error)) {
        if (IsSoundFontName(it->path()) && it->is_regular_file(error)) {
            own.push_back(it->path().string());
        }
    }
    if (!own.empty()) {
        return *std::min_element(own.begin(), own.end());
    }
    for (const std::string& candidate : system) {
        // A dangling alternatives link does not count.
        if (fs::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return {};
}

} // namespace platform
