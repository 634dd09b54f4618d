// The player's own settings of one game, kept in save/settings.txt: the
// volumes of music, sound effects and voices, the message speed, the auto
// mode's wait per character, "既読のみスキップ" and starting in full screen.
//
// The file is text, one "key=value" line each, so that a later setting is a
// new key: a key this version does not know is kept as it is and written
// back. A file that is damaged (a line that is not key=value, a value out of
// range, no final line break) counts as missing and gives the defaults; the
// next save writes it whole. A game whose player never changes a setting
// never gets the file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct PlayerSettings {
    // The format's version, the file's first line.
    static constexpr int kVersion = 1;
    static constexpr int32_t kMaxVolume = 100;
    static constexpr int32_t kMaxAutoWaitPerChar = 1000;

    int32_t musicVolume = kMaxVolume; // 0 to 100, percent of full volume
    int32_t effectVolume = kMaxVolume;
    int32_t voiceVolume = kMaxVolume;
    int32_t messageSpeed = 1; // as the menu: 0 high, 1 normal, 2 low
    // Milliseconds the auto mode waits per character of the page, on top of
    // its fixed wait; 0 keeps the fixed wait alone.
    int32_t autoWaitPerChar = 0;
    bool skipReadOnly = false; // skip stops at a message not read before
    bool fullScreen = false;   // the game starts in full screen
    bool readAloud = false;    // "読み上げ": pages and choices are spoken
    // Lines of keys this version does not know, kept in their order.
    std::vector<std::pair<std::string, std::string>> unknown;

    bool operator==(const PlayerSettings&) const = default;
};

// The file's text.
std::string SettingsToText(const PlayerSettings& settings);
// False (and `settings` left alone) when `text` is damaged.
bool SettingsFromText(std::string_view text, PlayerSettings& settings);

// Reads the file at `path`; a missing or damaged file gives the defaults.
PlayerSettings ReadSettingsFile(const std::string& path);
// Writes the file whole or not at all; false when it could not be written.
bool WriteSettingsFile(const std::string& path, const PlayerSettings& settings);
