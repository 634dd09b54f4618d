// The SoundFont MIDI music is rendered with. A game may ship its own .sf2 or
// .sf3 file in its midi folder, which then wins (the first by name);
// otherwise the system's General MIDI SoundFont is used. The mixer loads a
// missing SoundFont without a word and stays silent, so only files that
// exist are chosen.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Debian's General MIDI SoundFonts, in order of preference.
std::vector<std::string> SystemSoundFonts();

// The game's own SoundFont in `midiFolder` (a native path, may be missing),
// else the first of `system` that exists; "" when there is none.
std::string ChooseSoundFont(const std::string& midiFolder,
                            const std::vector<std::string>& system = SystemSoundFonts());

} // namespace platform
