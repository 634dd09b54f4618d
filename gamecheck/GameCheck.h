// `vnscript check`: a game folder read as the player would read it, with
// every mistake that would stop the player (errors) and every likely slip
// (warnings) found before anyone plays.
//
// It reads every event file under event/ and the two flag-data files under
// save/, follows the game from start.evt through its jumps, and judges each
// event by the player's own rules: labels, parameters, option values, the
// pictures under cg/ through the player's image readers, the sound files.
#pragma once

#include "gamecheck/Finding.h"

#include <string>
#include <vector>

namespace gamecheck {

struct CheckResult {
    bool isGame = true;            // false when the folder is no game folder at all
    std::string notGameReason;     // why, for the message
    std::vector<Finding> findings; // sorted for printing

    int32_t Errors() const;
};

// `folder` is a native path, "" for the current folder.
CheckResult CheckGame(const std::string& folder);

} // namespace gamecheck
