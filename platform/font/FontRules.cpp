#include "platform/font/FontRules.h"

#include <cstring>
#include <fontconfig/fontconfig.h>

namespace platform {

namespace {

struct FaceRule {
    const char* original;
    const char* installed;
};

// Debian's fonts carry no aliases for these names, and fontconfig's default
// answer for them is a face without Japanese glyphs.
constexpr FaceRule faceRules[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ 明朝", "IPAMincho"},
};

constexpr const char rulesXml[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test name="family" qual="any"><string>ＭＳ Ｐゴシック</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAPGothic</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any"><string>ＭＳ ゴシック</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAGothic</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any"><string>ＭＳ Ｐ明朝</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAPMincho</string></edit>
  </match>
  <match target="pattern">
    <test name="family" qual="any"><string>ＭＳ 明朝</string></test>
    <edit name="family" mode="assign" binding="strong"><string>IPAMincho</string></edit>
  </match>
</fontconfig>
)";

} // namespace

bool LoadFaceNameRules() {
    static const bool loaded = [] {
        FcConfig* config = FcConfigGetCurrent(); // initialises fontconfig
        return config && FcConfigParseAndLoadFromMemory(
                             config, reinterpret_cast<const FcChar8*>(rulesXml), FcTrue) == FcTrue;
    }();
    return loaded;
}

const char* SubstituteFace(const char* utf8Face) {
    for (const FaceRule& rule : faceRules)
        if (std::strcmp(rule.original, utf8Face) == 0)
            return rule.installed;
    return utf8Face;
}

} // namespace platform
