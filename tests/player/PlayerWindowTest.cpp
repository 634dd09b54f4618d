// The main window's own behaviour inside a running game: full screen with
// the picture scaled to fit and pointer positions mapped back, a game larger
// than the screen scaled down in its window, the menu items with their keys,
// the message speed radio items, and the greyed commands outside waits.
#include "PlayerTestSupport.h"

#include "platform/WindowHost.h"
#include "player/VNPWindow.h"
#include "resources/PlayerResources.h"
#include "resources/VirtualKeys.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QScreen>
#include <QWidget>

using namespace playertest;
namespace cmd = resources::player_cmd;

TEST(PlayerWindow, FullScreenScalesToFitAndMapsThePointerBack) {
    GameFolder game;
    // A 400 x 200 game on the offscreen platform's 800 x 800 screen: scale
    // min(800 / 400, 800 / 200) = 2, the picture 800 x 400 with 200-pixel
    // bars above and below.
    game.WriteIni("[game]\r\nWindowWidth=400\r\nWindowHeight=200\r\n");
    WriteGame(game, {Wait(1000)}, {});
    Session session;
    bool wasFullScreen = false;
    bool menuHidden = false;
    bool menuInBand = false;
    bool menuGoneAgain = false;
    int pointer[4] = {-1, -1, -1, -1};
    QPoint position(-1, -1); // of the client area
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        VNPWindow& window = *player.Window();
        const auto handle = window.Handle();
        if (now == 10) {
            EXPECT_EQ(window.Host().ClientWidth(), 400);
            EXPECT_EQ(window.Host().ClientHeight(), 200);
            position = reinterpret_cast<QWidget*>(handle)->geometry().topLeft();
            platform::PostKey(handle, resources::VK_RETURN, true, false, false, true); // Alt+Enter
            platform::PostKey(handle, resources::VK_RETURN, false, false, false, true);
        } else if (now == 100) {
            wasFullScreen = window.IsFullScreen() && window.Host().IsFullScreen();
            menuHidden = !window.Host().IsMenuVisible();
            EXPECT_EQ(window.Host().ClientWidth(), 800);
            EXPECT_EQ(window.Host().ClientHeight(), 800);
            platform::PostMouse(handle, platform::WM_MOUSEMOVE, 400, 300);
        } else if (now == 110) {
            pointer[0] = window.PointerX();
            pointer[1] = window.PointerY();
            platform::PostMouse(handle, platform::WM_MOUSEMOVE, 799, 599);
        } else if (now == 120) {
            pointer[2] = window.PointerX();
            pointer[3] = window.PointerY();
            platform::PostMouse(handle, platform::WM_MOUSEMOVE, 400, 0); // the top band
        } else if (now == 130) {
            menuInBand = window.Host().IsMenuVisible();
            platform::PostMouse(handle, platform::WM_MOUSEMOVE, 400, 300);
        } else if (now == 140) {
            menuGoneAgain = !window.Host().IsMenuVisible();
            platform::PostKey(handle, resources::VK_RETURN, true, false, false, true);
            platform::PostKey(handle, resources::VK_RETURN, false, false, false, true);
        } else if (now == 200) {
            EXPECT_FALSE(window.IsFullScreen());
            EXPECT_EQ(window.Host().ClientWidth(), 400);
            EXPECT_TRUE(window.Host().IsMenuVisible());
            EXPECT_EQ(reinterpret_cast<QWidget*>(handle)->geometry().topLeft(), position);
            // Back in a window, positions are the window's own.
            platform::PostMouse(handle, platform::WM_MOUSEMOVE, 30, 40);
        } else if (now == 210) {
            EXPECT_EQ(window.PointerX(), 30);
            EXPECT_EQ(window.PointerY(), 40);
        }
    }));
    EXPECT_TRUE(wasFullScreen);
    EXPECT_TRUE(menuHidden);
    EXPECT_TRUE(menuInBand);    // the pointer in the top band brings the menu
    EXPECT_TRUE(menuGoneAgain); // and the next move takes it away
    EXPECT_EQ(pointer[0], 200); // 400 / 2
    EXPECT_EQ(pointer[1], 50);  // (300 - 200) / 2
    EXPECT_EQ(pointer[2], 399); // the last pixel of the picture
    EXPECT_EQ(pointer[3], 199);
}

TEST(PlayerWindow, AGameLargerThanTheScreenIsScaledDownInItsWindowAndThePointerMappedBack) {
    // The offscreen platform's screen is 800 x 800; the client area may take
    // what the window's frame and menu bar leave of it.
    struct Case {
        int width, height;
        QPoint point; // in the client area
    } cases[] = {
        {400, 200, {30, 40}},     // fits: shown 1:1, exactly as before
        {1600, 900, {400, 225}},  // too wide: the room's width, the height follows
        {1000, 2000, {100, 300}}, // too tall: the room's height, the width follows
    };
    for (const Case& c : cases) {
        GameFolder game;
        game.WriteIni("[game]\r\nWindowWidth=" + std::to_string(c.width) +
                      "\r\nWindowHeight=" + std::to_string(c.height) + "\r\n");
        WriteGame(game, {Wait(1000)}, {});
        Session session;
        QSize client, expected;
        QPoint pointer;
        EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
            VNPWindow& window = *player.Window();
            const auto* widget = reinterpret_cast<QWidget*>(window.Handle());
            if (now == 10) {
                const QSize room = widget->screen()->availableGeometry().size() -
                                   (widget->frameGeometry().size() - widget->size()) -
                                   QSize(0, window.Host().MenuBarHeight());
                const double scale = std::min(
                    {1.0, double(room.width()) / c.width, double(room.height()) / c.height});
                expected = QSize(std::lround(c.width * scale), std::lround(c.height * scale));
                client = QSize(window.Host().ClientWidth(), window.Host().ClientHeight());
                platform::PostMouse(window.Handle(), platform::WM_MOUSEMOVE, c.point.x(),
                                    c.point.y());
            } else if (now == 20) {
                pointer = QPoint(window.PointerX(), window.PointerY());
            }
        }));
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        EXPECT_EQ(client, expected);
        // The game pixel under the point, within a pixel where it is scaled.
        const int slack = expected.width() == c.width ? 0 : 1;
        EXPECT_NEAR(pointer.x(), c.point.x() * c.width / expected.width(), slack);
        EXPECT_NEAR(pointer.y(), c.point.y() * c.height / expected.height(), slack);
    }
}

TEST(PlayerWindow, MenuItemsShowTheirKeysWhichTheWindowTranslatesItself) {
    // Each command names its key after a tab, which the menu shows at the
    // right of the item; no item carries a toolkit shortcut, so a key is
    // taken once, by the window's own accelerators.
    const std::map<std::string, std::string> expected = {
        {"セーブ(&S)", "Ctrl+S"},
        {"ロード(&L)", "Ctrl+L"},
        {"バックログ表示(&B)", "BackSpace"},
        {"スキップモード(&S)", "Tab"},
        {"オートモード(&A)", "Space"},
        {"フルスクリーン切り換え(&T)", "Alt+Enter"},
        {"高速(&H)", ""},
        {"終了(&X)", ""}};
    Session session;
    VNPWindow window(PlayerEdition::Play, session.clock);
    ASSERT_TRUE(window.Open(VNString("keys"), 320, 240));
    std::map<std::string, std::string> keys;
    int shortcuts = 0;
    for (QAction* action : reinterpret_cast<QWidget*>(window.Handle())->findChildren<QAction*>()) {
        const QStringList parts = action->text().split(QLatin1Char('\t'));
        if (expected.count(parts[0].toStdString())) {
            keys[parts[0].toStdString()] = parts.value(1).toStdString();
        }
        shortcuts += action->shortcuts().size();
    }
    window.Shutdown();
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(shortcuts, 0);
}

TEST(PlayerWindow, SpeedItemsFormARadioGroupAndCommandsAreGreyedOutsideWaits) {
    GameFolder game;
    WriteGame(game, {Wait(100), Narration("page")}, {});
    Session session;
    bool greyedInWait = false;
    bool enabledInMessageWait = false;
    EXPECT_TRUE(session.Run(game, 5, [&](int64_t now, VNPlayer& player) {
        VNPWindow& window = *player.Window();
        auto& host = window.Host();
        if (now == 10) {
            greyedInWait = !host.IsMenuItemEnabled(cmd::Save) &&
                           !host.IsMenuItemEnabled(cmd::Load) &&
                           !host.IsMenuItemEnabled(cmd::Backlog);
            EXPECT_EQ(window.MessageSpeed(), 1);
            EXPECT_TRUE(host.IsMenuItemChecked(cmd::SpeedNormal));
            window.OnCommand(platform::MakeWParam(cmd::SpeedHigh, 0), 0);
            EXPECT_EQ(window.MessageSpeed(), 0);
            EXPECT_TRUE(host.IsMenuItemChecked(cmd::SpeedHigh));
            EXPECT_FALSE(host.IsMenuItemChecked(cmd::SpeedNormal));
            EXPECT_FALSE(host.IsMenuItemChecked(cmd::SpeedLow));
            window.OnCommand(platform::MakeWParam(cmd::SpeedHigh, 0), 0); // same speed: no change
            EXPECT_TRUE(host.IsMenuItemChecked(cmd::SpeedHigh));
        } else if (now == 200) {
            // The message wait of the narration lets the player save and load.
            enabledInMessageWait = host.IsMenuItemEnabled(cmd::Save) &&
                                   host.IsMenuItemEnabled(cmd::Load) &&
                                   host.IsMenuItemEnabled(cmd::Backlog);
            window.OnCommand(platform::MakeWParam(cmd::SkipMode, 0), 0); // ends the wait
        }
    }));
    EXPECT_TRUE(greyedInWait);
    EXPECT_TRUE(enabledInMessageWait);
}

TEST(PlayerWindow, AcceleratorsOfGreyedSaveLoadAndBacklogAreIgnored) {
    // Ctrl+S, Ctrl+L and BackSpace while their menu items are greyed leave no
    // request behind; once the items are enabled the same keys ask for them.
    // Space, whose item is never greyed, still turns auto mode on.
    GameFolder game;
    WriteGame(game, {Wait(100)}, {});
    Session session;
    bool takenWhileGreyed = true;
    bool autoModeOn = false;
    bool takenWhileEnabled = false;
    const auto press = [](platform::WindowHandle handle, int key, bool ctrl) {
        platform::PostKey(handle, key, true, ctrl);
        platform::PostKey(handle, key, false, ctrl);
    };
    EXPECT_TRUE(session.Run(game, 1, [&](int64_t now, VNPlayer& player) {
        VNPWindow& window = *player.Window();
        const auto handle = window.Handle();
        if (now == 10) {
            press(handle, 'S', true);
            press(handle, 'L', true);
            press(handle, resources::VK_BACK, false);
            press(handle, resources::VK_SPACE, false);
        } else if (now == 20) {
            takenWhileGreyed =
                window.TakeSaveRequest() || window.TakeLoadRequest() || window.TakeBacklogRequest();
            autoModeOn = window.AutoMode();
            window.SetCommandsEnabled(true);
            press(handle, 'S', true);
            press(handle, 'L', true);
            press(handle, resources::VK_BACK, false);
        } else if (now == 30) {
            takenWhileEnabled =
                window.TakeSaveRequest() && window.TakeLoadRequest() && window.TakeBacklogRequest();
            window.SetCommandsEnabled(false);
        }
    }));
    EXPECT_FALSE(takenWhileGreyed);
    EXPECT_TRUE(autoModeOn);
    EXPECT_TRUE(takenWhileEnabled);
}
