#include "tools/vnscript/PackageBuild.h"

#include "scenario/GamePath.h"
#include "tools/vnscript/Commands.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

extern char** environ;

namespace fs = std::filesystem;

namespace vnscript {
namespace {

constexpr fs::perms kFileMode =
    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kFolderMode =
    kFileMode | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

bool IsSaveFolder(const fs::path& name) {
    std::string text = name.string();
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text == "save";
}

// Makes `folder` and the folders above it up to `root`, each mode 0755.
bool MakeFolders(const fs::path& root, const fs::path& folder) {
    std::error_code error;
    fs::path at = root;
    for (const fs::path& part : folder.lexically_relative(root)) {
        at /= part;
        fs::create_directory(at, error);
        if (!error)
            fs::permissions(at, kFolderMode, error);
        if (error) {
            Fail("cannot make \"" + at.string() + "\": " + error.message());
            return false;
        }
    }
    return true;
}

bool CopyFile(const fs::path& from, const fs::path& to, uint64_t& bytes) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::permissions(to, kFileMode, error);
    if (!error)
        bytes += fs::file_size(to, error);
    if (error)
        Fail("cannot copy \"" + from.string() + "\": " + error.message());
    return !error;
}

} // namespace

StagingFolder::~StagingFolder() {
    std::error_code ignored;
    if (!path_.empty())
        fs::remove_all(path_, ignored);
}

bool StagingFolder::Make(const fs::path& outDir) {
    std::string pattern = (outDir / ".vnscript-export-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return Refuse("cannot make a folder in \"" + outDir.string() +
                      "\": " + std::strerror(errno));
    path_ = pattern;
    std::error_code error;
    fs::permissions(path_, kFolderMode, error);
    return true;
}

bool StagingFolder::Write(const std::string& relative, const std::string& bytes, bool executable) {
    const fs::path target = path_ / relative;
    if (!MakeFolders(path_, target.parent_path()))
        return false;
    std::ofstream file(target, std::ios::binary | std::ios::trunc);
    std::error_code error;
    if (file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && file.flush()) {
        fs::permissions(target, executable ? kFolderMode : kFileMode, error);
        if (!error)
            return true;
    }
    return Refuse("cannot write \"" + target.string() + "\"");
}

bool StagingFolder::CopyGame(const fs::path& gameFolder, const std::string& relative,
                             uint64_t& bytes) {
    const fs::path root = path_ / relative;
    if (!MakeFolders(path_, root / "save"))
        return false;
    std::error_code error;
    fs::recursive_directory_iterator walk(gameFolder,
                                          fs::directory_options::follow_directory_symlink, error);
    const fs::recursive_directory_iterator end;
    for (; !error && walk != end; walk.increment(error)) {
        const fs::path inside = walk->path().lexically_relative(gameFolder);
        // A player's saves stay home; the save/ folder is made below.
        if (walk.depth() == 0 && IsSaveFolder(inside)) {
            walk.disable_recursion_pending();
            continue;
        }
        if (walk->is_directory(error)) {
            if (!MakeFolders(path_, root / inside))
                return false;
        } else if (walk->is_regular_file(error) && !CopyFile(walk->path(), root / inside, bytes)) {
            return false;
        }
    }
    if (error)
        return Refuse("cannot read \"" + gameFolder.string() + "\": " + error.message());
    // The player cannot start without the parameter tables the game declares.
    for (const char* table : {"global.flg", "local.flg"})
        if (!CopyFile(GamePath(gameFolder.string(), VNString("save\\") + VNString(table)),
                      root / "save" / table, bytes))
            return false;
    return true;
}

bool BuildDeb(const fs::path& root, const fs::path& deb) {
    const std::string partial = (deb.parent_path() / ("." + deb.filename().string())).string();
    std::string rootText = root.string();
    const char* argv[] = {"dpkg-deb",       "--root-owner-group", "--build",
                          rootText.c_str(), partial.c_str(),      nullptr};
    // dpkg-deb tells on standard output what it builds; this command keeps
    // its standard output for the package's path.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, "dpkg-deb", &actions, nullptr,
                                       const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return Refuse(std::string("cannot run dpkg-deb (from the dpkg package): ") +
                      std::strerror(spawned));
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::error_code error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fs::remove(partial, error);
        return Refuse("dpkg-deb failed to build the package");
    }
    fs::rename(partial, deb, error);
    if (error)
        return Refuse("cannot write \"" + deb.string() + "\": " + error.message());
    return true;
}

} // namespace vnscript
