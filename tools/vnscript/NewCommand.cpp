// vnscript new: a small game that plays from start to end, made in a new or
// empty folder, for an author to change. Its event files are compiled and
// its flag-data files made by the code of compile and mkflg, from the texts
// it leaves beside them.
#include "tools/vnscript/Commands.h"
#include "tools/vnscript/NewGamePictures.h"
#include "tools/vnscript/NewGameTexts.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace vnscript {
namespace {

// Smaller windows would need a message font too small to read.
constexpr int32_t kMinWidth = 320;
constexpr int32_t kMinHeight = 240;
constexpr int32_t kMaxSide = 8192;

struct Size {
    int32_t width = 640;
    int32_t height = 480;
};

bool ParseSide(std::string_view text, int32_t least, int32_t& side) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), side);
    return error == std::errc() && end == text.data() + text.size() && side >= least &&
           side <= kMaxSide;
}

bool ParseSize(const std::string& text, Size& size) {
    const size_t x = text.find('x');
    return x != std::string::npos &&
           ParseSide(std::string_view(text).substr(0, x), kMinWidth, size.width) &&
           ParseSide(std::string_view(text).substr(x + 1), kMinHeight, size.height);
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file && file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) &&
        file.flush())
        return true;
    Fail("cannot write \"" + path.string() + "\": " + std::strerror(errno));
    return false;
}

// The message settings scale with the window, so that the message box keeps
// its place at the foot of any screen and holds the same text; 640x480
// gives the player's defaults.
std::string IniText(const std::string& sjisTitle, Size size) {
    const int32_t w = size.width, h = size.height;
    const auto across = [w](int32_t value) { return std::to_string(value * w / 640); };
    const auto down = [h](int32_t value) { return std::to_string(value * h / 480); };
    return "[game]\r\nTitle=" + sjisTitle + "\r\nWindowWidth=" + std::to_string(w) +
           "\r\nWindowHeight=" + std::to_string(h) + "\r\nMsgFontWidth=" + across(12) +
           "\r\nMsgFontHeight=" + down(24) + "\r\nMsgLineMargin=" + down(2) +
           "\r\nMsgAreaLeft=" + across(19) + "\r\nMsgAreaTop=" + down(335) +
           "\r\nMsgAreaWidth=" + across(601) + "\r\nMsgAreaHeight=" + down(131) + "\r\n";
}

// A folder new may fill: one that does not exist yet, or an empty one.
bool FolderIsFree(const fs::path& folder) {
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::exists(status))
        return true;
    if (!fs::is_directory(status))
        Fail("\"" + folder.string() + "\" exists and is not a folder");
    else if (!fs::is_empty(folder, error) || error)
        Fail("\"" + folder.string() +
             "\" exists and is not empty; new makes a game only in a new or empty folder");
    else
        return true;
    return false;
}

// A script text written beside its event file, and compiled strictly.
bool WriteScript(const fs::path& event, const char* name, const char* utf8) {
    const fs::path text = event / (std::string(name) + ".txt");
    std::string sjis, error;
    return WriteFile(text, utf8) && DecodeText(utf8, Encoding::Utf8, sjis, error) &&
           CompileScript(sjis, text.string(), (event / (std::string(name) + ".evt")).string(),
                         true) == 0;
}

bool WritePictures(const fs::path& cg, Size size) {
    Picture figure, mask;
    DrawFigure(size.height, figure, mask);
    return WriteFile(cg / "sky.bmp", BmpFile(DrawSky(size.width, size.height))) &&
           WriteFile(cg / "figure.bmp", BmpFile(figure)) &&
           WriteFile(cg / "figure_mask.bmp", BmpFile(mask));
}

} // namespace

int RunNew(const Options& options) {
    const fs::path folder = options.files[0];
    Size size;
    if (!options.size.empty() && !ParseSize(options.size, size))
        return Fail("--size takes WIDTHxHEIGHT, at least " + std::to_string(kMinWidth) + "x" +
                    std::to_string(kMinHeight) + " and at most " + std::to_string(kMaxSide) +
                    " pixels a side, such as 800x600");
    std::string title, error;
    if (!DecodeText(options.title.empty() ? "New game" : options.title, Encoding::Utf8, title,
                    error))
        return Fail("--title: " + error);
    if (title.find_first_of("\r\n") != std::string::npos)
        return Fail("--title: the title must be one line");
    if (!FolderIsFree(folder))
        return 1;
    std::error_code made;
    for (const char* sub : {"event", "save", "cg"})
        if (fs::create_directories(folder / sub, made); made)
            return Fail("cannot make \"" + (folder / sub).string() + "\": " + made.message());
    const std::string globalFlg = (folder / "save" / "global.flg").string();
    const std::string localFlg = (folder / "save" / "local.flg").string();
    const bool done = WriteFile(folder / "game.ini", IniText(title, size)) &&
                      WriteScript(folder / "event", "start", kStartScript) &&
                      WriteScript(folder / "event", "second", kSecondScript) &&
                      WriteFlagFile(kGlobalFlags, "global parameters", globalFlg) == 0 &&
                      WriteFlagFile(kLocalFlags, "local parameters", localFlg) == 0 &&
                      WritePictures(folder / "cg", size);
    return done ? 0 : 1;
}

} // namespace vnscript
