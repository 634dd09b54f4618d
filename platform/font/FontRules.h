// Font face rules loaded at start-up: the face names the dialogs and the
// game data ask for ("ＭＳ Ｐゴシック", "ＭＳ ゴシック", "ＭＳ Ｐ明朝",
// "ＭＳ 明朝") are mapped to the IPA faces, which cover Japanese.
#pragma once

namespace platform {

// Loads the rules into the current fontconfig configuration (once per
// process). False when fontconfig refused them.
bool LoadFaceNameRules();

// The installed face that stands for an original face name ("ＭＳ ゴシック"
// -> "IPAGothic"), or the name itself when no rule maps it. UTF-8.
const char* SubstituteFace(const char* utf8Face);

} // namespace platform
