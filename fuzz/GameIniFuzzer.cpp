// Arbitrary bytes as a game.ini: parsed in every encoding it may be taken
// for, read into the game's settings and the message style made of them, and
// every string handed out stays within its bound.
#include "player/config/GameConfig.h"
#include "player/config/IniFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    IniFile ini;
    ini.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    GameConfig config;
    config.Read(ini);
    (void)MessageStyleOf(config);
    (void)config.MessageFaceUtf8();
    if (config.title.GetByteLength() > static_cast<int32_t>(IniFile::kMaxStringBytes))
        std::abort();
    return 0;
}
