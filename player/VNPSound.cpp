// The sound events: wave effects, CD audio, MIDI and MP3 music and Ogg
// Vorbis channels; the music a save records and its return after a load.
#include "platform/SoundFonts.h"
#include "platform/SoundOutput.h"
#include "player/VNMusicPlayers.h"
#include "player/VNPlayer.h"
#include "scenario/VNEvent.h"
#include "scenario/VNSaveRecord.h"

#include <filesystem>

using platform::SoundSlot;

namespace {

VNString PlayingStatus(const VNString& kind, const VNString& path) {
    return kind + VNString(u8": ファイル名\"") + path + VNString(u8"\"");
}

VNString StoppedStatus(const VNString& kind) {
    return kind + VNString(u8": 停止");
}

// A native path as status text.
VNString PathText(const std::string& path) {
    VNString text;
    if (!VNString::FromUtf8(path, text)) {
        text = VNString::FromBytes(path);
    }
    return text;
}

constexpr SoundSlot kVorbisSlots[] = {SoundSlot::VorbisMusic, SoundSlot::VorbisVoice,
                                      SoundSlot::VorbisEffect};

} // namespace

void VNPlayer::StartSound() {
    // A SoundFont the game ships in midi/ wins over the system's.
    sound_ = std::make_unique<platform::SoundOutput>(
        platform::ChooseSoundFont(GamePathOf(VNString("midi"))));
    cdPlayer_ = std::make_unique<VNCDPlayer>(*sound_, gameFolder_);
    midiPlayer_ = std::make_unique<VNMidiPlayer>(*sound_);
    mp3Player_ = std::make_unique<VNMP3Player>(*sound_);
}

void VNPlayer::StopWaveSound() {
    if (sound_) {
        sound_->Stop(SoundSlot::Wave);
    }
}

void VNPlayer::EndSound() {
    cdPlayer_.reset();
    midiPlayer_.reset();
    mp3Player_.reset();
    sound_.reset(); // the Vorbis channels stop with the output
}

bool VNPlayer::FullGamePath(const VNString& name, std::string& path) const {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(GamePathOf(name), error);
    if (error) {
        return false;
    }
    path = full.lexically_normal().string();
    return true;
}

bool VNPlayer::ActionPcm(const VNEvent& event) {
    const VNString kind(u8"WAVE演奏");
    const VNString& file = event.GetString(0);
    if (file.IsEmpty()) {
        sound_->Stop(SoundSlot::Wave);
        SetStatus(StoppedStatus(kind));
        return true;
    }
    const VNString relative = VNString("pcm\\") + file;
    sound_->Play(SoundSlot::Wave, GamePathOf(relative), event.GetInt(1) == 1);
    SetStatus(PlayingStatus(kind, relative));
    return true;
}

bool VNPlayer::PlayCdTrack(int32_t track) {
    cdTrack_ = track;
    if (track == 0) {
        cdPlayer_->Stop();
        SetStatus(VNString(u8"CD-DA演奏: 停止"));
        return true;
    }
    // From the track to the start of the next one: the whole track, looping.
    cdPlayer_->Play(track, true);
    SetStatus(VNString(u8"CD-DA演奏: トラック") + VNString(track));
    return true;
}

bool VNPlayer::PlayMidi(const VNString& file, bool loop) {
    const VNString kind(u8"MIDI演奏");
    midiFile_ = file;
    if (file.IsEmpty()) {
        midiPlayer_->Stop();
        SetStatus(StoppedStatus(kind));
        return true;
    }
    std::string path;
    if (!FullGamePath(VNString("midi\\") + file, path)) {
        return false; // the current folder cannot be read
    }
    midiPlayer_->Play(path, loop);
    SetStatus(PlayingStatus(kind, PathText(path)));
    return true;
}

bool VNPlayer::PlayMp3(const VNString& file) {
    const VNString kind(u8"MP3演奏");
    mp3File_ = file;
    if (file.IsEmpty()) {
        mp3Player_->Stop();
        SetStatus(StoppedStatus(kind));
        return true;
    }
    std::string path;
    if (!FullGamePath(VNString("mp3\\") + file, path)) {
        return false;
    }
    mp3Player_->Play(path);
    SetStatus(PlayingStatus(kind, PathText(path)));
    return true;
}

bool VNPlayer::ActionVorbis(const VNEvent& event) {
    const VNString& file = event.GetString(0);
    const int32_t channel = event.GetInt(1);
    if (channel < 0 || channel > 2) {
        ReportInvalidOption(VNString(u8"チャンネル：規定外の値"));
        return false;
    }
    const SoundSlot slot = kVorbisSlots[channel];
    const VNString kind = VNString(u8"Vorbis演奏(チャンネル") + VNString(channel) + VNString(u8")");
    if (file.IsEmpty()) {
        sound_->Stop(slot);
        SetStatus(StoppedStatus(kind));
        return true;
    }
    const VNString relative = VNString("vorbis\\") + file;
    sound_->Play(slot, GamePathOf(relative), event.GetInt(3) == 1);
    SetStatus(PlayingStatus(kind, relative));
    return true;
}

void VNPlayer::RestartMusic(const VNSaveRecord& record) {
    // The fades of the saved music are not played: music starts at once.
    PlayMidi(record.midiFile, true);
    PlayMp3(record.mp3File);
    PlayCdTrack(record.cdTrack);
}
