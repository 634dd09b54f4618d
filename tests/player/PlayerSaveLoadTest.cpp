// Saving and loading in the real player: the two dialogs and their lines,
// the three files of a save and their bytes, every failure report, a load
// that brings back the message, the state and the music, the SAVE and LOAD
// jumps, and when a chosen load happens.
#include "PictureSupport.h"
#include "PlayerTestSupport.h"
#include "platform/DialogHost.h"
#include "platform/MessageBox.h"
#include "platform/SoundOutput.h"
#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "scenario/SaveSlots.h"
#include "scenario/VNParamFile.h"
#include "tests/scenario/ItemBytes.h"

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

using namespace playertest;
using item_bytes::Int;
using item_bytes::Str;
namespace fs = std::filesystem;
namespace cmd = resources::player_cmd;
namespace slot_id = resources::slot_id;

namespace {

VNString U(const char8_t* text) {
    return VNString(text);
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The time stamp of a save made at `when`: two-digit month, day, hour and
// minute, each followed by its unit in Shift-JIS (月 8C8E, 日 93FA, 時 8E9E,
// 分 95AA).
std::string StampAt(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%02d\x8c\x8e%02d\x93\xfa%02d\x8e\x9e%02d\x95\xaa",
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

// A layer no event has changed: no image, kind 0 and every value 0, as
// layers are made.
constexpr const char* kUntouchedLayer = ",,0,0,0,0,0,0,0,0,0";

struct Music {
    std::string midi;
    std::string mp3;
    int32_t cd = 0;
};

// A save record from the item table: magic, time stamp, event file, event
// index, title, eleven layer settings, four fade settings, MIDI, MP3, CD.
std::string RecordBytes(const std::string& stamp, const std::string& file, int32_t index,
                        const std::string& title, const std::array<int32_t, 4>& fades,
                        const Music& music, const std::string& magic = "savedata",
                        const std::map<int, std::string>& layers = {}) {
    std::string bytes = Str(magic) + Str(stamp) + Str(file) + Int(index) + Str(title);
    for (int layer = 0; layer < 11; ++layer) {
        bytes += Str(layers.count(layer) ? layers.at(layer) : kUntouchedLayer);
    }
    for (const int32_t fade : fades) {
        bytes += Int(fade);
    }
    return bytes + Str(music.midi) + Str(music.mp3) + Int(music.cd);
}

VNString NoData(int slot) {
    return U(u8"データ") + VNString(slot) + U(u8" --------- NO DATA ---------");
}

std::vector<VNString> Lines(platform::ModalView& view) {
    std::vector<VNString> lines;
    for (int i = 0; i < view.Dialog().ListCount(slot_id::List); ++i) {
        lines.push_back(view.Dialog().ListGetText(slot_id::List, i));
    }
    return lines;
}

void Command(VNPlayer& player, int command) {
    player.Window()->OnCommand(platform::MakeWParam(command, 0), 0);
}

// `observer`, with the message speed set to high before anything else, so
// that a page appears whole and the first click ends its wait.
std::function<void(int64_t, VNPlayer&)> AtOnce(std::function<void(int64_t, VNPlayer&)> observer) {
    return [observer, set = false](int64_t now, VNPlayer& player) mutable {
        if (!set) {
            set = true;
            Command(player, cmd::SpeedHigh);
        }
        observer(now, player);
    };
}

void Click(VNPlayer& player) {
    platform::PostMouse(player.Window()->Handle(), platform::WM_LBUTTONDOWN, 5, 5);
    platform::PostMouse(player.Window()->Handle(), platform::WM_LBUTTONUP, 5, 5);
}

// Scripts for choosing `slot` in a slot dialog and answering Yes.
void ExpectChoice(Session& session, const std::string& dialog, int slot) {
    session.Push([&session, dialog, slot](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        EXPECT_EQ(view.TemplateName(), dialog);
        view.Dialog().ListSetSelection(slot_id::List, slot);
        view.Press(dialog == "IDD_SAVE" ? slot_id::SaveButton : slot_id::LoadButton);
    });
    session.Push([&session](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        view.Press(platform::IDYES);
    });
}

// The names that appear in a folder, in the order they appear.
class FolderWatch {
public:
    explicit FolderWatch(const fs::path& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
        inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    }
    ~FolderWatch() { close(fd_); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        alignas(inotify_event) char buffer[8192];
        for (ssize_t n; (n = read(fd_, buffer, sizeof buffer)) > 0;) {
            for (char* p = buffer; p < buffer + n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(p);
                names.emplace_back(event->len ? event->name : "");
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int fd_;
};

TEST(PlayerSaveLoad, DialogsShowFiftyLinesAndAskOnlyForSlotsWithData) {
    GameFolder game;
    WriteGame(game, {Narration("page")}, {});
    const fs::path save = game.Root() / "save";
    const Music none;
    WriteFile(save / "save7.sav", RecordBytes("STAMP", "start.evt", 0, "title7", {}, none));
    WriteFile(save / "save8.sav",
              RecordBytes("STAMP", "start.evt", 0, "title8", {}, none, "savedatb"));
    const std::string whole = RecordBytes("STAMP", "start.evt", 0, "title9", {}, none);
    WriteFile(save / "save9.sav", whole.substr(0, whole.size() - 5)); // 22 items

    std::vector<VNString> expected;
    for (int n = 0; n < 50; ++n) {
        expected.push_back(n == 7 ? U(u8"データ7 STAMP title7") : NoData(n));
    }
    Session session;
    std::vector<VNString> saveLines;
    std::vector<VNString> loadLines;
    bool emptySlotKeptOpen = false;
    bool refusedKeptOpen = false;
    session.Push([&](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        saveLines = Lines(view);
        view.Press(resources::IDCANCEL);
    });
    session.Push([&](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        loadLines = Lines(view);
        for (const int empty : {0, 8, 9}) {
            view.Dialog().ListSetSelection(slot_id::List, empty);
            view.Press(slot_id::LoadButton); // asks nothing
        }
        emptySlotKeptOpen = view.IsOpen();
        view.Dialog().ListSetSelection(slot_id::List, 7);
        view.Press(slot_id::LoadButton); // asks; the answer is No
        refusedKeptOpen = view.IsOpen();
        view.Press(resources::IDCANCEL);
    });
    session.Push([&](platform::ModalView& view) {
        session.SeenMutable().push_back(Record(view));
        view.Press(platform::IDNO);
    });
    int step = 0;
    EXPECT_TRUE(session.Run(game, 1, AtOnce([&](int64_t now, VNPlayer& player) {
                                if (now == 20) {
                                    Command(player, cmd::Save);
                                } else if (now == 40) {
                                    Command(player, cmd::Load);
                                } else if (now == 60) {
                                    ++step;
                                    Click(player);
                                }
                            })));
    EXPECT_TRUE(session.Problems().empty());
    ASSERT_EQ(session.Seen().size(), 3u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_SAVE");
    EXPECT_EQ(session.Seen()[0].caption, U(u8"セーブ"));
    EXPECT_EQ(session.Seen()[1].templateName, "IDD_LOAD");
    EXPECT_EQ(session.Seen()[1].caption, U(u8"ロード"));
    EXPECT_EQ(session.Seen()[2].text, U(u8"ロードします。よろしいですか？"));
    EXPECT_EQ(session.Seen()[2].caption, U(u8"確認"));
    EXPECT_EQ(saveLines, expected);
    EXPECT_EQ(loadLines, expected);
    EXPECT_TRUE(emptySlotKeptOpen);
    EXPECT_TRUE(refusedKeptOpen);
    EXPECT_EQ(step, 1);
}

TEST(PlayerSaveLoad, SavingToSlotThreeWritesThreeFilesInOrderWithTheRecordOfTheTable) {
    GameFolder game;
    game.WriteIni(picturetest::kSmallScreenIni);
    const picturetest::Pictures pictures(game.Root());
    WriteGame(game,
              {Title("chapter"), SetFade(2, 300, 4, 800), picturetest::Background("bg.bmp"),
               picturetest::Chara("c.png", "cm.png", 2, 1), Midi("theme.mid", 1), Mp3("field.mp3"),
               Cdda(4), Midi("", 0), SetParam("x", "5", 0, "0"), SetParam("g", "6", 0, "0"),
               Narration("page")},
              {{"g", 0}}, {{"x", 0}, {"y", -3}});
    constexpr int32_t kPage = 10;
    FolderWatch watch(game.Root() / "save");
    Session session;
    ExpectChoice(session, "IDD_SAVE", 3);
    std::vector<std::string> written;
    int64_t pageAt = -1;
    const std::time_t before = std::time(nullptr);
    EXPECT_TRUE(session.Run(game, 1, AtOnce([&](int64_t now, VNPlayer& player) {
                                if (PcOf(player) == kPage && pageAt < 0) {
                                    pageAt = now;
                                } else if (pageAt >= 0 && now == pageAt + 20) {
                                    Command(player, cmd::Save);
                                } else if (pageAt >= 0 && now == pageAt + 40) {
                                    written = watch.Names();
                                    Click(player);
                                }
                            })));
    const std::time_t after = std::time(nullptr);
    EXPECT_TRUE(session.Problems().empty());
    ASSERT_EQ(session.Seen().size(), 2u);
    EXPECT_EQ(session.Seen()[1].text, U(u8"セーブします。よろしいですか？"));
    EXPECT_EQ(session.Seen()[1].caption, U(u8"確認"));

    // Each file is renamed into place once complete: one arrival each.
    std::vector<std::string> arrivals;
    for (const std::string& name : written) {
        if (name.rfind("save3.", 0) == 0 || name == "global.flg") {
            arrivals.push_back(name);
        }
    }
    // The global parameters first, the record (which names the slot's
    // parameter file by its check value) last.
    EXPECT_EQ(arrivals, (std::vector<std::string>{"global.flg", "save3.flg", "save3.sav"}));

    // The MIDI music was stopped by an empty name: the record names none.
    const Music music{"", "field.mp3", 4};
    // The background with the background fade kind 4; the character on the
    // right (layer 3, 80 - 16 across), centred upright ((60 - 24) / 2) with
    // the character fade kind 2.
    const std::map<int, std::string> layers = {{0, "bg.bmp,,4,0,0,100,100,0,0,0,255"},
                                               {3, "c.png,cm.png,2,64,18,100,100,0,0,0,255"}};
    const std::string record = ReadFile(game.Root() / "save/save3.sav");
    const std::string check =
        Int(static_cast<int32_t>(ParamFileCheck(ReadFile(game.Root() / "save/save3.flg"))));
    EXPECT_TRUE(record == RecordBytes(StampAt(before), "start.evt", kPage, "chapter",
                                      {2, 300, 4, 800}, music, "savedata", layers) +
                              check ||
                record == RecordBytes(StampAt(after), "start.evt", kPage, "chapter",
                                      {2, 300, 4, 800}, music, "savedata", layers) +
                              check);
    const auto slotParams = game.ReadParams("save3.flg");
    EXPECT_EQ(slotParams.size(), 2u);
    EXPECT_EQ(slotParams.at("x"), 5);
    EXPECT_EQ(slotParams.at("y"), -3);
    EXPECT_EQ(game.ReadParams("global.flg").at("g"), 6);
}

TEST(PlayerSaveLoad, EachFileThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
    struct Case {
        const char* blocked; // made a folder before the save
        const char8_t* message;
        bool flgWritten;
        bool savWritten;
    };
    const Case cases[] = {
        {"save3.flg", u8"save3.flg に書き込めませんでした。", false, false},
        {"save3.sav", u8"save3.sav に書き込めませんでした。", true, false},
        {"global.flg", u8"global.flg に書き込めませんでした。", false, false},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, {Narration("page"), SetParam("after", "1", 0, "0")}, {{"after", 0}},
                  {{"x", 1}});
        const fs::path save = game.Root() / "save";
        WriteFile(save / "save3.flg", "old flg");
        WriteFile(save / "save3.sav", "old sav");
        Session session;
        ExpectChoice(session, "IDD_SAVE", 3);
        bool flgWritten = false;
        bool savWritten = false;
        session.Push([&](platform::ModalView& view) {
            session.SeenMutable().push_back(Record(view));
            // What the save had written when it stopped.
            flgWritten = fs::is_regular_file(save / "save3.flg") &&
                         ReadFile(save / "save3.flg") != "old flg";
            savWritten = fs::is_regular_file(save / "save3.sav") &&
                         ReadFile(save / "save3.sav") != "old sav";
            view.Press(1);
        });
        if (std::string(c.blocked) == "global.flg") {
            session.ExpectReport(); // written again at the end, and failing again
        }
        EXPECT_EQ(session.Run(game, 1, AtOnce([&](int64_t now, VNPlayer& player) {
                                  if (now == 10) {
                                      fs::remove(save / c.blocked);
                                      fs::create_directories(save / c.blocked / "inside");
                                      Command(player, cmd::Save);
                                  } else if (now == 40) {
                                      Click(player);
                                  }
                              })),
                  std::string(c.blocked) != "global.flg")
            << c.blocked;
        EXPECT_TRUE(session.Problems().empty()) << c.blocked;
        ASSERT_GE(session.Seen().size(), 3u) << c.blocked;
        EXPECT_EQ(session.Seen()[2].templateName, "IDD_SAVEERROR");
        EXPECT_EQ(session.Seen()[2].fields.at(1004),
                  U(c.message) + ReportHelpText(ReportKind::SaveError, PlayerEdition::Play));
        EXPECT_EQ(flgWritten, c.flgWritten) << c.blocked;
        EXPECT_EQ(savWritten, c.savWritten) << c.blocked;
        // The game went on after the report.
        if (std::string(c.blocked) != "global.flg") {
            EXPECT_EQ(game.ReadParams("global.flg").at("after"), 1) << c.blocked;
        }
    }
}

TEST(PlayerSaveLoad, ALoadWaitsForTheMessageClickAndResumesTheSavedMessageWithItsState) {
    GameFolder game;
    game.WriteIni(picturetest::kSmallScreenIni);
    const picturetest::Pictures pictures(game.Root());
    WriteGame(game,
              {Title("first"), SetFade(1, 200, 3, 400), picturetest::Background("bg.bmp"),
               picturetest::Chara("a.bmp", "am.bmp", 0, 0), Midi("theme.mid", 0), Mp3("field.mp3"),
               Cdda(2), SetParam("x", "7", 0, "0"),
               Narration("saved page"), // 8: saved here, to slot 1
               Title("second"), SetFade(0, 0, 0, 0), picturetest::Background("bg2.png"),
               Midi("", 0), Mp3("other.mp3"), Cdda(0), SetParam("x", "1", 0, "0"),
               SetParam("g", "g", 0, "1"),
               Narration("later page"), // 17: slot 1 loaded here
               SetParam("end", "1", 0, "0")},
              {{"g", 0}, {"end", 0}}, {{"x", 0}});
    Session session;
    ExpectChoice(session, "IDD_SAVE", 1);
    ExpectChoice(session, "IDD_LOAD", 1);
    constexpr int32_t kSaved = 8;
    constexpr int32_t kLater = 17;
    int arrivalsAtSavedPage = 0;
    bool saveAsked = false;
    bool awaitingScreen = false;
    int32_t lastPc = -1;
    int64_t loadChosenAt = -1;
    bool waitedForClick = false;
    struct Restored {
        VNString title, midi, mp3, status;
        std::array<int32_t, 4> fades{};
        std::array<VNString, 11> layers;
        int32_t cd = -1, x = -1, g = -1;
        bool midiLoops = false;
    } restored;
    int64_t actAt = -1;
    std::string resumedText;
    EXPECT_TRUE(session.Run(
        game, 1, AtOnce([&](int64_t now, VNPlayer& player) {
            const int32_t pc = PcOf(player);
            if (pc != lastPc) {
                lastPc = pc;
                actAt = now + 20;
                // After the load the saved page comes back once the screen has.
                awaitingScreen = pc == kSaved && ++arrivalsAtSavedPage == 2;
                return;
            }
            if (awaitingScreen && player.Context().LastStatus() == U(u8"ロードしました。")) {
                awaitingScreen = false;
                actAt = now + 20;
                VNParamFile* table = nullptr;
                int32_t index = -1;
                restored.title = player.GetInterpreter().SaveTitle();
                restored.fades = player.GetStage().GetFades();
                restored.midi = player.GetSound().MidiFile();
                restored.mp3 = player.GetSound().Mp3File();
                restored.cd = player.GetSound().CdTrack();
                restored.status = player.Context().LastStatus();
                restored.midiLoops =
                    player.GetSound().Output()->State(platform::SoundSlot::Midi).loop;
                for (int32_t i = 0; i < 11; ++i) {
                    restored.layers[static_cast<size_t>(i)] =
                        player.GetStage().GetLayer(i).Describe();
                }
                if (player.GetInterpreter().FindParameter(VNString("x"), table, index)) {
                    restored.x = table->GetValue(index);
                }
                if (player.GetInterpreter().FindParameter(VNString("g"), table, index)) {
                    restored.g = table->GetValue(index);
                }
            }
            if (now != actAt || awaitingScreen) {
                return;
            }
            if (pc == kSaved && !saveAsked) {
                saveAsked = true;
                Command(player, cmd::Save); // the dialog opens within this wait
                actAt = now + 20;           // then the click
            } else if (pc == kLater && loadChosenAt < 0) {
                Command(player, cmd::Load);
                loadChosenAt = now;
                actAt = now + 200;
            } else if (pc == kLater && !waitedForClick && arrivalsAtSavedPage == 1) {
                // 200 ms after the slot was chosen nothing has been loaded yet:
                // the saved page has not come back and the title is the new one.
                waitedForClick = player.GetInterpreter().SaveTitle() == VNString("second");
                Click(player);
            } else if (pc == kSaved || pc == kLater) {
                if (pc == kSaved && arrivalsAtSavedPage == 2) {
                    resumedText = MessageOf(player).Kept(); // the saved page is back
                }
                Click(player);
            }
        })));
    EXPECT_TRUE(session.Problems().empty());
    EXPECT_TRUE(waitedForClick);
    EXPECT_EQ(arrivalsAtSavedPage, 2);
    EXPECT_EQ(resumedText, "saved page");
    EXPECT_EQ(restored.title, VNString("first"));
    EXPECT_EQ(restored.fades, (std::array<int32_t, 4>{1, 200, 3, 400}));
    // The screen of the save: the background with the background fade kind
    // 3, the character centred ((80 - 24) / 2) and standing on the bottom
    // (60 - 30) with the character fade kind 1; the other layers as made.
    std::array<VNString, 11> layers;
    layers.fill(VNString(kUntouchedLayer));
    layers[0] = VNString("bg.bmp,,3,0,0,100,100,0,0,0,255");
    layers[1] = VNString("a.bmp,am.bmp,1,28,30,100,100,0,0,0,255");
    EXPECT_EQ(restored.layers, layers);
    EXPECT_EQ(restored.midi, VNString("theme.mid"));
    EXPECT_TRUE(restored.midiLoops); // music restarts looping after a load
    EXPECT_EQ(restored.mp3, VNString("field.mp3"));
    EXPECT_EQ(restored.cd, 2);
    EXPECT_EQ(restored.status, U(u8"ロードしました。"));
    EXPECT_EQ(restored.x, 7);
    EXPECT_EQ(restored.g, 1); // global parameters are not part of a slot
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("g"), 2);
    EXPECT_EQ(global.at("end"), 1);
}

TEST(PlayerSaveLoad, ASlotThatCannotBeLoadedIsReportedAndEndsTheGame) {
    struct Case {
        const char* what;
        bool removeRecordAfterChoosing;
        bool writeFlg;
        const char* eventFile;
        std::string templateName;
        VNString message; // load errors
        int32_t index = 0;
    };
    const Case cases[] = {
        {"record gone", true, true, "start.evt", "IDD_LOADERROR",
         U(u8"save2.sav のロードに失敗しました。")},
        {"no parameters", false, false, "start.evt", "IDD_LOADERROR",
         U(u8"save2.flg のロードに失敗しました。")},
        {"event file gone", false, true, "gone.evt", "IDD_EVTLOADERROR", VNString()},
        // start.evt holds two events: index 2 is its end, 3 lies past it.
        {"position past the end", false, true, "start.evt", "IDD_LOADERROR",
         U(u8"save2.sav のロードに失敗しました。"), 3},
    };
    for (const Case& c : cases) {
        GameFolder game;
        WriteGame(game, {Narration("page"), SetParam("after", "1", 0, "0")}, {{"after", 0}},
                  {{"x", 0}});
        const fs::path save = game.Root() / "save";
        WriteFile(save / "save2.sav", RecordBytes("S", c.eventFile, c.index, "t", {}, Music{}));
        if (c.writeFlg) {
            game.WriteParams("save2.flg", {{"x", 3}});
        }
        Session session;
        ExpectChoice(session, "IDD_LOAD", 2);
        session.ExpectReport();
        EXPECT_TRUE(session.Run(game, 1, AtOnce([&](int64_t now, VNPlayer& player) {
                                    if (now == 10) {
                                        Command(player, cmd::Load);
                                    } else if (now == 30) {
                                        if (c.removeRecordAfterChoosing) {
                                            fs::remove(save / "save2.sav");
                                        }
                                        Click(player);
                                    }
                                })))
            << c.what;
        EXPECT_TRUE(session.Problems().empty()) << c.what;
        ASSERT_EQ(session.Seen().size(), 3u) << c.what;
        const SeenModal& report = session.Seen()[2];
        EXPECT_EQ(report.templateName, c.templateName) << c.what;
        if (c.templateName == "IDD_LOADERROR") {
            EXPECT_EQ(report.fields.at(1004),
                      c.message + ReportHelpText(ReportKind::LoadError, PlayerEdition::Play));
        } else {
            EXPECT_EQ(report.fields.at(1005), U(u8"ロード中"));
            EXPECT_EQ(report.fields.at(1006), VNString());
            EXPECT_EQ(report.fields.at(1015), VNString());
            EXPECT_EQ(report.fields.at(1014), VNString("gone.evt"));
            EXPECT_EQ(report.fields.at(1013), VNString());
        }
        // The game ended there; its global parameters were still written.
        EXPECT_EQ(game.ReadParams("global.flg").at("after"), 0) << c.what;
    }
}

TEST(PlayerSaveLoad, SaveAndLoadJumpsAndALoadResumesAfterTheSavePoint) {
    GameFolder game;
    WriteGame(game,
              {
                  SetParam("x", "1", 0, "0"),     // 0 local x = 1
                  Jump("SAVE", ""),               // 1 saved to slot 5
                  SetParam("x", "x", 0, "10"),    // 2 x += 10
                  SetParam("g", "g", 0, "1"),     // 3 global g += 1
                  SetParam("again", "g", 8, "1"), // 4 again = g > 1
                  Jump("", "end", 1, "again"),    // 5
                  Jump("LOAD", ""),               // 6 slot 5 loaded
                  Label("end"),                   // 7
                  SetParam("done", "x", 0, "0"),  // 8
              },
              {{"g", 0}, {"again", 0}, {"done", 0}}, {{"x", 0}});
    Session session;
    ExpectChoice(session, "IDD_SAVE", 5);
    ExpectChoice(session, "IDD_LOAD", 5);
    EXPECT_TRUE(session.Run(game));
    // No further dialog: the load went on after the save point, with the
    // local x of the save (1), so x became 11 once more.
    EXPECT_TRUE(session.Problems().empty());
    EXPECT_EQ(session.Seen().size(), 4u);
    const auto global = game.ReadParams("global.flg");
    EXPECT_EQ(global.at("g"), 2);
    EXPECT_EQ(global.at("done"), 11);
    EXPECT_EQ(game.ReadParams("save5.flg").at("x"), 1);
}

} // namespace
