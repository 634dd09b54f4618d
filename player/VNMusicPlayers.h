// The game's three music players: CD audio, MIDI and MP3. Each may exist
// once at a time (a second one is a programming error), plays on a slot of
// the sound output of its own, and stops its sound when it goes away. The
// mixer repeats a looping piece by itself, so no notice of a piece's end is
// needed to start it again.
#pragma once

#include "platform/SoundOutput.h"

#include <cstdint>
#include <string>

// CD audio from ripped track files in the game's cdda/ folder.
class VNCDPlayer {
public:
    VNCDPlayer(platform::SoundOutput& output, std::string gameFolder);
    ~VNCDPlayer();
    VNCDPlayer(const VNCDPlayer&) = delete;
    VNCDPlayer& operator=(const VNCDPlayer&) = delete;

    // Plays the whole of track `track` (up to where the next track begins),
    // again and again when `loop`. A track without a file is silent.
    void Play(int32_t track, bool loop);
    void Stop();

    // The file of a track: cdda/trackNN, trackN or "track N" (NN two
    // digits) with the extension ogg, flac, mp3 or wav, in any letter case;
    // "" when there is none.
    std::string TrackFile(int32_t track) const;

private:
    platform::SoundOutput& output_;
    std::string gameFolder_;
};

class VNMidiPlayer {
public:
    explicit VNMidiPlayer(platform::SoundOutput& output);
    ~VNMidiPlayer();
    VNMidiPlayer(const VNMidiPlayer&) = delete;
    VNMidiPlayer& operator=(const VNMidiPlayer&) = delete;

    // Stops what plays, then plays `path` (native), looping when `loop`.
    void Play(const std::string& path, bool loop);
    void Stop();

private:
    platform::SoundOutput& output_;
};

class VNMP3Player {
public:
    explicit VNMP3Player(platform::SoundOutput& output);
    ~VNMP3Player();
    VNMP3Player(const VNMP3Player&) = delete;
    VNMP3Player& operator=(const VNMP3Player&) = delete;

    // Stops what plays, then plays `path` (native), always looping.
    void Play(const std::string& path);
    void Stop();

private:
    platform::SoundOutput& output_;
};
