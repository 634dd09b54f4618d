// Text and image-button choices in the player: the choice loop's press and
// release, the right-button cancel, the requests served inside the loop and
// the button list.
#include "MessageTestSupport.h"
#include "PlayerTestSupport.h"

#include "platform/DialogHost.h"
#include "platform/MessageBox.h"
#include "platform/WindowHost.h"
#include "player/ChoiceButtons.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"
#include "scenario/VNSaveRecord.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

using namespace playertest;
using namespace messagetest;

namespace {

// Line i of a choice lies from 335 + 26 i to 361 + 26 i (default area, line
// height 24 + 2); only y counts.
int LineY(int line) {
    return 335 + 26 * line + 13;
}

// Event 1 offers the choice; each label stores its own number in r.
std::vector<VNEvent> ChoiceGame(VNEvent choice) {
    return {Wait(10),
            std::move(choice),
            playertest::Label("one"),
            SetParam("r", "1", 0, "0"),
            Jump("", "end"),
            playertest::Label("two"),
            SetParam("r", "2", 0, "0"),
            Jump("", "end"),
            playertest::Label("three"),
            SetParam("r", "3", 0, "0"),
            Jump("", "end"),
            playertest::Label("cancel"),
            SetParam("r", "9", 0, "0"),
            playertest::Label("end")};
}

struct Step {
    int64_t after; // ms after the choice appeared
    std::function<void(VNPlayer&)> act;
};

// Runs the game; `steps` act at their times after event 1 began. Returns r
// (-1 when the game did not end normally).
int32_t Play(GameFolder& game, const std::vector<Step>& steps,
             std::function<void(int64_t, VNPlayer&)> look = nullptr) {
    game.WriteIni(kIni);
    Session session;
    Schedule schedule;
    bool scheduled = false;
    if (!session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            if (!scheduled && PcOf(player) == 1) {
                scheduled = true;
                for (const Step& step : steps) {
                    schedule.At(now + step.after, step.act);
                }
            }
            schedule.Run(now, player);
            if (look) {
                look(now, player);
            }
            // A game that waits for ever fails the test instead of hanging.
            if (now > 100000) {
                player.Window()->Close();
            }
        })) {
        return -1;
    }
    return game.ReadParams("global.flg").at("r");
}

std::function<void(VNPlayer&)> MoveTo(int x, int y) {
    return [=](VNPlayer& p) { Move(p, x, y); };
}
std::function<void(VNPlayer&)> PressAt(int x, int y) {
    return [=](VNPlayer& p) { Press(p, x, y); };
}
std::function<void(VNPlayer&)> ReleaseAt(int x, int y) {
    return [=](VNPlayer& p) { Release(p, x, y); };
}
std::function<void(VNPlayer&)> ClickAt(int x, int y) {
    return [=](VNPlayer& p) { Click(p, x, y); };
}

} // namespace

TEST(PlayerChoice, SelectChoosesTheLineUnderThePointerAtTheRelease) {
    struct Case {
        const char* name;
        const char8_t* third;
        std::vector<Step> steps;
        int32_t chosen;
    };
    const Case cases[] = {
        {"a click on the first line", u8"", {{20, ClickAt(100, LineY(0))}}, 1},
        {"pressed over one line, released over another",
         u8"",
         {{20, PressAt(100, LineY(0))},
          {40, MoveTo(300, LineY(1))},
          {60, ReleaseAt(300, LineY(1))}},
         2},
        {"released over no line chooses nothing",
         u8"",
         {{20, PressAt(100, LineY(0))},
          {40, ReleaseAt(100, LineY(5))},
          {80, ClickAt(100, LineY(1))}},
         2},
        {"an empty third text offers two lines",
         u8"",
         {{20, ClickAt(100, LineY(2))}, {60, ClickAt(100, LineY(0))}},
         1},
        {"a third text offers three", u8"さん", {{20, ClickAt(100, LineY(2))}}, 3},
        {"only y counts", u8"", {{20, ClickAt(630, LineY(1))}}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        WriteGame(game, ChoiceGame(Select(u8"はい", "one", u8"いいえ", "two", c.third, "three")),
                  {{"r", 0}});
        EXPECT_EQ(Play(game, c.steps), c.chosen);
    }
}

// Keys by letter (Up, Down, Left, Right, Enter, Space); 'h' holds Down (a
// press, an auto-repeated press, the release), 'm' moves the pointer onto
// line 1 and '|' waits 20 ms.
std::vector<Step> KeySteps(const std::string& script) {
    using namespace platform;
    const std::map<char, int> vks = {{'U', resources::VK_UP},     {'D', resources::VK_DOWN},
                                     {'L', resources::VK_LEFT},   {'R', resources::VK_RIGHT},
                                     {'E', resources::VK_RETURN}, {'S', resources::VK_SPACE}};
    std::vector<Step> steps;
    int64_t at = 20;
    for (const char c : script) {
        at += c == '|' ? 20 : 0;
        steps.push_back({at, [=](VNPlayer& p) {
                             const WindowHandle w = p.Window()->Handle();
                             if (c == 'm')
                                 Move(p, 100, LineY(1));
                             if (c == 'h')
                                 for (const bool down : {true, true, false}) // a repeat between
                                     PostKey(w, resources::VK_DOWN, down);
                             if (vks.count(c))
                                 Key(p, vks.at(c));
                         }});
    }
    return steps;
}

TEST(PlayerChoice, KeysPointAndChooseLinesAndButtonsInReadingOrder) {
    // Listed out of reading order: "one" below, "two" top right, "three"
    // top left, so the keys go three, two, one.
    const char* buttons = "one,10,200,50,20,two,100,10,50,20,three,10,10,50,20";
    struct Case {
        const char* keys;
        const char* buttons; // null: the two-line text choice
        int32_t chosen;
        bool autoMode; // Space with nothing pointed keeps its command
    };
    const Case cases[] = {
        {"DE", nullptr, 1, false},    {"US", nullptr, 2, false},  {"DDDE", nullptr, 1, false},
        {"DUE", nullptr, 2, false},   {"h|E", nullptr, 1, false}, {"ES|UE", nullptr, 2, true},
        {"D|m|E", nullptr, 2, false}, // the pointer takes over when it moves
        {"m|D|E", nullptr, 1, false}, // and not while it rests
        {"RE", buttons, 3, false},    {"DDE", buttons, 2, false}, {"LE", buttons, 1, false},
        {"RRRRE", buttons, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.keys) + (c.buttons ? " buttons" : " lines"));
        GameFolder game;
        WriteGame(game,
                  ChoiceGame(c.buttons ? BtnSelect("base.bmp", "on.bmp", "", 3, c.buttons)
                                       : Select(u8"はい", "one", u8"いいえ", "two")),
                  {{"r", 0}});
        bool autoMode = false;
        uint32_t presses = 0;
        EXPECT_EQ(Play(game, KeySteps(c.keys),
                       [&](int64_t, VNPlayer& p) {
                           autoMode = p.Window()->AutoMode();
                           presses = p.Window()->PressCount();
                       }),
                  c.chosen);
        EXPECT_EQ(autoMode, c.autoMode);
        EXPECT_EQ(presses, 0u); // keys in a choice are no clicks
    }
}

TEST(PlayerChoice, APressHeldWhenTheChoiceAppearsDoesNotChoose) {
    GameFolder game;
    WriteGame(game, ChoiceGame(Select(u8"はい", "one", u8"いいえ", "two")), {{"r", 0}});
    game.WriteIni(kIni);
    Session session;
    Schedule schedule;
    bool pressed = false;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (!pressed && now >= 3) {
            pressed = true; // the press ends the wait before the choice
            Press(player, 100, LineY(0));
            schedule.At(now + 50, ReleaseAt(100, LineY(0)));
            schedule.At(now + 100, ClickAt(100, LineY(1)));
        }
        schedule.Run(now, player);
    }));
    EXPECT_EQ(game.ReadParams("global.flg").at("r"), 2);
}

TEST(PlayerChoice, SelectShowsItsColoursStatusAndBacklogLine) {
    GameFolder game;
    WriteGame(game,
              {messagetest::Narration(u8"前"), Select(u8"はい", "one", u8"いいえ", "two"),
               playertest::Label("one"), playertest::Label("two"), Wait(5)},
              {});
    game.WriteIni(kIni);
    Session session;
    Schedule schedule;
    bool started = false;
    VNString status;
    std::vector<VNString> backlog;
    const uint32_t selected = RgbOf(255, 32, 255), unselected = RgbOf(128, 128, 128);
    const auto lineHolds = [](VNPlayer& p, int line, uint32_t rgb) {
        return Holds(p.Window()->BackBuffer(), 19, 335 + 26 * line, 601, 26, rgb);
    };
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (PcOf(player) == 0 && MessageOf(player).LinesDrawn() == 1 && now % 50 == 0) {
            Click(player);
        }
        if (!started && PcOf(player) == 1) {
            started = true;
            schedule.At(now + 20, [&](VNPlayer& p) {
                // Both lines unselected, the message gone.
                EXPECT_TRUE(lineHolds(p, 0, unselected));
                EXPECT_TRUE(lineHolds(p, 1, unselected));
                EXPECT_FALSE(lineHolds(p, 0, selected));
                EXPECT_FALSE(lineHolds(p, 0, RgbOf(255, 255, 255)));
                Move(p, 50, LineY(1));
            });
            schedule.At(now + 40, [&](VNPlayer& p) {
                EXPECT_TRUE(lineHolds(p, 1, selected));
                EXPECT_FALSE(lineHolds(p, 1, unselected));
                EXPECT_TRUE(lineHolds(p, 0, unselected));
                Move(p, 50, LineY(0));
            });
            schedule.At(now + 60, [&](VNPlayer& p) {
                EXPECT_TRUE(lineHolds(p, 0, selected));
                EXPECT_FALSE(lineHolds(p, 1, selected));
                Click(p, 50, LineY(1));
            });
        }
        schedule.Run(now, player);
        if (PcOf(player) == 4 && status.IsEmpty()) {
            status = player.Context().LastStatus();
            for (int32_t i = 0; i < player.GetMessageWindow().BackLog().Count(); ++i) {
                backlog.push_back(player.GetMessageWindow().BackLog().Entry(i));
            }
        }
    }));
    EXPECT_EQ(status, VNString(u8"選択肢2番 \"いいえ\"が選択され、\r\nラベル \"two\"（行番号：4）"
                               u8"にジャンプしました。"));
    // An empty line separates the choice from the message before it.
    EXPECT_EQ(backlog, (std::vector<VNString>{VNString(u8"前\r\n"), VNString("\r\n")}));
}

// The pictures, the overlap and the right-button cancel: PlayerTextPictureTest.
TEST(PlayerChoice, ButtonChoiceEdgesCountsAndCancelLabel) {
    struct Case {
        const char* name;
        const char* cancel;
        int32_t count;
        const char* list;
        std::vector<Step> steps;
        int32_t chosen;
    };
    // Button "one" covers 10..109 x 10..59, "two" 50..149 x 20..69: they overlap.
    const char* two = "one, 10, 10, 100, 50,\ttwo,50,20,100,50";
    const Case cases[] = {
        {"right edges are outside",
         "cancel",
         2,
         two,
         {{20, ClickAt(150, 30)}, {40, ClickAt(149, 69)}},
         2},
        {"no cancel label, no cancel",
         "",
         2,
         two,
         {{20, [](VNPlayer& p) { RightButton(p, true); }},
          {30, [](VNPlayer& p) { RightButton(p, false); }},
          {50, ClickAt(60, 30)}},
         1},
        {"a count beyond the list adds nothing to point",
         "cancel",
         5,
         two,
         {{20, ClickAt(0, 0)}, {40, ClickAt(300, 300)}, {60, ClickAt(140, 65)}},
         2},
        {"a count of INT_MAX reserves nothing", "cancel", INT_MAX, two, {{20, ClickAt(60, 30)}}, 1},
        {"a negative count gives no buttons",
         "cancel",
         -1,
         two,
         {{20, ClickAt(60, 30)}, {40, [](VNPlayer& p) { RightButton(p, true); }}},
         9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        WriteGame(game, ChoiceGame(BtnSelect("base.bmp", "on.bmp", c.cancel, c.count, c.list)),
                  {{"r", 0}});
        EXPECT_EQ(Play(game, c.steps), c.chosen);
    }
}

TEST(PlayerChoice, ButtonChoiceWithoutBaseImageIsReported) {
    GameFolder game;
    WriteGame(game, ChoiceGame(BtnSelect("", "on.bmp", "cancel", 1, "one,0,0,10,10")), {{"r", 0}});
    Session session;
    session.ExpectReport();
    EXPECT_TRUE(session.Run(game));
    ASSERT_EQ(session.Seen().size(), 1u);
    EXPECT_EQ(session.Seen()[0].templateName, "IDD_MISSINGENTRY");
    EXPECT_EQ(session.Seen()[0].fields.at(1016), VNString(u8"ベースボタン画像名"));
    EXPECT_EQ(game.ReadParams("global.flg").at("r"), 0);
}

TEST(PlayerChoice, ALoadChosenDuringAChoiceLoadsAtOnceDuringAMessageAfterTheClick) {
    struct Case {
        const char* name;
        VNEvent event;
    };
    const Case cases[] = {
        {"choice", Select(u8"はい", "one", u8"いいえ", "two")},
        {"message", messagetest::Narration(u8"待つ")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameFolder game;
        game.WriteIni(kIni);
        WriteGame(game, {Wait(10), c.event, SetParam("after", "1", 0, "0")}, {{"after", 0}});
        // Slot 0 holds a save whose event file is gone: the load, once it
        // happens, reports that and ends the game at once.
        VNSaveRecord record;
        record.eventFile = VNString("gone.evt");
        ASSERT_TRUE(record.Save((game.Root() / "save" / "save0.sav").string()));
        game.WriteParams("save0.flg", {});
        Session session;
        session.Push([](platform::ModalView& view) {
            view.Dialog().ListSetSelection(resources::slot_id::List, 0);
            view.Press(resources::slot_id::LoadButton);
        });
        session.Push([](platform::ModalView& view) { view.Press(platform::IDYES); });
        session.ExpectReport();
        int64_t requested = -1, clicked = -1, last = -1;
        ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            last = now;
            const bool waiting = PcOf(player) == 1 && (c.event.GetCode() == EVENTCODE_SELECT ||
                                                       MessageOf(player).LinesDrawn() == 1);
            if (waiting && requested < 0) {
                requested = now;
                CtrlKey(player, 'L');
            }
            if (requested >= 0 && now == requested + 300) {
                clicked = now;
                Click(player);
            }
        }));
        ASSERT_GE(requested, 0);
        EXPECT_TRUE(session.Problems().empty());
        ASSERT_EQ(session.Seen().size(), 1u);
        EXPECT_EQ(session.Seen()[0].templateName, "IDD_EVTLOADERROR");
        if (c.event.GetCode() == EVENTCODE_SELECT) {
            EXPECT_LT(last, requested + 50); // at once, no click needed
            EXPECT_LT(clicked, 0);
        } else {
            EXPECT_GE(last, clicked); // only once the click ended the wait
            EXPECT_GE(clicked, 0);
        }
        // The game goes to the load instead of the next event.
        EXPECT_EQ(game.ReadParams("global.flg").at("after"), 0);
    }
}

TEST(PlayerChoice, BacklogOpensInsideTheChoiceWithTheLastFiftyPieces) {
    // 51 pieces pass in skip mode, then the choice adds its empty line: the
    // backlog keeps pieces 3 to 51 and the empty line.
    std::vector<VNEvent> events;
    std::string expected;
    for (int i = 1; i <= 51; ++i) {
        const std::string piece = "p" + std::to_string(i);
        events.push_back(messagetest::Narration(reinterpret_cast<const char8_t*>(piece.c_str())));
        if (i >= 3) {
            expected += piece + "\r\n";
        }
    }
    expected += "\r\n";
    events.push_back(Select(u8"はい", "end", u8"いいえ", "end"));
    events.push_back(playertest::Label("end"));
    GameFolder game;
    game.WriteIni(kIni);
    WriteGame(game, events, {});
    Session session;
    VNString shown, selected;
    bool inView = false;
    session.Push([&](platform::ModalView& view) {
        shown = Record(view).fields.at(1004);
        selected = view.Dialog().EditSelectedText(1004);
        inView = view.Dialog().EditSelectionVisible(1004);
        view.Press(2);
    });
    bool skipping = false, asked = false;
    int64_t choiceAt = -1;
    ASSERT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        if (!skipping) {
            skipping = true;
            Key(player, resources::VK_TAB);
        }
        if (PcOf(player) == 51 && choiceAt < 0) {
            choiceAt = now;
        }
        if (choiceAt >= 0 && !asked && now >= choiceAt + 20) {
            asked = true;
            Key(player, resources::VK_BACK);
        }
        if (asked && now == choiceAt + 100) {
            Click(player, 10, LineY(0));
        }
    }));
    EXPECT_EQ(shown.Bytes(), expected);
    // It opens at the newest line with text, selected.
    EXPECT_EQ(selected, VNString("p51"));
    EXPECT_TRUE(inView);
    EXPECT_TRUE(session.Problems().empty());
}

TEST(ButtonList, FiveFieldsPerButtonWithoutBlanks) {
    struct Case {
        const char* list;
        int32_t count;
        std::vector<std::tuple<std::string, int, int, int, int>> buttons;
    };
    const Case cases[] = {
        {"a,1,2,3,4", 1, {{"a", 1, 2, 3, 4}}},
        {" a , 1,\t2 ,3,4 ,b,-5,6,7,8", 2, {{"a", 1, 2, 3, 4}, {"b", -5, 6, 7, 8}}},
        {"a,1,2,3,4,b,5,6,7,8", 1, {{"a", 1, 2, 3, 4}}},
        {"a,1,2,3,4", 3, {{"a", 1, 2, 3, 4}}},
        {"a,1,2", 1, {{"a", 1, 2, 0, 0}}},
        {"a,1,2,3,4", 0, {}},
        {"a,1,2,3,4", -4, {}},
        {"a,1,2,3,4", INT_MAX, {{"a", 1, 2, 3, 4}}},
        {"", 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.list) + " x" + std::to_string(c.count));
        std::vector<std::tuple<std::string, int, int, int, int>> got;
        const ButtonList parsed = ParseButtonList(VNString(c.list), c.count);
        ASSERT_EQ(parsed.labels.size(), parsed.buttons.size());
        for (size_t i = 0; i < parsed.buttons.size(); ++i) {
            const ChoiceButton& b = parsed.buttons[i];
            got.emplace_back(parsed.labels[i].Bytes(), b.left, b.top, b.width, b.height);
        }
        EXPECT_EQ(got, c.buttons);
    }
    // A full-width blank is no blank: only half-width blanks and tabs go.
    const ButtonList wide = ParseButtonList(VNString(u8"は　い,0,0,1,1"), 1);
    ASSERT_EQ(wide.labels.size(), 1u);
    EXPECT_EQ(wide.labels[0], VNString(u8"は　い"));
    // Rectangles at the ends of the integer range are pointed without overflow.
    const std::vector<ChoiceButton> far = {{INT_MAX - 5, INT_MIN, 100, 10},
                                           {INT_MIN, 0, INT_MAX, 10}};
    EXPECT_EQ(PointedButton(far, INT_MAX - 1, INT_MIN + 5), 0);
    EXPECT_EQ(PointedButton(far, INT_MAX - 6, INT_MIN + 5), -1);
    // The second reaches from INT_MIN to just before -1.
    EXPECT_EQ(PointedButton(far, -2, 5), 1);
    EXPECT_EQ(PointedButton(far, -1, 5), -1);
    EXPECT_EQ(PointedButton(far, 100, 5), -1);
}
