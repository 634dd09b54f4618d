// The sound events in the real player on SDL's dummy driver (and, for the
// samples themselves, the disk driver): status texts, the music a save
// records, which file each event plays and how it loops.
#include "SoundFiles.h"

#include "PlayerTestSupport.h"
#include "platform/SoundOutput.h"
#include "resources/PlayerResources.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace playertest;
using platform::SoundSlot;
using soundtest::WaitFor;
namespace fs = std::filesystem;

namespace {

VNString U(const char8_t* text) {
    return VNString(text);
}

VNString PathText(const fs::path& path) {
    VNString text;
    VNString::FromUtf8(path.string(), text);
    return text;
}

// A fifth of a second of a stereo 16-bit square wave at the mixer's rate.
std::string Tone() {
    std::vector<int16_t> samples;
    for (int i = 0; i < 44100 / 5; ++i) {
        const int16_t value = i / 40 % 2 ? 2500 : -2500;
        samples.push_back(value);
        samples.push_back(value);
    }
    return soundtest::Wave16(44100, 2, samples);
}

void Put(GameFolder& game, const std::string& relative, const std::string& bytes) {
    fs::create_directories((game.Root() / relative).parent_path());
    soundtest::WriteFile((game.Root() / relative).string(), bytes);
}

// Runs each of `events` followed by a short wait and notes, during that
// wait, what the player reports and what the output was asked to play.
struct Seen {
    VNString status;
    int32_t cdTrack = -1;
    VNString midi;
    VNString mp3;
    platform::SoundSlotState slot;
};

std::vector<Seen> RunEach(GameFolder& game, const std::vector<VNEvent>& events,
                          const std::vector<SoundSlot>& slots) {
    std::vector<VNEvent> script;
    for (const VNEvent& event : events) {
        script.push_back(event);
        script.push_back(Wait(2));
    }
    WriteGame(game, script, {});
    std::vector<Seen> seen(events.size());
    std::vector<bool> noted(events.size(), false);
    Session session;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        const int32_t pc = PcOf(player);
        if (pc % 2 == 1 && !noted[static_cast<size_t>(pc / 2)]) {
            const size_t k = static_cast<size_t>(pc / 2);
            noted[k] = true;
            seen[k] = {player.Context().LastStatus(), player.GetSound().CdTrack(),
                       player.GetSound().MidiFile(), player.GetSound().Mp3File(),
                       player.GetSound().Output()->State(slots[k])};
        }
    }));
    EXPECT_TRUE(session.Problems().empty());
    return seen;
}

TEST(PlayerSound, EventsReportWhatTheyPlayAndRememberTheMusic) {
    GameFolder game;
    const fs::path root = game.Root();
    Put(game, "pcm/se a.WAV", Tone());
    Put(game, "cdda/track03.wav", Tone());
    Put(game, "cdda/Track5.wav", Tone());
    Put(game, "cdda/track 7.wav", Tone());
    Put(game, "cdda/track12.flac", "not decoded here");
    Put(game, "midi/my theme.MID", soundtest::Midi({60}));
    Put(game, "mp3/Field BGM.mp3", "x");
    Put(game, "vorbis/voice.ogg", "x");

    struct Case {
        VNEvent event;
        SoundSlot slot;
        VNString status;
        std::string path; // relative to the game folder, "" for none
        bool loop;
        int32_t cdTrack;
        const char* midi;
        const char* mp3;
    };
    const VNString midiPath = PathText(root / "midi/my theme.MID");
    const VNString mp3Path = PathText(root / "mp3/Field BGM.mp3");
    const std::vector<Case> cases = {
        // Names differ from the files in letter case; blanks are kept.
        {Pcm("Se A.wav", 1), SoundSlot::Wave, U(u8"WAVE演奏: ファイル名\"pcm\\Se A.wav\""),
         "pcm/se a.WAV", true, 0, "", ""},
        {Pcm("se a.wav", 2), SoundSlot::Wave, U(u8"WAVE演奏: ファイル名\"pcm\\se a.wav\""),
         "pcm/se a.WAV", false, 0, "", ""},
        {Pcm("", 1), SoundSlot::Wave, U(u8"WAVE演奏: 停止"), "", false, 0, "", ""},
        {Cdda(3), SoundSlot::CdAudio, U(u8"CD-DA演奏: トラック3"), "cdda/track03.wav", true, 3, "",
         ""},
        {Cdda(5), SoundSlot::CdAudio, U(u8"CD-DA演奏: トラック5"), "cdda/Track5.wav", true, 5, "",
         ""},
        {Cdda(7), SoundSlot::CdAudio, U(u8"CD-DA演奏: トラック7"), "cdda/track 7.wav", true, 7, "",
         ""},
        {Cdda(12), SoundSlot::CdAudio, U(u8"CD-DA演奏: トラック12"), "cdda/track12.flac", true, 12,
         "", ""},
        // A track without a file is silent, and still remembered.
        {Cdda(9), SoundSlot::CdAudio, U(u8"CD-DA演奏: トラック9"), "", false, 9, "", ""},
        {Cdda(0), SoundSlot::CdAudio, U(u8"CD-DA演奏: 停止"), "", false, 0, "", ""},
        {Midi("My Theme.mid", 2), SoundSlot::Midi,
         U(u8"MIDI演奏: ファイル名\"") + midiPath + VNString("\""), "midi/my theme.MID", true, 0,
         "My Theme.mid", ""},
        {Midi("My Theme.mid", 0), SoundSlot::Midi,
         U(u8"MIDI演奏: ファイル名\"") + midiPath + VNString("\""), "midi/my theme.MID", false, 0,
         "My Theme.mid", ""},
        {Mp3("field bgm.MP3"), SoundSlot::Mp3,
         U(u8"MP3演奏: ファイル名\"") + mp3Path + VNString("\""), "mp3/Field BGM.mp3", true, 0,
         "My Theme.mid", "field bgm.MP3"},
        {Midi("", 1), SoundSlot::Midi, U(u8"MIDI演奏: 停止"), "", false, 0, "", "field bgm.MP3"},
        {Mp3(""), SoundSlot::Mp3, U(u8"MP3演奏: 停止"), "", false, 0, "", ""},
        // Vorbis: channel 0 music, 1 voice, 2 effects; loop only when 1.
        {Vorbis("Voice.ogg", 1, 1), SoundSlot::VorbisVoice,
         U(u8"Vorbis演奏(チャンネル1): ファイル名\"vorbis\\Voice.ogg\""), "vorbis/voice.ogg", true,
         0, "", ""},
        {Vorbis("voice.ogg", 0, 2), SoundSlot::VorbisMusic,
         U(u8"Vorbis演奏(チャンネル0): ファイル名\"vorbis\\voice.ogg\""), "vorbis/voice.ogg", false,
         0, "", ""},
        {Vorbis("voice.ogg", 2, 0), SoundSlot::VorbisEffect,
         U(u8"Vorbis演奏(チャンネル2): ファイル名\"vorbis\\voice.ogg\""), "vorbis/voice.ogg", false,
         0, "", ""},
        {Vorbis("", 1, 1), SoundSlot::VorbisVoice, U(u8"Vorbis演奏(チャンネル1): 停止"), "", false,
         0, "", ""},
    };
    std::vector<VNEvent> events;
    std::vector<SoundSlot> slots;
    for (const Case& c : cases) {
        events.push_back(c.event);
        slots.push_back(c.slot);
    }
    const std::vector<Seen> seen = RunEach(game, events, slots);
    for (size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        EXPECT_EQ(seen[k].status, c.status) << k;
        EXPECT_EQ(seen[k].slot.path, c.path.empty() ? "" : (root / c.path).string()) << k;
        EXPECT_EQ(seen[k].slot.loop, c.loop) << k;
        EXPECT_EQ(seen[k].cdTrack, c.cdTrack) << k;
        EXPECT_EQ(seen[k].midi, VNString(c.midi)) << k;
        EXPECT_EQ(seen[k].mp3, VNString(c.mp3)) << k;
    }
}

TEST(PlayerSound, AVorbisChannelOutsideTheThreeIsRefused) {
    GameFolder game;
    WriteGame(game, {Vorbis("a.ogg", 3, 1), SetParam("after", "1", 0, "0")}, {{"after", 0}});
    Session session;
    session.ExpectReport();
    EXPECT_TRUE(session.Run(game));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_INVALIDOPTION");
    EXPECT_EQ(session.Seen()[0].fields.at(1016), U(u8"チャンネル：規定外の値"));
    EXPECT_EQ(game.ReadParams("global.flg").at("after"), 0);
}

TEST(PlayerSound, EachKindLoopsAsItsEventAsks) {
    GameFolder game;
    Put(game, "cdda/track03.wav", Tone());
    Put(game, "pcm/once.wav", Tone());
    Put(game, "pcm/loop.wav", Tone());
    Put(game, "midi/short.mid", soundtest::Midi({72}));
    fs::create_directories(game.Root() / "mp3");
    fs::copy_file(fs::path(VN_SOUND_FIXTURES) / "blip.mp3", game.Root() / "mp3/blip.mp3");
    fs::create_directories(game.Root() / "vorbis");
    fs::copy_file(fs::path(VN_SOUND_FIXTURES) / "blip.ogg", game.Root() / "vorbis/blip.ogg");
    WriteGame(game,
              {Cdda(3), Mp3("blip.mp3"), Pcm("once.wav", 0), Vorbis("blip.ogg", 2, 1),
               Midi("short.mid", 0), Wait(10), Midi("short.mid", 1), Wait(10)},
              {});
    // Every piece lasts at most half a second; after several seconds only the
    // looping ones still sound, each started once.
    std::map<SoundSlot, bool> afterAWhile;
    bool midiOnceEnded = false;
    Session session;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        platform::SoundOutput& output = *player.GetSound().Output();
        const auto sounding = [&](SoundSlot slot) { return output.State(slot).sounding; };
        if (PcOf(player) == 5 && afterAWhile.empty()) {
            EXPECT_TRUE(WaitFor([&] {
                return sounding(SoundSlot::CdAudio) && sounding(SoundSlot::Mp3) &&
                       sounding(SoundSlot::VorbisEffect) && sounding(SoundSlot::Midi);
            }));
            midiOnceEnded = WaitFor([&] { return !sounding(SoundSlot::Midi); });
            std::this_thread::sleep_for(std::chrono::seconds(2));
            for (SoundSlot slot :
                 {SoundSlot::CdAudio, SoundSlot::Mp3, SoundSlot::Wave, SoundSlot::VorbisEffect}) {
                afterAWhile[slot] = sounding(slot) && output.State(slot).starts == 1;
            }
        } else if (PcOf(player) == 7 && !afterAWhile.count(SoundSlot::Midi)) {
            EXPECT_TRUE(WaitFor([&] { return sounding(SoundSlot::Midi); }));
            std::this_thread::sleep_for(std::chrono::seconds(3));
            afterAWhile[SoundSlot::Midi] = sounding(SoundSlot::Midi);
        }
    }));
    EXPECT_TRUE(afterAWhile[SoundSlot::CdAudio]) << "the CD track starts again";
    EXPECT_TRUE(afterAWhile[SoundSlot::Mp3]) << "MP3 always starts again";
    EXPECT_TRUE(afterAWhile[SoundSlot::VorbisEffect]) << "Vorbis with loop 1";
    EXPECT_FALSE(afterAWhile[SoundSlot::Wave]) << "a wave with loop 0 plays once";
    EXPECT_TRUE(midiOnceEnded) << "MIDI with loop 0 plays once";
    EXPECT_TRUE(afterAWhile[SoundSlot::Midi]) << "MIDI with loop not 0 starts again";
}

// Stereo frames of a wave: left, right.
using Frames = std::vector<std::pair<int16_t, int16_t>>;

Frames Pattern(int period, int16_t left0, int16_t leftStep, int16_t right0, int16_t rightStep,
               int repeats) {
    Frames frames;
    for (int i = 0; i < period * repeats; ++i) {
        frames.emplace_back(static_cast<int16_t>(left0 + i % period * leftStep),
                            static_cast<int16_t>(right0 + i % period * rightStep));
    }
    return frames;
}

std::string WaveOf(const Frames& frames) {
    std::vector<int16_t> samples;
    for (const auto& [left, right] : frames) {
        samples.push_back(left);
        samples.push_back(right);
    }
    return soundtest::Wave16(44100, 2, samples);
}

Frames ReadRaw(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Frames frames;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const auto sample = [&](size_t at) {
            return static_cast<int16_t>(static_cast<uint8_t>(bytes[at]) |
                                        static_cast<uint8_t>(bytes[at + 1]) << 8);
        };
        frames.emplace_back(sample(i), sample(i + 2));
    }
    return frames;
}

// The longest run of output frames that follow `wave` (looping) exactly.
size_t LongestRun(const Frames& output, const Frames& wave, int period) {
    size_t longest = 0;
    size_t current = 0;
    int phase = -1;
    for (size_t i = 0; i < output.size(); ++i) {
        if (current > 0 && output[i] == wave[static_cast<size_t>((phase + 1) % period)]) {
            phase = (phase + 1) % period;
            ++current;
        } else {
            current = 0;
            for (int p = 0; p < period; ++p) {
                if (output[i] == wave[static_cast<size_t>(p)]) {
                    phase = p;
                    current = 1;
                    break;
                }
            }
        }
        longest = std::max(longest, current);
    }
    return longest;
}

TEST(PlayerSound, APcmEventMixesItsSamplesAndASecondOneReplacesTheFirst) {
    GameFolder game;
    const fs::path raw = game.Root() / "output.raw";
    soundtest::ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    soundtest::ScopedEnv file("SDL_DISKAUDIOFILE", raw.string().c_str());
    // Two waves whose frames never coincide; each period fits its length a
    // whole number of times, so the loop runs on without a seam.
    const Frames first = Pattern(101, 1000, 13, -1000, -7, 44);
    const Frames second = Pattern(89, -3000, -11, 2000, 3, 50);
    Put(game, "pcm/first.wav", WaveOf(first));
    Put(game, "pcm/second.wav", WaveOf(second));
    WriteGame(game, {Pcm("first.wav", 1), Wait(10), Pcm("second.wav", 1), Wait(10)}, {});

    // Half a second of each wave, sample for sample. The first one loops:
    // had it gone on under the second, the output would hold their sums and
    // never the second wave alone.
    size_t firstRun = 0;
    size_t secondRun = 0;
    Session session;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        if (PcOf(player) == 1 && firstRun == 0) {
            WaitFor([&] { return (firstRun = LongestRun(ReadRaw(raw), first, 101)) > 22050; });
        } else if (PcOf(player) == 3 && secondRun == 0) {
            WaitFor([&] { return (secondRun = LongestRun(ReadRaw(raw), second, 89)) > 22050; });
        }
    }));
    EXPECT_GT(firstRun, 22050u);
    EXPECT_GT(secondRun, 22050u);
}

TEST(PlayerSound, WithoutADeviceTheGamePlaysSilentlyAndKeepsItsState) {
    soundtest::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    GameFolder game;
    Put(game, "cdda/track02.wav", Tone());
    WriteGame(game, {Cdda(2), Midi("theme.mid", 1), Mp3("field.mp3"), Pcm("se.wav", 0), Wait(500)},
              {});
    Session session;
    bool checked = false;
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t, VNPlayer& player) {
        if (PcOf(player) == 4 && !checked) {
            checked = true;
            EXPECT_EQ(player.GetSound().CdTrack(), 2);
            EXPECT_EQ(player.GetSound().MidiFile(), VNString("theme.mid"));
            EXPECT_EQ(player.GetSound().Mp3File(), VNString("field.mp3"));
            EXPECT_EQ(player.Context().LastStatus(), U(u8"WAVE演奏: ファイル名\"pcm\\se.wav\""));
            EXPECT_FALSE(player.GetSound().Output()->State(SoundSlot::CdAudio).sounding);
        }
    }));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(session.Problems().empty());
}

} // namespace
