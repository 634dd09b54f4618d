// The game's sound: the output with its wave and Vorbis channels, the CD,
// MIDI and MP3 music players, and the music a save records.
#pragma once

#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <string>

class PlayerContext;
struct PlayerSettings;
class VNCDPlayer;
class VNMidiPlayer;
class VNMP3Player;
struct VNSaveRecord;
namespace platform {
class SoundOutput;
}

class GameSound {
public:
    explicit GameSound(PlayerContext& context);
    ~GameSound();
    GameSound(const GameSound&) = delete;
    GameSound& operator=(const GameSound&) = delete;

    // The device opens in the background: a game without one plays silently.
    // The settings' volumes apply from the start.
    void Start();
    // The music, effect and voice volumes of `settings` on their slots.
    void ApplyVolumes(const PlayerSettings& settings);
    void StopWave();
    // Each music player stops its sound first; the Vorbis channels stop
    // with the output.
    void End();

    // The pcm event: `file` in pcm\ (empty: stop).
    void PlayWave(const VNString& file, bool loop);
    // The vorbis event on `channel` (0 music, 1 voice, 2 effect): `file` in
    // vorbis\ (empty: stop).
    void PlayVorbis(int32_t channel, const VNString& file, bool loop);
    // CD track `track` (0: stop), from its start to the next one's, looping.
    bool PlayCdTrack(int32_t track);
    // `file` in midi\ or mp3\ (empty: stop); false when the current folder
    // cannot be read.
    bool PlayMidi(const VNString& file, bool loop);
    bool PlayMp3(const VNString& file);
    // After a load: the saved music starts at once, without its fades.
    void RestartMusic(const VNSaveRecord& record);

    // The output (after Start) and the music a save records: the CD track
    // (0 none) and the MIDI and MP3 files as the events name them.
    platform::SoundOutput* Output() const { return sound_.get(); }
    int32_t CdTrack() const { return cdTrack_; }
    const VNString& MidiFile() const { return midiFile_; }
    const VNString& Mp3File() const { return mp3File_; }

private:
    // The absolute native path of a game file; false when the current folder
    // cannot be read.
    bool FullGamePath(const VNString& name, std::string& path) const;

    PlayerContext& context_;
    std::unique_ptr<platform::SoundOutput> sound_;
    std::unique_ptr<VNCDPlayer> cdPlayer_;
    std::unique_ptr<VNMidiPlayer> midiPlayer_;
    std::unique_ptr<VNMP3Player> mp3Player_;
    int32_t cdTrack_ = 0;
    VNString midiFile_;
    VNString mp3File_;
};
