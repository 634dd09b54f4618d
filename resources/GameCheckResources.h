// The findings list of the game check, shared by vnprobe ("ゲームのチェック"
// in its debug menu) and vnevedit ("このファイルをチェック").
#pragma once

#include "resources/Resource.h"

namespace resources {

// Control ids of IDD_GAMECHECK; "閉じる" is IDCANCEL, so Escape closes it.
namespace check_id {
constexpr int Heading = 2150; // how many errors and warnings
constexpr int List = 2151;    // one line per finding
constexpr int Open = 2152;    // goes to the selected finding's event
} // namespace check_id

// Adds the template IDD_GAMECHECK to `set`.
void AddGameCheckResources(ResourceSet& set);

} // namespace resources
