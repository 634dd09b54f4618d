// The window base class on the offscreen platform: the pump, the close
// sequence, accelerators and the arguments of the handlers.
#include "TestResources.h"

#include "platform/EventPump.h"
#include "platform/MessageBox.h"
#include "platform/ModalHook.h"
#include "platform/WindowHost.h"
#include "platform/WindowStyles.h"
#include "resources/VirtualKeys.h"
#include "window/VNDialog.h"
#include "window/VNWindowClosedException.h"
#include "window/VNWnd.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform;

namespace {

struct Call {
    std::string what;
    uintptr_t a = 0;
    intptr_t b = 0;
    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& c) {
    return out << c.what << "(" << c.a << ", " << c.b << ")";
}

class RecordingWnd : public VNWnd {
public:
    std::vector<Call> calls;
    const resources::AcceleratorTable* accelerators = nullptr;

    int PreTranslate(const Message& m) override {
        if (m.message == WM_KEYDOWN)
            calls.push_back({"pre-keydown", m.wParam, 0});
        return accelerators && TranslateAccelerator(*accelerators, m) ? 1 : 0;
    }
    void OnClose() override {
        calls.push_back({"close"});
        VNWnd::OnClose();
    }
    void OnDestroy() override { calls.push_back({"destroy"}); }
    void OnCommand(WPARAM w, LPARAM l) override { calls.push_back({"command", w, l}); }
    void OnMouseMove(WPARAM w, LPARAM l) override { calls.push_back({"mousemove", w, l}); }
    void OnLButtonDown(WPARAM w, LPARAM l) override { calls.push_back({"ldown", w, l}); }
    void OnLButtonUp(WPARAM w, LPARAM l) override { calls.push_back({"lup", w, l}); }
    void OnRButtonDown(WPARAM w, LPARAM l) override { calls.push_back({"rdown", w, l}); }
    void OnRButtonUp(WPARAM w, LPARAM l) override { calls.push_back({"rup", w, l}); }
    void OnKeyDown(int vk, LPARAM l) override {
        calls.push_back({"keydown", static_cast<uintptr_t>(vk), l});
    }
    void OnKeyUp(int vk, LPARAM l) override {
        calls.push_back({"keyup", static_cast<uintptr_t>(vk), l});
    }
    // Paints are counted apart: they come whenever the system shows the window.
    void OnPaint() override {
        ++paints;
        if (onPaint)
            onPaint();
    }
    int paints = 0;
    std::function<void()> onPaint;

    // Only the calls of one kind, for checks that ignore the rest.
    std::vector<Call> Only(const std::string& what) const {
        std::vector<Call> result;
        for (const Call& c : calls)
            if (c.what == what)
                result.push_back(c);
        return result;
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { testres::App(); }
    void TearDown() override {
        if (window.IsOpen())
            window.Close();
        PumpPending();
    }

    void Open(const char* menu = "IDR_MENU") {
        ASSERT_TRUE(window.Create(VNString(u8"テスト"), menu, "IDI_ICON", WHITE_BRUSH,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 320, 240,
                                  WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, nullptr));
        // Let the window settle (show, expose, focus) before the test acts.
        for (int i = 0; i < 5; ++i)
            window.PumpMessages();
        window.calls.clear();
    }

    RecordingWnd window;
};

TEST_F(WindowTest, PumpThrowsAtTheFirstMessageAfterTheWindowClosed) {
    const int before = VNWnd::InstanceCount();
    Open();
    const WindowHandle handle = window.Handle();
    EXPECT_EQ(VNWnd::FromHandle(handle), &window);
    EXPECT_EQ(VNWnd::InstanceCount(), before + 1);

    // An open window pumps without trouble.
    PostKey(handle, 'A', true);
    EXPECT_NO_THROW(window.PumpMessages());

    PostClose(handle);
    EXPECT_THROW(window.PumpMessages(), VNWindowClosedException);
    ASSERT_GE(window.calls.size(), 2u);
    EXPECT_EQ(window.calls[window.calls.size() - 2], Call{"close"});
    EXPECT_EQ(window.calls.back(), Call{"destroy"});
    EXPECT_FALSE(window.IsOpen());
    EXPECT_EQ(VNWnd::FromHandle(handle), nullptr);
    EXPECT_EQ(VNWnd::InstanceCount(), before);

    // The object can open a new window afterwards.
    Open();
    EXPECT_TRUE(window.IsOpen());
}

TEST_F(WindowTest, AcceleratorCommandIsStillDispatchedAsAKeyMessage) {
    Open();
    window.accelerators = VNWnd::LoadAccelerators("IDR_ACCELERATOR");
    ASSERT_NE(window.accelerators, nullptr);
    const WindowHandle h = window.Handle();

    PostKey(h, 'L', true, /*ctrl=*/true);
    PostKey(h, VK_TAB, true);
    PostKey(h, 'L', true); // no Ctrl: not an accelerator
    window.PumpMessages();

    const uintptr_t fromAccelerator = uintptr_t(1) << 16;
    std::vector<Call> expected = {
        {"pre-keydown", 'L', 0},    {"command", testres::CMD_LOAD | fromAccelerator, 0},
        {"pre-keydown", VK_TAB, 0}, {"command", testres::CMD_SKIP | fromAccelerator, 0},
        {"pre-keydown", 'L', 0},
    };
    std::vector<Call> seen;
    std::vector<Call> keys;
    for (const Call& c : window.calls) {
        if (c.what == "keydown")
            keys.push_back({"keydown", c.a, 0});
        else
            seen.push_back(c);
    }
    EXPECT_EQ(seen, expected);
    // Every key, translated or not, reached the key handler.
    EXPECT_EQ(keys, (std::vector<Call>{
                        {"keydown", 'L', 0}, {"keydown", VK_TAB, 0}, {"keydown", 'L', 0}}));
    // The command comes before the key message it was made from.
    EXPECT_EQ(window.calls[1].what, "command");
    EXPECT_EQ(window.calls[2].what, "keydown");
}

TEST_F(WindowTest, HandlersReceiveTheDocumentedArguments) {
    Open();
    const WindowHandle h = window.Handle();
    PostMouse(h, WM_LBUTTONDOWN, 12, 34);
    PostMouse(h, WM_LBUTTONUP, 13, 35);
    PostMouse(h, WM_RBUTTONDOWN, 300, 5);
    PostMouse(h, WM_RBUTTONUP, 0, 239);
    PostMouse(h, WM_MOUSEMOVE, 7, 200);
    window.PumpMessages();
    EXPECT_EQ(window.Only("ldown"), (std::vector<Call>{{"ldown", MK_LBUTTON, 12 | 34 << 16}}));
    EXPECT_EQ(window.Only("lup"), (std::vector<Call>{{"lup", 0, 13 | 35 << 16}}));
    EXPECT_EQ(window.Only("rdown"), (std::vector<Call>{{"rdown", MK_RBUTTON, 300 | 5 << 16}}));
    EXPECT_EQ(window.Only("rup"), (std::vector<Call>{{"rup", 0, 0 | 239 << 16}}));
    ASSERT_FALSE(window.Only("mousemove").empty());
    EXPECT_EQ(window.Only("mousemove").back(), (Call{"mousemove", 0, 7 | 200 << 16}));

    window.calls.clear();
    for (int vk : {VK_RETURN, VK_CONTROL, VK_SPACE, VK_BACK, int('Z')})
        PostKey(h, vk, true);
    PostKey(h, VK_RETURN, false);
    window.PumpMessages();
    std::vector<uintptr_t> downs;
    for (const Call& c : window.Only("keydown"))
        downs.push_back(c.a);
    EXPECT_EQ(downs, (std::vector<uintptr_t>{VK_RETURN, VK_CONTROL, VK_SPACE, VK_BACK, 'Z'}));
    ASSERT_EQ(window.Only("keyup").size(), 1u);
    const Call up = window.Only("keyup")[0];
    EXPECT_EQ(up.a, uintptr_t(VK_RETURN));
    // Key-up: repeat count 1, previous state and transition bits set.
    EXPECT_EQ(up.b & 0xFFFF, 1);
    EXPECT_NE(up.b & (intptr_t(1) << 30), 0);
    EXPECT_NE(up.b & static_cast<intptr_t>(0x80000000u), 0);

    // Menu items send their id with 0 in the high word; greyed ones nothing.
    window.calls.clear();
    EXPECT_TRUE(window.Host().ChooseMenuItem(testres::CMD_LOAD));
    EXPECT_FALSE(window.Host().ChooseMenuItem(testres::CMD_GREYED));
    EXPECT_EQ(window.calls, (std::vector<Call>{{"command", testres::CMD_LOAD, 0}}));
}

TEST_F(WindowTest, AHeldKeyIsOneDownItsRepeatedDownsAndOneUp) {
    // However the system repeats a held key, the window gets one key-down,
    // the repeated key-downs with bit 30 (already down) set, and one key-up.
    struct Post {
        bool down;
        bool autoRepeat;
    };
    const std::vector<std::vector<Post>> sequences = {
        // Release-and-press pairs marked as repeats (X11 as the toolkit sees it).
        {{true, false}, {false, true}, {true, true}, {false, true}, {true, true}, {false, false}},
        // Presses alone, unmarked (X11 asked to repeat without releases).
        {{true, false}, {true, false}, {true, false}, {false, false}},
    };
    Open();
    const WindowHandle h = window.Handle();
    for (const auto& sequence : sequences) {
        window.calls.clear();
        for (const Post& p : sequence)
            PostKey(h, VK_RETURN, p.down, false, false, false, p.autoRepeat);
        window.PumpMessages();
        std::vector<std::pair<std::string, bool>> keys; // message, bit 30
        for (const Call& c : window.calls)
            if (c.what == "keydown" || c.what == "keyup")
                keys.push_back({c.what, (c.b & (intptr_t(1) << 30)) != 0});
        EXPECT_EQ(keys,
                  (std::vector<std::pair<std::string, bool>>{
                      {"keydown", false}, {"keydown", true}, {"keydown", true}, {"keyup", true}}))
            << sequence.size() << " events";
    }
}

TEST_F(WindowTest, MenuMarksMoveOnlyWhenTheProgramMovesThem) {
    Open();
    WindowHost& host = window.Host();
    EXPECT_TRUE(host.IsMenuItemChecked(testres::CMD_SPEED_NORMAL));
    host.ChooseMenuItem(testres::CMD_SPEED_HIGH);
    EXPECT_FALSE(host.IsMenuItemChecked(testres::CMD_SPEED_HIGH));
    EXPECT_TRUE(host.IsMenuItemChecked(testres::CMD_SPEED_NORMAL));
    // A radio group keeps one mark.
    host.CheckMenuItem(testres::CMD_SPEED_HIGH, true);
    EXPECT_TRUE(host.IsMenuItemChecked(testres::CMD_SPEED_HIGH));
    EXPECT_FALSE(host.IsMenuItemChecked(testres::CMD_SPEED_NORMAL));
    // A check mark outside a group toggles freely.
    host.CheckMenuItem(testres::CMD_SKIP, true);
    EXPECT_TRUE(host.IsMenuItemChecked(testres::CMD_SKIP));
    host.CheckMenuItem(testres::CMD_SKIP, false);
    EXPECT_FALSE(host.IsMenuItemChecked(testres::CMD_SKIP));
    host.EnableMenuItem(testres::CMD_LOAD, false);
    EXPECT_FALSE(host.ChooseMenuItem(testres::CMD_LOAD));
}

TEST_F(WindowTest, PresentCopiesABottomUpRectangleIntoTheWindow) {
    Open(nullptr);
    // A 4 x 3 picture, bottom row first in memory; pixel value = 0x10 * row + column
    // where row counts from the top.
    std::vector<uint32_t> pixels(12);
    for (int top = 0; top < 3; ++top)
        for (int x = 0; x < 4; ++x)
            pixels[static_cast<size_t>((2 - top) * 4 + x)] = static_cast<uint32_t>(0x10 * top + x);
    window.Host().Present(pixels.data(), 4, 3, 1, 1, 2, 2);
    EXPECT_EQ(window.Host().PixelAt(1, 1), 0xFF000011u);
    EXPECT_EQ(window.Host().PixelAt(2, 2), 0xFF000022u);
    EXPECT_EQ(window.Host().PixelAt(0, 0), 0xFFFFFFFFu); // outside the rectangle: still white
    EXPECT_EQ(window.Host().PixelAt(3, 1), 0xFFFFFFFFu);
}

TEST_F(WindowTest, PresentingFromThePaintHandlerDoesNotAskForAnotherPaint) {
    Open(nullptr);
    // The handler shows its whole picture again, as a window that keeps a
    // back buffer may do on every paint.
    const std::vector<uint32_t> picture(320 * 240, 0x00336699u);
    window.onPaint = [&] { window.Host().Present(picture.data(), 320, 240, 0, 0, 320, 240); };
    window.Host().Present(picture.data(), 320, 240, 0, 0, 10, 10); // asks for one paint
    for (int i = 0; i < 5; ++i)
        window.PumpMessages();
    EXPECT_GE(window.paints, 1);
    EXPECT_EQ(window.Host().PixelAt(319, 239), 0xFF336699u);
    // Settled: nothing is pending any more, and no paint follows.
    const int paints = window.paints;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(PumpPending(), 0) << i;
    EXPECT_EQ(window.paints, paints);
}

TEST_F(WindowTest, ClosingTheMainWindowEndsRunningModalWindows) {
    Open();
    ModalHook hook;
    VNDialog dialog;
    hook.Push([this](ModalView& view) {
        EXPECT_EQ(view.TemplateName(), "IDD_TEST");
        window.Close(); // as the confirmed close of the main window does
    });
    EXPECT_EQ(dialog.ShowModal(VNString(u8"報告"), "IDD_TEST", window.Handle()), 0);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_EQ(VNDialog::InstanceCount(), 0);
    EXPECT_TRUE(hook.Problems().empty()) << hook.Problems().front();

    RepeatingTimer ticks;
    ticks.Start(1);
    EXPECT_THROW(window.WaitMessages(), VNWindowClosedException);
}

TEST_F(WindowTest, ClosingTheMainWindowEndsARunningMessageBox) {
    Open();
    ModalHook hook;
    hook.Push([this](ModalView&) { window.Close(); });
    EXPECT_EQ(ShowMessage(window.Handle(), VNString(u8"終了してもよろしいですか？"),
                          VNString(u8"確認"), MsgButtons::OkCancel, MsgIcon::Question),
              IDCANCEL);
    EXPECT_TRUE(hook.Problems().empty());
}

bool OpenWindow(VNWnd& window, const char* menu) {
    return window.Create(VNString(u8"テスト"), menu, "IDI_ICON", WHITE_BRUSH, CW_USEDEFAULT,
                         CW_USEDEFAULT, 320, 240, WS_CAPTION | WS_SYSMENU, 0, nullptr);
}

TEST(WindowDeathTest, MisuseStopsWithTheAssertionTexts) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            testres::App();
            VNWnd window;
            OpenWindow(window, nullptr);
            OpenWindow(window, nullptr);
        },
        "! is_open");
    EXPECT_DEATH(
        {
            testres::App();
            VNWnd window;
            OpenWindow(window, "IDR_NOSUCHMENU");
        },
        "hMenu != NULL");
    EXPECT_DEATH(
        {
            testres::App();
            auto window = std::make_unique<VNWnd>();
            OpenWindow(*window, nullptr);
            window.reset();
        },
        "hWnd == NULL");
}

} // namespace
