#include "player/PlayerSettings.h"

#include "player/SaveFolderText.h"

#include <array>

namespace {

constexpr std::string_view kVersionKey = "version";
// Far beyond any real settings file.
constexpr size_t kLargestFile = 64 * 1024;

// One known key: its name, the member it fills and the values it takes.
struct Key {
    std::string_view name;
    int32_t PlayerSettings::*number;
    bool PlayerSettings::*flag;
    int32_t high;
};

constexpr std::array kKeys = {
    Key{"music_volume", &PlayerSettings::musicVolume, nullptr, PlayerSettings::kMaxVolume},
    Key{"effect_volume", &PlayerSettings::effectVolume, nullptr, PlayerSettings::kMaxVolume},
    Key{"voice_volume", &PlayerSettings::voiceVolume, nullptr, PlayerSettings::kMaxVolume},
    Key{"message_speed", &PlayerSettings::messageSpeed, nullptr, 2},
    Key{"auto_wait_per_char", &PlayerSettings::autoWaitPerChar, nullptr,
        PlayerSettings::kMaxAutoWaitPerChar},
    Key{"skip_read_only", nullptr, &PlayerSettings::skipReadOnly, 1},
    Key{"full_screen", nullptr, &PlayerSettings::fullScreen, 1},
    Key{"read_aloud", nullptr, &PlayerSettings::readAloud, 1},
};

const Key* FindKey(std::string_view name) {
    for (const Key& key : kKeys) {
        if (key.name == name) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace

std::string SettingsToText(const PlayerSettings& settings) {
    std::string text = std::string(kVersionKey) + "=" + std::to_string(PlayerSettings::kVersion);
    text += '\n';
    for (const Key& key : kKeys) {
        const int32_t value = key.number ? settings.*key.number : int32_t{settings.*key.flag};
        text += std::string(key.name) + "=" + std::to_string(value) + "\n";
    }
    for (const auto& [name, value] : settings.unknown) {
        text += name + "=" + value + "\n";
    }
    return text;
}

bool SettingsFromText(std::string_view text, PlayerSettings& settings) {
    PlayerSettings read;
    bool versionSeen = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return false; // cut off in the middle of a line
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0 ||
            line.find('\r') != std::string_view::npos) {
            return false;
        }
        const std::string_view name = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (!versionSeen) {
            // The first line names the format; another version is not ours.
            if (name != kVersionKey || ParseDecimal(value, 1, 1) != PlayerSettings::kVersion) {
                return false;
            }
            versionSeen = true;
            continue;
        }
        const Key* key = FindKey(name);
        if (!key) {
            read.unknown.emplace_back(name, value);
            continue;
        }
        const std::optional<long long> number = ParseDecimal(value, 0, key->high);
        if (!number) {
            return false;
        }
        if (key->number) {
            read.*key->number = static_cast<int32_t>(*number);
        } else {
            read.*key->flag = *number != 0;
        }
    }
    if (!versionSeen) {
        return false;
    }
    settings = std::move(read);
    return true;
}

PlayerSettings ReadSettingsFile(const std::string& path) {
    PlayerSettings settings;
    if (const std::optional<std::string> text = ReadSaveFolderText(path, kLargestFile)) {
        SettingsFromText(*text, settings);
    }
    return settings;
}

bool WriteSettingsFile(const std::string& path, const PlayerSettings& settings) {
    return WriteSaveFolderText(path, SettingsToText(settings));
}
