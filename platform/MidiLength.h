// The length of a standard MIDI file in ticks, read from its tracks.
//
// FluidSynth, asked to loop a song that lasts no time at all (an empty track,
// or events all at tick 0), restarts it for ever inside one mixing pass and
// never lets the caller have the audio lock again; such a song is played
// once instead. Plain C++, so it is testable without a sound device.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// The tick of the last event of the longest track; -1 when `bytes` is not a
// standard MIDI file this reader can walk (damaged, or another format).
int64_t MidiLengthInTicks(std::string_view bytes);

} // namespace platform
