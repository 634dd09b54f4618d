#include "tools/vnscript/GamePackage.h"

namespace vnscript {
namespace {

bool IsLowerOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}
bool IsAsciiAlnum(char c) {
    return IsLowerOrDigit(c) || (c >= 'A' && c <= 'Z');
}

// Desktop entry values take "\\" for a backslash; OneLine already removed
// the line breaks the other escapes are for.
std::string DesktopValue(std::string_view text) {
    std::string out;
    for (const char c : OneLine(text)) {
        if (c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

bool IsPackageName(std::string_view name) {
    if (name.size() < 2 || !IsLowerOrDigit(name[0]))
        return false;
    for (const char c : name)
        if (!IsLowerOrDigit(c) && c != '+' && c != '-' && c != '.')
            return false;
    return true;
}

std::string PackageNameFromFolder(std::string_view folderName) {
    std::string name;
    for (char c : folderName) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (!IsLowerOrDigit(c) && c != '+' && c != '.')
            c = '-';
        if (name.empty() && !IsLowerOrDigit(c))
            continue;
        if (c == '-' && name.back() == '-')
            continue;
        name += c;
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return IsPackageName(name) ? name : std::string();
}

bool IsPackageVersion(std::string_view version) {
    if (version.empty() || version[0] < '0' || version[0] > '9')
        return false;
    for (const char c : version)
        if (!IsAsciiAlnum(c) && c != '.' && c != '+' && c != '~' && c != '-')
            return false;
    return true;
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text)
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    const size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::string ControlFile(const PackageInfo& info) {
    return "Package: " + info.id + "\nVersion: " + info.version +
           "\nArchitecture: all\nMaintainer: " + OneLine(info.maintainer) +
           "\nInstalled-Size: " + std::to_string(info.installedKiB) +
           "\nDepends: vnsuite-player\nSection: games\nPriority: optional\nDescription: " +
           OneLine(info.title) +
           "\n A visual novel, played with vnplay. Saved games are kept in\n"
           " ~/.local/share/vnsuite-games/" +
           info.id + "/save/.\n";
}

std::string LauncherScript(std::string_view id) {
    const std::string name(id);
    return "#!/bin/sh\n"
           "# Plays the game installed in /usr/share/games/" +
           name +
           ".\n"
           "# The player writes its saves into the game's own save/ folder, which is\n"
           "# not writable there. So the game is played from a folder of the user's:\n"
           "# every installed entry is linked into it afresh (an upgrade shows at\n"
           "# once), and save/ is a real folder that starts with the game's own\n"
           "# global.flg and links its local.flg, which the player only reads.\n"
           "set -e\n"
           "game=/usr/share/games/" +
           name +
           "\n"
           "play=\"${XDG_DATA_HOME:-$HOME/.local/share}/vnsuite-games/" +
           name +
           "\"\n"
           "mkdir -p \"$play/save\"\n"
           "for link in \"$play\"/* \"$play\"/.[!.]*; do\n"
           "    if [ -L \"$link\" ] && [ ! -e \"$link\" ]; then rm -f \"$link\"; fi\n"
           "done\n"
           "for entry in \"$game\"/* \"$game\"/.[!.]*; do\n"
           "    [ -e \"$entry\" ] || continue\n"
           "    [ \"${entry##*/}\" = save ] && continue\n"
           "    ln -sfn \"$entry\" \"$play/${entry##*/}\"\n"
           "done\n"
           "ln -sfn \"$game/save/local.flg\" \"$play/save/local.flg\"\n"
           "[ -e \"$play/save/global.flg\" ] || cp \"$game/save/global.flg\" \"$play/save/\"\n"
           "exec /usr/bin/vnplay \"$play\"\n";
}

std::string DesktopEntry(const PackageInfo& info) {
    return "[Desktop Entry]\nType=Application\nName=" + DesktopValue(info.title) +
           "\nComment=A visual novel\nExec=/" + PackagePaths::Launcher(info.id) +
           "\nIcon=" + info.id + "\nTerminal=false\nCategories=Game;AdventureGame;\n";
}

} // namespace vnscript
