// A small clean game folder and a table of single mistakes to plant in it,
// shared by the tests of `vnscript check` and by the test that runs the
// player on the same folders. No toolkit.
//
// The game is kept as script text: each line is one event, so the line of a
// text is the event's number. A planted mistake replaces one line, or
// changes the folder otherwise (a file removed, damaged or added).
#pragma once

#include "gamecheck/Finding.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace checkgames {

// Writes the clean game into `root` (which must exist): event/start.evt and
// event/second.evt from their script text, save/global.flg and
// save/local.flg, the pictures under cg/ and the sound files. `line` and
// `text`, when given, replace that line of that event file first.
void WriteGame(const std::filesystem::path& root, const std::string& file = {}, int32_t line = 0,
               const std::string& text = {});

// One planted mistake and what it must give.
struct Plant {
    const char* what = "";
    // The line replaced ("" for none), its number and its new text (UTF-8).
    const char* file = "";
    int32_t line = 0;
    const char* text = "";
    // Another change to the folder after it is written (may be empty).
    std::function<void(const std::filesystem::path&)> alter;

    // The one finding expected.
    gamecheck::Severity severity = gamecheck::Severity::Error;
    gamecheck::Kind kind = gamecheck::Kind::Option;
    const char* findingFile = ""; // relative to the game folder
    int32_t findingLine = 0;      // 0 for the whole file

    // The player's report when it stops on this mistake (its dialog
    // template), or null when the player does not stop.
    const char* report = nullptr;
    // Where the player stops when that is not the finding's place: the
    // event file name (as the report shows it) and the line; an empty name
    // for a report made before any event ran.
    const char* stopFile = nullptr;
    int32_t stopLine = 0;
    // What the player takes in second.evt's choices: in the button choice,
    // and in the text choice when the mistake is planted there, the choice
    // or button counted from 1, or -1 for the right button. Otherwise the
    // text choice takes its first line.
    int32_t choice = 1;

    // Builders for the table.
    Plant Finds(gamecheck::Severity s, gamecheck::Kind k, const char* f, int32_t l) && {
        severity = s;
        kind = k;
        findingFile = f;
        findingLine = l;
        return std::move(*this);
    }
    Plant Stops(const char* r, const char* f = nullptr, int32_t l = 0) && {
        report = r;
        stopFile = f;
        stopLine = l;
        return std::move(*this);
    }
    Plant Choosing(int32_t c) && {
        choice = c;
        return std::move(*this);
    }
};

const std::vector<Plant>& Plants();

// Writes the clean game with the mistake planted.
void WritePlanted(const std::filesystem::path& root, const Plant& plant);

} // namespace checkgames
