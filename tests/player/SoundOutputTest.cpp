// The sound output on SDL's dummy driver, which mixes in real time into
// nothing: slots play side by side, loop or end, replace and stop; a request
// returns at once whatever it asks for; without a device all is silent.
#include "SoundFiles.h"

#include "PlayerTestSupport.h"
#include "platform/MidiLength.h"
#include "platform/SoundFonts.h"
#include "platform/SoundOutput.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <future>

using platform::SoundDevice;
using platform::SoundOutput;
using platform::SoundSlot;
using soundtest::WaitFor;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

// A fifth of a second of a 16-bit stereo tone at the mixer's own rate.
std::string ShortTone(int16_t level) {
    std::vector<int16_t> samples;
    for (int i = 0; i < 44100 / 5; ++i) {
        const int16_t value = i / 50 % 2 ? level : static_cast<int16_t>(-level);
        samples.push_back(value);
        samples.push_back(value);
    }
    return soundtest::Wave16(44100, 2, samples);
}

std::chrono::milliseconds Since(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST(SoundOutput, SlotsPlaySideBySideLoopOrEndAndAreReplacedOrStopped) {
    playertest::GameFolder folder;
    const std::string a = (folder.Root() / "a.wav").string();
    const std::string b = (folder.Root() / "b.wav").string();
    soundtest::WriteFile(a, ShortTone(3000));
    soundtest::WriteFile(b, ShortTone(5000));

    SoundOutput output("");
    ASSERT_EQ(output.WaitForDevice(20000), SoundDevice::Open);
    output.Play(SoundSlot::Wave, a, true);
    output.Play(SoundSlot::VorbisEffect, b, false);
    output.Play(SoundSlot::CdAudio, (folder.Root() / "missing.wav").string(), true);
    ASSERT_TRUE(WaitFor([&] {
        return output.State(SoundSlot::Wave).sounding &&
               output.State(SoundSlot::VorbisEffect).starts == 1;
    }));

    // Well past the fifth of a second both last: the looping one still
    // sounds, the other has ended; the missing file never sounded.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    EXPECT_TRUE(output.State(SoundSlot::Wave).sounding);
    EXPECT_TRUE(output.State(SoundSlot::Wave).loop);
    EXPECT_FALSE(output.State(SoundSlot::VorbisEffect).sounding);
    EXPECT_EQ(output.State(SoundSlot::CdAudio).starts, 0);
    EXPECT_EQ(output.State(SoundSlot::CdAudio).path, (folder.Root() / "missing.wav").string());

    output.Play(SoundSlot::Wave, b, false);
    EXPECT_EQ(output.State(SoundSlot::Wave).path, b);
    ASSERT_TRUE(WaitFor([&] { return output.State(SoundSlot::Wave).starts == 2; }));
    output.Stop(SoundSlot::Wave);
    const platform::SoundSlotState stopped = output.State(SoundSlot::Wave);
    EXPECT_FALSE(stopped.sounding);
    EXPECT_EQ(stopped.path, "");
    EXPECT_FALSE(stopped.loop);
}

TEST(SoundOutput, AFiveMinutePieceStartsWithoutHoldingUpTheCaller) {
    playertest::GameFolder folder;
    const std::string wave = (folder.Root() / "long.wav").string();
    const std::string midi = (folder.Root() / "long.mid").string();
    const std::string tone = (folder.Root() / "tone.wav").string();
    soundtest::WriteFile(wave, soundtest::LongWave8(300));
    std::vector<int> notes;
    for (int i = 0; i < 600; ++i) { // 600 half-second notes
        notes.push_back(60 + i % 12);
    }
    soundtest::WriteFile(midi, soundtest::Midi(notes));
    soundtest::WriteFile(tone, ShortTone(4000));

    SoundOutput output(platform::ChooseSoundFont(""));
    // Neither opening the device nor decoding holds up the caller for more
    // than a frame's worth of time.
    for (const auto& [slot, path] : {std::pair{SoundSlot::Mp3, wave}, {SoundSlot::Midi, midi}}) {
        const auto start = Clock::now();
        output.Play(slot, path, true);
        EXPECT_LT(Since(start).count(), 50) << path;
    }
    ASSERT_EQ(output.WaitForDevice(20000), SoundDevice::Open);
    EXPECT_TRUE(WaitFor([&] { return output.State(SoundSlot::Mp3).sounding; }));
    EXPECT_TRUE(WaitFor([&] { return output.State(SoundSlot::Midi).sounding; }));

    // A request made while a long piece is still decoding wins, and the
    // superseded piece never sounds.
    output.Play(SoundSlot::CdAudio, wave, true);
    const auto start = Clock::now();
    output.Play(SoundSlot::CdAudio, tone, true);
    EXPECT_LT(Since(start).count(), 50);
    ASSERT_TRUE(WaitFor([&] { return output.State(SoundSlot::CdAudio).sounding; }));
    EXPECT_EQ(output.State(SoundSlot::CdAudio).starts, 1);
    EXPECT_EQ(output.State(SoundSlot::CdAudio).path, tone);
}

TEST(SoundOutput, LoadsOnSeveralSlotsAtOnceDoNotDisturbOneAnother) {
    // A game starts its sounds one event after another, so MIDI (FluidSynth
    // loading its SoundFont), waves and files that decode as nothing are
    // loaded side by side, each on its slot's thread. The mixer opens its
    // decoders at the first load after the device opened, and closes them
    // with the device, so every output here starts afresh.
    playertest::GameFolder folder;
    const std::string midi = (folder.Root() / "a.mid").string();
    const std::string tone = (folder.Root() / "a.wav").string();
    const std::string fake = (folder.Root() / "a.ogg").string();
    const std::string fakeMp3 = (folder.Root() / "a.mp3").string();
    soundtest::WriteFile(midi, soundtest::Midi({60, 62}));
    soundtest::WriteFile(tone, ShortTone(2000));
    soundtest::WriteFile(fake, "not really Vorbis");
    soundtest::WriteFile(fakeMp3, "not really MP3");
    for (int run = 1; run <= 40; ++run) {
        SoundOutput output("");
        ASSERT_EQ(output.WaitForDevice(20000), SoundDevice::Open);
        output.Play(SoundSlot::Wave, tone, false);
        output.Play(SoundSlot::Midi, midi, false);
        output.Play(SoundSlot::Mp3, fakeMp3, false);
        output.Play(SoundSlot::VorbisMusic, fake, false);
        output.Play(SoundSlot::CdAudio, fake, false);
        output.Play(SoundSlot::VorbisVoice, tone, false);
        ASSERT_TRUE(WaitFor([&] {
            return output.State(SoundSlot::Wave).starts == 1 &&
                   output.State(SoundSlot::VorbisVoice).starts == 1 &&
                   output.State(SoundSlot::Midi).starts == 1;
        })) << "run "
            << run;
    }
}

TEST(SoundOutput, SoundsOfEveryKindReplacedInQuickSuccessionLetTheOutputClose) {
    // A game that starts sounds of all kinds one after another, each
    // replacing the last: superseded decodes must give up at once instead of
    // holding the load lock, or the output never closes.
    playertest::GameFolder folder;
    const std::string ogg = (fs::path(VN_SOUND_FIXTURES) / "blip.ogg").string();
    const std::string mp3 = (fs::path(VN_SOUND_FIXTURES) / "blip.mp3").string();
    const std::string tone = (folder.Root() / "a.wav").string();
    const std::string midi = (folder.Root() / "a.mid").string();
    soundtest::WriteFile(tone, ShortTone(2000));
    soundtest::WriteFile(midi, soundtest::Midi({60, 62}));
    // A song that lasts no time at all, asked to loop, last of all.
    const std::string empty = (folder.Root() / "empty.mid").string();
    soundtest::WriteFile(empty, std::string("MThd\0\0\0\6\0\0\0\1\0\x60"
                                            "MTrk\0\0\0\4\0\xFF\x2F\0",
                                            26));
    for (int run = 1; run <= 6; ++run) {
        auto closed = std::async(std::launch::async, [&] {
            SoundOutput output(platform::ChooseSoundFont(""));
            output.WaitForDevice(20000);
            for (int round = 0; round < 200; ++round) {
                output.Play(SoundSlot::VorbisMusic, ogg, true);
                output.Play(SoundSlot::Wave, tone, false);
                output.Play(SoundSlot::Midi, midi, true);
                output.Play(SoundSlot::Mp3, mp3, true);
                output.Play(SoundSlot::CdAudio, ogg, true);
                // As between events of a game: a replacement often comes
                // while the decode it replaces is still opening the file.
                std::this_thread::sleep_for(std::chrono::microseconds(round % 10 * 100));
            }
            output.Play(SoundSlot::Midi, empty, true);
            WaitFor([&] { return output.State(SoundSlot::Midi).starts > 0; });
        });
        if (closed.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << "run " << run << " did not close";
            std::abort(); // a stuck worker cannot be joined
        }
    }
}

TEST(SoundOutput, WithoutADeviceEverythingIsSilentAndNothingWaits) {
    soundtest::ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    const auto start = Clock::now();
    {
        SoundOutput output("");
        output.Play(SoundSlot::Wave, "/nonexistent/a.wav", true);
        EXPECT_EQ(output.WaitForDevice(20000), SoundDevice::Unavailable);
        output.Play(SoundSlot::Midi, "/nonexistent/b.mid", false);
        const platform::SoundSlotState wave = output.State(SoundSlot::Wave);
        EXPECT_EQ(wave.path, "/nonexistent/a.wav");
        EXPECT_FALSE(wave.sounding);
        EXPECT_EQ(wave.starts, 0);
        EXPECT_EQ(output.State(SoundSlot::Midi).path, "/nonexistent/b.mid");
    }
    EXPECT_LT(Since(start).count(), 5000);
}

TEST(MidiLength, TheLongestTrackCountsAndDamagedFilesAreUnknown) {
    const std::string header("MThd\0\0\0\6\0\1\0\2\0\x60", 14);
    const auto track = [](const std::string& events) {
        const std::string body = events + std::string("\0\xFF\x2F\0", 4);
        return std::string("MTrk\0\0\0", 7) + static_cast<char>(body.size()) + body;
    };
    // Delta times are variable-length: 0x81 0x00 is 128 ticks.
    const std::string noteOn("\x81\x00\x90\x3C\x40", 5);
    const std::string running("\x60\x3E\x40", 3); // running status, 96 ticks later
    struct Case {
        std::string bytes;
        int64_t ticks;
    };
    const Case cases[] = {
        {header + track(""), 0},
        {header + track("") + track(noteOn), 128},
        {header + track(noteOn + running), 224},
        {header + track(std::string("\x10\xF0\x01\x7F", 4)), 16},        // system exclusive
        {header + std::string("XXXX\0\0\0\1Z", 9) + track(noteOn), 128}, // unknown chunk
        {header + track(std::string("\x00\x3C\x40", 3)), -1},            // data without a status
        {header + track(noteOn).substr(0, 10), -1},                      // cut short
        {"RIFF", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::MidiLengthInTicks(c.bytes), c.ticks) << c.ticks;
}

TEST(SoundFonts, TheGameOwnWinsElseTheFirstSystemFontThatExists) {
    playertest::GameFolder folder;
    const fs::path midi = folder.Root() / "midi";
    const fs::path system = folder.Root() / "system";
    fs::create_directories(midi);
    fs::create_directories(system);
    const auto touch = [](const fs::path& path) { soundtest::WriteFile(path.string(), "sf"); };
    touch(system / "second.sf2");
    touch(system / "third.sf3");
    fs::create_symlink(system / "gone.sf2", system / "dangling.sf2");
    const std::vector<std::string> candidates = {
        (system / "missing.sf3").string(), (system / "dangling.sf2").string(),
        (system / "second.sf2").string(), (system / "third.sf3").string()};

    struct Case {
        std::vector<std::string> gameFiles; // in midi/
        std::vector<std::string> system;
        std::string expected; // relative to the game folder
    };
    const std::vector<Case> cases = {
        {{}, candidates, "system/second.sf2"},
        {{"theme.mid", "notes.txt"}, candidates, "system/second.sf2"},
        {{"theme.mid", "Strings.SF3"}, candidates, "midi/Strings.SF3"},
        {{"b.sf2", "Strings.SF3", "a.sf2"}, candidates, "midi/Strings.SF3"},
        {{"a.sf2", "b.sf3"}, {}, "midi/a.sf2"},
        {{}, {(system / "missing.sf3").string()}, ""},
    };
    for (const Case& c : cases) {
        fs::remove_all(midi);
        fs::create_directories(midi / "folder.sf2"); // a folder is no SoundFont
        for (const std::string& name : c.gameFiles) {
            touch(midi / name);
        }
        const std::string expected =
            c.expected.empty() ? std::string() : (folder.Root() / c.expected).string();
        EXPECT_EQ(platform::ChooseSoundFont(midi.string(), c.system), expected) << c.expected;
    }
    EXPECT_EQ(platform::ChooseSoundFont((folder.Root() / "none").string(), {}), "");
}

} // namespace
