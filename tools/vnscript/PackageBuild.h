// The file side of `vnscript export`: a folder laid out as the package's
// root, and the .deb that dpkg-deb builds of it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace vnscript {

// A fresh folder inside `outDir` that is removed with everything in it when
// this object goes.
class StagingFolder {
public:
    StagingFolder() = default;
    StagingFolder(const StagingFolder&) = delete;
    StagingFolder& operator=(const StagingFolder&) = delete;
    ~StagingFolder();

    // False (after one line on standard error) when it cannot be made.
    bool Make(const std::filesystem::path& outDir);
    const std::filesystem::path& Path() const { return path_; }

    // Writes `bytes` to `relative` under the folder (making the folders on
    // the way, mode 0755) with mode 0755 when `executable`, else 0644.
    bool Write(const std::string& relative, const std::string& bytes, bool executable = false);
    // Copies the game in `gameFolder` to `relative`: every file as it is,
    // mode 0644, folders 0755, except that of the game's save/ folder only
    // the two flag-data files the player starts from go along. Adds the
    // bytes copied to `bytes`.
    bool CopyGame(const std::filesystem::path& gameFolder, const std::string& relative,
                  uint64_t& bytes);

private:
    std::filesystem::path path_;
};

// Runs `dpkg-deb --root-owner-group --build` on `root`, writing `deb`
// (through a temporary name in the same folder, so that `deb` appears only
// whole). dpkg-deb's own messages go to standard error.
bool BuildDeb(const std::filesystem::path& root, const std::filesystem::path& deb);

} // namespace vnscript
