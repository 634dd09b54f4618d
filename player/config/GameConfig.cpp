#include "player/config/GameConfig.h"

#include "player/config/IniFile.h"

#include <algorithm>

namespace {

constexpr const char* kSection = "game";

} // namespace

void GameConfig::Read(const IniFile& ini) {
    const auto i = [&ini](const char* key, int32_t& field) {
        field = ini.ReadInt(kSection, key, field);
    };
    const auto s = [&ini](const char* key, VNString& field) {
        field = VNString::FromBytes(ini.ReadString(kSection, key, field.Bytes()));
    };
    s("Title", title);
    i("UseDirectDraw", useDirectDraw);
    i("WindowWidth", windowWidth);
    i("WindowHeight", windowHeight);
    s("MsgFontName", msgFontName);
    i("MsgFontWidth", msgFontWidth);
    i("MsgFontHeight", msgFontHeight);
    i("MsgLineMargin", msgLineMargin);
    i("MsgColorR", msgColorR);
    i("MsgColorG", msgColorG);
    i("MsgColorB", msgColorB);
    i("MsgShadowShift", msgShadowShift);
    i("MsgShadowR", msgShadowR);
    i("MsgShadowG", msgShadowG);
    i("MsgShadowB", msgShadowB);
    i("MsgSelectedR", msgSelectedR);
    i("MsgSelectedG", msgSelectedG);
    i("MsgSelectedB", msgSelectedB);
    i("MsgUnselectedR", msgUnselectedR);
    i("MsgUnselectedG", msgUnselectedG);
    i("MsgUnselectedB", msgUnselectedB);
    i("MsgAreaLeft", msgAreaLeft);
    i("MsgAreaTop", msgAreaTop);
    i("MsgAreaWidth", msgAreaWidth);
    i("MsgAreaHeight", msgAreaHeight);
    s("MsgBoxImage", msgBoxImage);
    s("MsgBoxImageMask", msgBoxImageMask);
    i("MsgBoxImageLeft", msgBoxImageLeft);
    i("MsgBoxImageTop", msgBoxImageTop);
    i("MsgBoxGradFrameWidth", msgBoxGradFrameWidth);
    i("MsgBoxGradFrameHeight", msgBoxGradFrameHeight);
    i("MsgBoxGradStartR", msgBoxGradStartR);
    i("MsgBoxGradStartG", msgBoxGradStartG);
    i("MsgBoxGradStartB", msgBoxGradStartB);
    i("MsgBoxGradStartA", msgBoxGradStartA);
    i("MsgBoxGradEndR", msgBoxGradEndR);
    i("MsgBoxGradEndG", msgBoxGradEndG);
    i("MsgBoxGradEndB", msgBoxGradEndB);
    i("MsgBoxGradEndA", msgBoxGradEndA);
    i("BkColorVisible", bkColorVisible);
    i("MsgKinsoku", msgKinsoku);
}

std::string GameConfig::MessageFaceUtf8() const {
    std::string face;
    if (!msgFontName.ToUtf8(face))
        face = msgFontName.ToUtf8Lossy();
    return face;
}

int32_t MessageGeometry(int32_t value) {
    return std::clamp(value, -(1 << 20), 1 << 20);
}

MessageStyle MessageStyleOf(const GameConfig& c) {
    MessageStyle style;
    style.fontWidth = MessageGeometry(c.msgFontWidth);
    style.fontHeight = MessageGeometry(c.msgFontHeight);
    style.lineMargin = MessageGeometry(c.msgLineMargin);
    style.shadowShift = MessageGeometry(c.msgShadowShift);
    style.areaLeft = MessageGeometry(c.msgAreaLeft);
    style.areaTop = MessageGeometry(c.msgAreaTop);
    style.areaWidth = MessageGeometry(c.msgAreaWidth);
    style.areaHeight = MessageGeometry(c.msgAreaHeight);
    style.lineBreak = LineBreakRuleOf(c.msgKinsoku);
    return style;
}
