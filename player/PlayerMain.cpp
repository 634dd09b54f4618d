// Entry point of vnplay and vnprobe: the same program, built twice. vnprobe
// (VN_PROBE_EDITION) keeps the assertions and has the full menu.
#include "platform/Application.h"
#include "player/Clock.h"
#include "player/VNPlayer.h"
#include "resources/PlayerResources.h"
#include "scenario/CommandLine.h"

#if defined(VN_PROBE_EDITION)
#include "debugger/VNDDebug.h"
#include "tools/vnscript/check/ImageFindings.h"
#endif

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

#if defined(VN_PROBE_EDITION)
constexpr PlayerEdition kEdition = PlayerEdition::Probe;
constexpr const char* kProgram = "vnprobe";
constexpr const char* kUsage =
    "usage: vnprobe [GAME_FOLDER]\n"
    "       vnprobe --help | --version\n"
    "Plays the game in GAME_FOLDER (default: the current folder) with the debug\n"
    "window, which starts paused: step through events, jump, edit the next event\n"
    "and change parameters.\n";
#else
constexpr PlayerEdition kEdition = PlayerEdition::Play;
constexpr const char* kProgram = "vnplay";
constexpr const char* kUsage =
    "usage: vnplay [GAME_FOLDER]\n"
    "       vnplay --help | --version\n"
    "Plays the game in GAME_FOLDER (default: the current folder): event/start.evt,\n"
    "save/global.flg, save/local.flg and an optional game.ini. The exit status is\n"
    "1 when the game could not start or save/global.flg could not be written.\n";
#endif

// Milliseconds of processor time since the process started.
uint32_t ProcessClockMs() {
    return static_cast<uint32_t>(static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC);
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = vn::AnswerStandardOptions(argc, argv, {kProgram, kUsage}))
        return *status;
    const uint32_t seed = ProcessClockMs();
    const resources::ResourceSet resourceSet =
        resources::MakePlayerResources(kEdition == PlayerEdition::Probe);
    platform::Application application(argc, argv, resourceSet);

    // The toolkit has taken its own options out of argv; what is left is the
    // optional game folder.
    const std::vector<std::string> args = vn::ProgramArguments(argc, argv);
    if (args.size() > 1) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    const std::string folder = args.empty() ? "." : args.front();
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "%s: %s is not a folder\n", kProgram, folder.c_str());
        return 1;
    }

    SteadyClock clock;
#if defined(VN_PROBE_EDITION)
    // The debug window outlives the player, which ends it at its tear-down.
    VNDDebug debug(folder);
    VNPlayer player(kEdition, folder, clock, seed);
    player.SetDebugLink(&debug);
    // The image report explains a failed picture in the words of the check.
    player.SetImageExplainer([folder](const VNString& image, const VNString& mask) {
        return gamecheck::ExplainImageLoad(folder, image, mask);
    });
#else
    VNPlayer player(kEdition, folder, clock, seed);
#endif
    return player.Run() ? 0 : 1;
}
