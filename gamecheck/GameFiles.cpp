#include "gamecheck/GameFiles.h"

#include "scenario/GamePath.h"
#include "scenario/ShiftJis.h"

#include <sys/stat.h>

#include <filesystem>

namespace gamecheck {
namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string WithoutTrailingSlashes(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace

GameFiles::GameFiles(std::string folder) : folder_(WithoutTrailingSlashes(std::move(folder))) {}

std::string GameFiles::Relative(const std::string& path) const {
    if (folder_.empty())
        return path;
    const std::string prefix = folder_ == "/" ? folder_ : folder_ + "/";
    return path.compare(0, prefix.size(), prefix) == 0 ? path.substr(prefix.size()) : path;
}

const GameFiles::Name& GameFiles::Resolve(const VNString& name) {
    const auto [it, inserted] = names_.try_emplace(name.Bytes());
    Name& found = it->second;
    if (!inserted)
        return found;
    const std::string native = NativeName(name);
    const std::string exact =
        folder_.empty() ? native : (folder_ == "/" ? folder_ : folder_ + "/") + native;
    if (Exists(exact)) {
        found.path = exact;
        found.exists = true;
    } else {
        found.path = GamePath(folder_, name);
        found.exists = Exists(found.path);
        found.caseDiffers = found.exists;
    }
    found.relative = Relative(found.path);
    return found;
}

const ImageFacts& GameFiles::Probe(const std::string& path) {
    const auto [it, inserted] = images_.try_emplace(path);
    if (inserted)
        it->second = ProbeImageFile(path.c_str());
    return it->second;
}

bool GameFiles::HasFolder(const char* name) {
    return IsDirectory(GamePath(folder_, VNString(name)));
}

void GameFiles::ForEachEntry(const char* name,
                             const std::function<void(const std::string&)>& visit) {
    namespace fs = std::filesystem;
    const std::string root = GamePath(folder_, VNString(name));
    if (!IsDirectory(root))
        return;
    std::error_code error;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error))
        visit(it->path().string());
}

bool NameHasShiftJisForm(const std::string& native) {
    std::u16string wide;
    std::string sjis;
    if (!vn::sjis::Utf8ToWide(native, wide) || !vn::sjis::FromWide(wide, sjis))
        return false;
    return NativeName(VNString::FromBytes(sjis)) == native;
}

} // namespace gamecheck
