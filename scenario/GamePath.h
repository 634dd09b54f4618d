// Native paths for the file names that game data holds.
//
// Game data names files the Windows way: Shift-JIS text with "\" between
// folders, in any letter case. GamePath converts the name to UTF-8 through
// its wide form (so the second byte 0x5C of a double-byte character is never
// a separator), turns "\" into "/" and joins it to `folder`. When that exact
// path does not exist, each component is looked up without regard to letter
// case (ASCII, full-width Latin, Greek and Cyrillic letters, the letters that
// Shift-JIS holds); a component with no match is kept as written.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// `folder` is a native path ("" for the current directory); the result is
// `folder` itself when `name` is empty.
std::string GamePath(std::string_view folder, const VNString& name);

// The UTF-8 form of a Shift-JIS name with "\" turned into "/". Bytes that are
// not valid Shift-JIS are kept as they are.
std::string NativeName(const VNString& name);

// The names a ripped CD track may have in the game's cdda folder, in the
// order the player tries them ("cdda\\track03.ogg" first): the stems
// trackNN (two digits at least), trackN and "track N", each with the
// extensions ogg, flac, mp3 and wav. None for a track of 0 or below.
std::vector<VNString> CdTrackNames(int32_t track);
