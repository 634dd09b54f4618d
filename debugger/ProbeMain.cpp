// Entry point of vnprobe: the player with its assertions kept, the full
// menu and the debug window.
#include "debugger/VNDDebug.h"
#include "gamecheck/ImageFindings.h"
#include "player/Clock.h"
#include "player/PlayerProgram.h"
#include "player/VNPlayer.h"

int main(int argc, char** argv) {
    static constexpr const char* kUsage =
        "usage: vnprobe [GAME_FOLDER]\n"
        "       vnprobe --help | --version\n"
        "Plays the game in GAME_FOLDER (default: the current folder) with the debug\n"
        "window, which starts paused: step through events, jump, edit the next event\n"
        "and change parameters.\n";
    return RunPlayerProgram(argc, argv, PlayerEdition::Probe, {"vnprobe", kUsage},
                            [](const std::string& folder, uint32_t seed) {
                                SteadyClock clock;
                                // The debug window outlives the player, which ends it at its
                                // tear-down.
                                VNDDebug debug(folder);
                                VNPlayer player(PlayerEdition::Probe, folder, clock, seed);
                                player.SetDebugLink(&debug);
                                // The image report explains a failed picture in the words of the
                                // check.
                                player.SetImageExplainer(
                                    [folder](const VNString& image, const VNString& mask) {
                                        return gamecheck::ExplainImageLoad(folder, image, mask);
                                    });
                                return player.Run();
                            });
}
