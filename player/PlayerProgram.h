// What vnplay and vnprobe do before their game starts: the standard options,
// the toolkit with the player's resources, and the optional game folder.
#pragma once

#include "player/ReportTexts.h"
#include "scenario/CommandLine.h"

#include <cstdint>
#include <functional>
#include <string>

// Returns the exit status: 1 for a bad command line, else what `play` says
// of the game in `folder` (0 when it ended well). `seed` starts RAND.
int RunPlayerProgram(int argc, char** argv, PlayerEdition edition, const vn::ProgramText& text,
                     const std::function<bool(const std::string& folder, uint32_t seed)>& play);
