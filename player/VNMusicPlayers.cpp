#include "player/VNMusicPlayers.h"

#include "scenario/GamePath.h"
#include "scenario/VNAssert.h"

#include <filesystem>

using platform::SoundSlot;

namespace {

// How many of each player exist; at most one.
int cdPlayers = 0;
int midiPlayers = 0;
int mp3Players = 0;

} // namespace

VNCDPlayer::VNCDPlayer(platform::SoundOutput& output, std::string gameFolder)
    : output_(output), gameFolder_(std::move(gameFolder)) {
    VN_ASSERT(cdPlayers == 0);
    ++cdPlayers;
}

VNCDPlayer::~VNCDPlayer() {
    Stop();
    --cdPlayers;
}

void VNCDPlayer::Play(int32_t track, bool loop) {
    const std::string file = TrackFile(track);
    if (file.empty()) {
        Stop(); // as a missing disc or track: silence
        return;
    }
    output_.Play(SoundSlot::CdAudio, file, loop);
}

void VNCDPlayer::Stop() {
    output_.Stop(SoundSlot::CdAudio);
}

std::string VNCDPlayer::TrackFile(int32_t track) const {
    // The first name found wins; `vnscript check` looks for the same names.
    for (const VNString& name : CdTrackNames(track)) {
        const std::string path = GamePath(gameFolder_, name);
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return path;
        }
    }
    return {};
}

VNMidiPlayer::VNMidiPlayer(platform::SoundOutput& output) : output_(output) {
    VN_ASSERT(midiPlayers == 0);
    ++midiPlayers;
}

VNMidiPlayer::~VNMidiPlayer() {
    Stop();
    --midiPlayers;
}

void VNMidiPlayer::Play(const std::string& path, bool loop) {
    output_.Play(SoundSlot::Midi, path, loop);
}

void VNMidiPlayer::Stop() {
    output_.Stop(SoundSlot::Midi);
}

VNMP3Player::VNMP3Player(platform::SoundOutput& output) : output_(output) {
    VN_ASSERT(mp3Players == 0);
    ++mp3Players;
}

VNMP3Player::~VNMP3Player() {
    Stop();
    --mp3Players;
}

void VNMP3Player::Play(const std::string& path) {
    output_.Play(SoundSlot::Mp3, path, true);
}

void VNMP3Player::Stop() {
    output_.Stop(SoundSlot::Mp3);
}
