// vnscript export: a game checked and packed as a Debian package that
// installs it for every user of the machine, with a launcher, a desktop
// entry and an icon.
#include "gamecheck/GameCheck.h"
#include "graphics/PngWriter.h"
#include "player/config/IniFile.h"
#include "scenario/GamePath.h"
#include "tools/vnscript/Commands.h"
#include "tools/vnscript/GameIcon.h"
#include "tools/vnscript/GamePackage.h"
#include "tools/vnscript/PackageBuild.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace vnscript {
namespace {

// The findings as `vnscript check` prints them; false when there are errors.
bool GamePassesCheck(const std::string& folder) {
    const gamecheck::CheckResult result = gamecheck::CheckGame(folder);
    if (!result.isGame) {
        Fail("\"" + folder + "\" is not a game folder: " + result.notGameReason);
        return false;
    }
    for (const gamecheck::Finding& finding : result.findings)
        std::fputs(gamecheck::FormatLine(finding, folder).c_str(), stdout);
    std::fflush(stdout);
    if (result.Errors() == 0)
        return true;
    Fail("the game has " + std::to_string(result.Errors()) +
         " error(s) (listed above); fix them before exporting, nothing was written");
    return false;
}

// --title, else the Title of the game's game.ini (in UTF-8), else the name.
std::string GameTitle(const Options& options, const std::string& folder, const std::string& id) {
    std::string title = OneLine(options.title);
    if (title.empty()) {
        IniFile ini;
        ini.Load(GamePath(folder, VNString("game.ini")));
        title = OneLine(VNString::FromBytes(ini.ReadString("game", "Title", "")).ToUtf8Lossy());
    }
    return title.empty() ? id : title;
}

std::string Maintainer() {
    const char* name = std::getenv("DEBFULLNAME");
    const char* email = std::getenv("DEBEMAIL");
    if (email && *email)
        return std::string(name && *name ? name : "Game author") + " <" + email + ">";
    return "Game author <nobody@localhost>";
}

bool WriteIcon(StagingFolder& staging, const std::string& folder, const std::string& id) {
    Surface icon;
    std::string from;
    if (!MakeGameIcon(folder, kIconSide, icon, from))
        return Refuse("cannot draw the icon");
    const fs::path target = staging.Path() / PackagePaths::Icon(id);
    if (!staging.Write(PackagePaths::Icon(id), {}))
        return false;
    std::FILE* file = std::fopen(target.c_str(), "wb");
    const bool written = file && WritePng(icon, file);
    const bool closed = file && std::fclose(file) == 0;
    if (!written || !closed)
        return Refuse("cannot write \"" + target.string() + "\"");
    std::fprintf(stderr, "vnscript: the icon is drawn from %s\n",
                 from.empty() ? "nothing (the game shows no background picture)" : from.c_str());
    return true;
}

} // namespace

int RunExport(const Options& options) {
    const std::string& folder = options.files[0];
    const fs::path outDir = options.files[1];
    PackageInfo info;
    info.id = options.name;
    if (info.id.empty()) {
        const fs::path full = fs::absolute(folder).lexically_normal();
        const fs::path base = full.has_filename() ? full.filename() : full.parent_path().filename();
        info.id = PackageNameFromFolder(base.string());
        if (info.id.empty())
            return Fail("cannot make a package name of the folder name \"" + base.string() +
                        "\"; give one with --name");
    } else if (!IsPackageName(info.id)) {
        return Fail("\"" + info.id +
                    "\" is no package name: use at least two of a-z, 0-9, \"+\", \"-\" and "
                    "\".\", starting with a letter or a digit");
    }
    info.version = options.version.empty() ? "1.0" : options.version;
    if (!IsPackageVersion(info.version))
        return Fail("\"" + info.version +
                    "\" is no package version: start with a digit, then use letters, digits "
                    "and \".+~-\"");

    // The package would otherwise copy itself into itself.
    std::error_code error;
    const fs::path gameFull = fs::weakly_canonical(folder, error);
    const std::string inside =
        fs::weakly_canonical(outDir, error).lexically_relative(gameFull).string();
    if (!error && (inside == "." || (!inside.empty() && inside.rfind("..", 0) != 0)))
        return Fail("the output folder may not lie inside the game folder");

    if (!GamePassesCheck(folder))
        return 1;
    fs::create_directories(outDir, error);
    if (error)
        return Fail("cannot make \"" + outDir.string() + "\": " + error.message());
    info.title = GameTitle(options, folder, info.id);
    info.maintainer = Maintainer();

    StagingFolder staging;
    uint64_t bytes = 0;
    if (!staging.Make(outDir) ||
        !staging.CopyGame(folder, PackagePaths::GameFolder(info.id), bytes) ||
        !staging.Write(PackagePaths::Launcher(info.id), LauncherScript(info.id), true) ||
        !staging.Write(PackagePaths::DesktopEntry(info.id), DesktopEntry(info)) ||
        !WriteIcon(staging, folder, info.id))
        return 1;
    info.installedKiB = (bytes + 1023) / 1024 + 8; // and the launcher, entry and icon
    if (!staging.Write("DEBIAN/control", ControlFile(info)))
        return 1;
    const fs::path deb = outDir / (info.id + "_" + info.version + "_all.deb");
    if (!BuildDeb(staging.Path(), deb))
        return 1;
    std::printf("%s\n", deb.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace vnscript
