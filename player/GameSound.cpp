#include "player/GameSound.h"

#include "platform/SoundFonts.h"
#include "platform/SoundOutput.h"
#include "player/PlayerContext.h"
#include "player/VNMusicPlayers.h"
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

GameSound::GameSound(PlayerContext& context) : context_(context) {}

GameSound::~GameSound() {
    End();
}

void GameSound::Start() {
    // A SoundFont the game ships in midi/ wins over the system's.
    sound_ = std::make_unique<platform::SoundOutput>(
        platform::ChooseSoundFont(context_.GamePathOf(VNString("midi"))));
    cdPlayer_ = std::make_unique<VNCDPlayer>(*sound_, context_.GameFolder());
    midiPlayer_ = std::make_unique<VNMidiPlayer>(*sound_);
    mp3Player_ = std::make_unique<VNMP3Player>(*sound_);
    ApplyVolumes(context_.Settings());
}

void GameSound::ApplyVolumes(const PlayerSettings& settings) {
    if (!sound_) {
        return;
    }
    // The music volume covers every kind of music, the effect volume the
    // wave and Vorbis effects, the voice volume the Vorbis voices.
    for (SoundSlot slot :
         {SoundSlot::CdAudio, SoundSlot::Midi, SoundSlot::Mp3, SoundSlot::VorbisMusic}) {
        sound_->SetVolume(slot, settings.musicVolume);
    }
    sound_->SetVolume(SoundSlot::Wave, settings.effectVolume);
    sound_->SetVolume(SoundSlot::VorbisEffect, settings.effectVolume);
    sound_->SetVolume(SoundSlot::VorbisVoice, settings.voiceVolume);
}

void GameSound::StopWave() {
    if (sound_) {
        sound_->Stop(SoundSlot::Wave);
    }
}

void GameSound::End() {
    cdPlayer_.reset();
    midiPlayer_.reset();
    mp3Player_.reset();
    sound_.reset(); // the Vorbis channels stop with the output
}

bool GameSound::FullGamePath(const VNString& name, std::string& path) const {
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(context_.GamePathOf(name), error);
    if (error) {
        return false;
    }
    path = full.lexically_normal().string();
    return true;
}

void GameSound::PlayWave(const VNString& file, bool loop) {
    const VNString kind(u8"WAVE演奏");
    if (file.IsEmpty()) {
        sound_->Stop(SoundSlot::Wave);
        context_.SetStatus(StoppedStatus(kind));
        return;
    }
    const VNString relative = VNString("pcm\\") + file;
    sound_->Play(SoundSlot::Wave, context_.GamePathOf(relative), loop);
    context_.SetStatus(PlayingStatus(kind, relative));
}

bool GameSound::PlayCdTrack(int32_t track) {
    cdTrack_ = track;
    if (track == 0) {
        cdPlayer_->Stop();
        context_.SetStatus(VNString(u8"CD-DA演奏: 停止"));
        return true;
    }
    // From the track to the start of the next one: the whole track, looping.
    cdPlayer_->Play(track, true);
    context_.SetStatus(VNString(u8"CD-DA演奏: トラック") + VNString(track));
    return true;
}

bool GameSound::PlayMidi(const VNString& file, bool loop) {
    const VNString kind(u8"MIDI演奏");
    midiFile_ = file;
    if (file.IsEmpty()) {
        midiPlayer_->Stop();
        context_.SetStatus(StoppedStatus(kind));
        return true;
    }
    std::string path;
    if (!FullGamePath(VNString("midi\\") + file, path)) {
        return false; // the current folder cannot be read
    }
    midiPlayer_->Play(path, loop);
    context_.SetStatus(PlayingStatus(kind, PathText(path)));
    return true;
}

bool GameSound::PlayMp3(const VNString& file) {
    const VNString kind(u8"MP3演奏");
    mp3File_ = file;
    if (file.IsEmpty()) {
        mp3Player_->Stop();
        context_.SetStatus(StoppedStatus(kind));
        return true;
    }
    std::string path;
    if (!FullGamePath(VNString("mp3\\") + file, path)) {
        return false;
    }
    mp3Player_->Play(path);
    context_.SetStatus(PlayingStatus(kind, PathText(path)));
    return true;
}

void GameSound::PlayVorbis(int32_t channel, const VNString& file, bool loop) {
    const SoundSlot slot = kVorbisSlots[channel];
    const VNString kind = VNString(u8"Vorbis演奏(チャンネル") + VNString(channel) + VNString(u8")");
    if (file.IsEmpty()) {
        sound_->Stop(slot);
        context_.SetStatus(StoppedStatus(kind));
        return;
    }
    const VNString relative = VNString("vorbis\\") + file;
    sound_->Play(slot, context_.GamePathOf(relative), loop);
    context_.SetStatus(PlayingStatus(kind, relative));
}

void GameSound::RestartMusic(const VNSaveRecord& record) {
    // The fades of the saved music are not played: music starts at once.
    PlayMidi(record.midiFile, true);
    PlayMp3(record.mp3File);
    PlayCdTrack(record.cdTrack);
}
