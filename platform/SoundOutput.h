// The player's sound on SDL2_mixer: seven slots that play independently of
// one another, each at most one sound at a time (a new sound on a slot
// replaces the old one at once).
//
// SDL2_mixer has a single streamed "music" channel; MIDI uses it, since
// FluidSynth renders MIDI as it plays. Every other slot plays a chunk on a
// mixing channel reserved for it, decoded in full before it sounds. Opening
// the device and every decode happen on background threads, so neither a
// missing device nor a five-minute piece holds up the caller: Play and Stop
// return at once. Without a device (no sound card, a server, CI) everything
// is silent and nothing waits.
#pragma once

#include <memory>
#include <string>

namespace platform {

enum class SoundSlot : int {
    Wave,         // pcm/ sound effects
    CdAudio,      // ripped CD tracks
    Midi,         // midi/ music (the streamed channel)
    Mp3,          // mp3/ music
    VorbisMusic,  // vorbis/ channel 0
    VorbisVoice,  // vorbis/ channel 1
    VorbisEffect, // vorbis/ channel 2
};
inline constexpr int kSoundSlotCount = 7;

enum class SoundDevice { Opening, Open, Unavailable };

// What one slot is doing.
struct SoundSlotState {
    std::string path;      // the file asked for last; empty after Stop
    bool loop = false;     // it starts again whenever it ends
    bool sounding = false; // the mixer is playing it now
    int starts = 0;        // sounds this slot has handed to the mixer so far
    int volume = 100;      // percent of full volume
};

class SoundOutput {
public:
    // Starts opening the default audio device in the background.
    // `soundFont` is the SoundFont file MIDI music is rendered with ("" for
    // none: MIDI is then silent).
    explicit SoundOutput(std::string soundFont);
    // Stops every slot, lets loads in progress give up and closes the device.
    ~SoundOutput();
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;

    // Replaces what `slot` plays with the file at `path` (a native path),
    // played once or looping. The file sounds as soon as it is decoded,
    // unless another request for the slot came first; a file that is
    // missing or does not decode stays silent.
    void Play(SoundSlot slot, const std::string& path, bool loop);
    void Stop(SoundSlot slot);
    // The slot's volume in percent (0 to 100, full at start), for what it
    // plays now and what it plays later.
    void SetVolume(SoundSlot slot, int percent);

    // Waits at most `timeoutMs` for the device to open or to be found
    // missing, and says which.
    SoundDevice WaitForDevice(int timeoutMs) const;
    SoundSlotState State(SoundSlot slot) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
