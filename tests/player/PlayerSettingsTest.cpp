// The settings dialog and save/settings.txt, and the player's own files in
// save/ when they are damaged.
#include "PlayerTestSupport.h"
#include "platform/DialogHost.h"
#include "platform/SoundOutput.h"
#include "player/ReadText.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

using namespace playertest;
using platform::SoundSlot;
namespace cmd = resources::player_cmd;
namespace sid = resources::settings_id;

namespace {

void OpenSettings(Session& session, VNPlayer& player,
                  std::function<void(platform::DialogHost&)> fill) {
    session.Push([fill](platform::ModalView& view) {
        fill(view.Dialog());
        view.Press(resources::IDOK);
    });
    player.Window()->OnCommand(platform::MakeWParam(cmd::Settings, 0), 0);
}

std::string Contents(const GameFolder& game, const std::string& relative) {
    std::ifstream in(game.Root() / relative, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

TEST(PlayerSettings, TheDialogsChoicesApplyAtOnceAndAfterARestartAndDefaultsComeBack) {
    // Music covers CD, MIDI, MP3 and Vorbis music; effects the wave and
    // Vorbis effects; voices the Vorbis voices. Typed 250 is the most, 100.
    const std::pair<SoundSlot, int> volumes[] = {
        {SoundSlot::Wave, 25},        {SoundSlot::CdAudio, 40},     {SoundSlot::Midi, 40},
        {SoundSlot::Mp3, 40},         {SoundSlot::VorbisMusic, 40}, {SoundSlot::VorbisVoice, 100},
        {SoundSlot::VorbisEffect, 25}};
    const auto checkVolumes = [&](VNPlayer& player, const char* when) {
        for (const auto& [slot, volume] : volumes) {
            EXPECT_EQ(player.GetSound().Output()->State(slot).volume, volume)
                << when << " slot " << static_cast<int>(slot);
        }
    };
    setenv("SPEECHD_ADDRESS", "unix_socket:/nonexistent/speechd.sock", 1); // no voice
    GameFolder game;
    WriteGame(game, {Wait(1000)}, {});
    Session first;
    EXPECT_TRUE(first.Run(game, 10, [&](int64_t now, VNPlayer& player) {
        if (now == 100) {
            OpenSettings(first, player, [](platform::DialogHost& d) {
                d.SetText(sid::MusicVolume, VNString("40"));
                d.SetText(sid::EffectVolume, VNString("25"));
                d.SetText(sid::VoiceVolume, VNString("250"));
                d.ComboSetSelection(sid::Speed, 2);
                d.SetText(sid::AutoWait, VNString("50"));
                d.SetChecked(sid::SkipReadOnly, true);
                d.SetChecked(sid::FullScreen, true);
            });
            // "読み上げ" is kept with the settings whether a speech service answers or not.
            player.Window()->OnCommand(platform::MakeWParam(resources::player_cmd::ReadAloud, 0),
                                       0);
            checkVolumes(player, "at once");
            EXPECT_EQ(player.Window()->MessageSpeed(), 2);
            EXPECT_FALSE(player.Window()->IsFullScreen()); // only from the next start
        }
    }));
    Session second;
    EXPECT_TRUE(second.Run(game, 10, [&](int64_t now, VNPlayer& player) {
        if (now == 100) {
            checkVolumes(player, "after a restart");
            EXPECT_EQ(player.Window()->MessageSpeed(), 2);
            EXPECT_TRUE(player.Window()->SkipReadOnly());
            EXPECT_TRUE(player.Window()->IsFullScreen());
            EXPECT_EQ(player.Context().Settings().autoWaitPerChar, 50);
            EXPECT_TRUE(player.Context().Settings().readAloud);
            OpenSettings(second, player,
                         [](platform::DialogHost& d) { d.ClickButton(sid::Defaults); });
            // The defaults of what the dialog shows; the menu's "読み上げ" stays.
            PlayerSettings defaults;
            defaults.readAloud = true;
            EXPECT_EQ(player.Context().Settings(), defaults);
            EXPECT_EQ(player.GetSound().Output()->State(SoundSlot::Mp3).volume, 100);
        }
    }));
    EXPECT_TRUE(first.Problems().empty() && second.Problems().empty());
}

TEST(PlayerSettings, DamagedFilesOfThePlayerGiveTheDefaultsWithoutAReport) {
    // Each file would, if it were taken, set a volume or mark a message read.
    const std::pair<const char*, const char*> files[] = {
        {"save/settings.txt", "version=1\nmusic_volume=40"},               // cut in its last line
        {"save/settings.txt", "version=2\nmusic_volume=40\n"},             // another version
        {"save/settings.txt", "music_volume=40\nversion=1\n"},             // no version first
        {"save/settings.txt", "version=1\nmusic_volume=40\nvoice\n"},      // not key=value
        {"save/settings.txt", "version=1\nmusic_volume=140\n"},            // out of range
        {"save/readtext.txt", "readtext 1\nfile start.evt\n1 0000abcd\n"}, // no end
        {"save/readtext.txt", "readtext 1\nfile start.evt\n1 0000abcd\nend 2\n"}, // count
        {"save/readtext.txt", "readtext 2\nfile start.evt\n1 0000abcd\nend 1\n"}, // version
        {"save/readtext.txt", "readtext 1\n1 0000abcd\nend 1\n"},                 // no file line
        {"save/readtext.txt", "readtext 1\nfile start.evt\n1 zz\nend 1\n"},       // not hex
    };
    for (const auto& [file, text] : files) {
        GameFolder game;
        WriteGame(game, {Wait(1000), Narration("one")}, {});
        std::ofstream(game.Root() / file, std::ios::binary) << text;
        Session session;
        int volume = -1;
        EXPECT_TRUE(session.Run(game, 10, [&](int64_t now, VNPlayer& player) {
            if (now == 100) {
                volume = player.GetSound().Output()->State(SoundSlot::Mp3).volume;
                player.Window()->OnCommand(platform::MakeWParam(cmd::SkipMode, 0), 0);
            }
        }));
        EXPECT_EQ(volume, 100) << text;
        EXPECT_TRUE(session.Seen().empty() && session.Problems().empty()) << text;
        // Only the message of this run is read, and the file is whole again.
        ReadText again;
        EXPECT_TRUE(again.FromText(Contents(game, "save/readtext.txt"))) << text;
        EXPECT_EQ(again.Count(), 1u) << text;
    }
}
