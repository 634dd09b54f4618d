// Entry point of vnplay: the player with the assertions compiled out.
#include "player/Clock.h"
#include "player/PlayerProgram.h"
#include "player/VNPlayer.h"

int main(int argc, char** argv) {
    static constexpr const char* kUsage =
        "usage: vnplay [GAME_FOLDER]\n"
        "       vnplay --help | --version\n"
        "Plays the game in GAME_FOLDER (default: the current folder): event/start.evt,\n"
        "save/global.flg, save/local.flg and an optional game.ini. The exit status is\n"
        "1 when the game could not start or save/global.flg could not be written.\n";
    return RunPlayerProgram(argc, argv, PlayerEdition::Play, {"vnplay", kUsage},
                            [](const std::string& folder, uint32_t seed) {
                                SteadyClock clock;
                                VNPlayer player(PlayerEdition::Play, folder, clock, seed);
                                return player.Run();
                            });
}
