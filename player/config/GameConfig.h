// The settings a game gives in its game.ini, section "game". Every key is
// optional; a missing file or key keeps the default below.
#pragma once

#include "graphics/MessageStyle.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <string>

class IniFile;

struct GameConfig {
    VNString title{u8"player"};
    int32_t useDirectDraw = 0; // kept for old games; drawing never depends on it
    int32_t windowWidth = 640;
    int32_t windowHeight = 480;
    VNString msgFontName{u8"ＭＳ Ｐゴシック"};
    int32_t msgFontWidth = 12;
    int32_t msgFontHeight = 24;
    int32_t msgLineMargin = 2;
    int32_t msgColorR = 255, msgColorG = 255, msgColorB = 255;
    int32_t msgShadowShift = 1;
    int32_t msgShadowR = 0, msgShadowG = 0, msgShadowB = 0;
    int32_t msgSelectedR = 255, msgSelectedG = 32, msgSelectedB = 255;
    int32_t msgUnselectedR = 128, msgUnselectedG = 128, msgUnselectedB = 128;
    int32_t msgAreaLeft = 19, msgAreaTop = 335, msgAreaWidth = 601, msgAreaHeight = 131;
    VNString msgBoxImage{u8"none"};
    VNString msgBoxImageMask;
    int32_t msgBoxImageLeft = 14, msgBoxImageTop = 330;
    int32_t msgBoxGradFrameWidth = 5, msgBoxGradFrameHeight = 5;
    int32_t msgBoxGradStartR = 95, msgBoxGradStartG = 88, msgBoxGradStartB = 191;
    int32_t msgBoxGradStartA = 220;
    int32_t msgBoxGradEndR = 207, msgBoxGradEndG = 207, msgBoxGradEndB = 255;
    int32_t msgBoxGradEndA = 220;
    int32_t bkColorVisible = 0; // kept for old games; nothing depends on it
    int32_t msgKinsoku = 0;     // 1: Japanese line-breaking rules, 2: also hanging 、。

    // Reads every key, in the order of the table, from section "game".
    void Read(const IniFile& ini);

    // The message font's face name as UTF-8, as the font lookup takes it.
    std::string MessageFaceUtf8() const;
};

// Where and how message text is laid out: the message settings, each kept
// far from the ends of the integer range so that sums of them cannot overflow.
MessageStyle MessageStyleOf(const GameConfig& config);
// A position or size of the message settings within that range.
int32_t MessageGeometry(int32_t value);
