// What `vnscript export` writes into a game's Debian package beside the game
// itself: the package name rules, the control file, the launcher script and
// the desktop entry. Texts only; ExportCommand.cpp puts them into files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vnscript {

// Where the package puts things, for a package (and game) named `id`.
struct PackagePaths {
    static std::string GameFolder(std::string_view id) {
        return "usr/share/games/" + std::string(id);
    }
    static std::string Launcher(std::string_view id) { return "usr/games/" + std::string(id); }
    static std::string DesktopEntry(std::string_view id) {
        return "usr/share/applications/" + std::string(id) + ".desktop";
    }
    static std::string Icon(std::string_view id) {
        return "usr/share/icons/hicolor/128x128/apps/" + std::string(id) + ".png";
    }
};

// The side of the icon, in pixels (the hicolor folder above).
inline constexpr int32_t kIconSide = 128;

// A Debian package name: lower-case letters, digits, "+", "-" and ".",
// at least two characters, starting with a letter or a digit.
bool IsPackageName(std::string_view name);

// A name made from a game folder's name: lower case, every other character
// a "-", runs of "-" made one, leading characters that may not start a
// name and trailing "-" removed. Empty when nothing usable is left.
std::string PackageNameFromFolder(std::string_view folderName);

// A Debian version this command accepts: a digit first, then letters,
// digits and ".+~-" (no epoch).
bool IsPackageVersion(std::string_view version);

struct PackageInfo {
    std::string id;         // the package name
    std::string version;    // "1.0" unless given
    std::string title;      // UTF-8, one line
    std::string maintainer; // "Name <address>"
    uint64_t installedKiB = 0;
};

// The DEBIAN/control file.
std::string ControlFile(const PackageInfo& info);

// The launcher: a POSIX shell script that keeps a writable play folder for
// the player and runs /usr/bin/vnplay on it (see the comment it carries).
std::string LauncherScript(std::string_view id);

// The freedesktop.org desktop entry that starts the launcher.
std::string DesktopEntry(const PackageInfo& info);

// `text` on one line: line breaks and other control characters become
// spaces, leading and trailing spaces go.
std::string OneLine(std::string_view text);

} // namespace vnscript
