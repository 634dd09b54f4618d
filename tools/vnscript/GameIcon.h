// The icon of an exported game: its first background picture, or a drawn
// picture when it has none the player could show.
#pragma once

#include "graphics/Surface.h"

#include <cstdint>
#include <string>

namespace vnscript {

// The picture start.evt shows first as its background, as a native path
// under the game's cg/ folder; empty when start.evt cannot be read or shows
// no background picture.
std::string FirstBackground(const std::string& gameFolder);

// `icon` as a `side` x `side` picture of `source`: its largest centred
// square, each icon pixel the average of the source pixels it covers.
// False when `icon` cannot be made.
bool ScaleToIcon(const Surface& source, int32_t side, Surface& icon);

// A drawn icon: a sky gradient in the player's message box colours over a
// message box with lines of text.
bool DrawDefaultIcon(int32_t side, Surface& icon);

// The icon of the game in `gameFolder`; tells in `from` which picture it
// was made of ("" for the drawn one).
bool MakeGameIcon(const std::string& gameFolder, int32_t side, Surface& icon, std::string& from);

} // namespace vnscript
