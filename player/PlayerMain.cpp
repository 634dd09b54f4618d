// Entry point of vnplay and vnprobe: the same program, built twice. vnprobe
// (VN_PROBE_EDITION) keeps the assertions and has the full menu.
#include "platform/Application.h"
#include "player/Clock.h"
#include "player/VNPlayer.h"
#include "resources/PlayerResources.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

namespace {

#if defined(VN_PROBE_EDITION)
constexpr PlayerEdition kEdition = PlayerEdition::Probe;
constexpr const char* kProgram = "vnprobe";
#else
constexpr PlayerEdition kEdition = PlayerEdition::Play;
constexpr const char* kProgram = "vnplay";
#endif

// Milliseconds of processor time since the process started.
uint32_t ProcessClockMs() {
    return static_cast<uint32_t>(static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC);
}

} // namespace

int main(int argc, char** argv) {
    const uint32_t seed = ProcessClockMs();
    const resources::ResourceSet resourceSet =
        resources::MakePlayerResources(kEdition == PlayerEdition::Probe);
    platform::Application application(argc, argv, resourceSet);

    // The toolkit has taken its own options out of argv; what is left is the
    // optional game folder.
    if (argc > 2 ||
        (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h"))) {
        std::fprintf(stderr,
                     "usage: %s [GAME_FOLDER]\n"
                     "Plays the game in GAME_FOLDER (default: the current folder).\n",
                     kProgram);
        return argc > 2 ? 1 : 0;
    }
    const std::string folder = argc == 2 ? argv[1] : ".";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        std::fprintf(stderr, "%s: %s is not a folder\n", kProgram, folder.c_str());
        return 1;
    }

    SteadyClock clock;
    VNPlayer player(kEdition, folder, clock, seed);
    return player.Run() ? 0 : 1;
}
