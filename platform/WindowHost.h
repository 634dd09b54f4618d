// A top-level window for the window base class: it turns toolkit events into
// Messages for a WindowSink, shows a menu bar made from a menu resource and
// displays pictures handed to it by Present.
#pragma once

#include "platform/Handle.h"
#include "platform/Message.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class WindowSink {
public:
    virtual ~WindowSink() = default;
    // One message for the window. `fromQueue` is true for the messages a
    // pump takes (input, paint, timer, close, menu commands) and false for
    // those delivered directly (destroy, move, size). Returns false to let
    // the default processing happen.
    virtual bool OnMessage(const Message& message, bool fromQueue) = 0;
};

struct WindowParams {
    VNString caption;
    std::string menuName; // a menu of the program's resources, or empty
    std::string iconName; // an icon of the program's resources, or empty
    int x = -1, y = -1;   // -1: the system's default position; else kept on the screen
    int clientWidth = 640, clientHeight = 480;
    uint32_t background = 0xFFFFFF; // 0xRRGGBB of the picture before anything is presented
    bool resizable = false;
    bool minimizeBox = true;
    WindowHandle parent = nullptr;
};

class WindowHost {
public:
    explicit WindowHost(WindowSink& sink);
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // Makes and shows the window (without activating it) and gives it the
    // keyboard focus. False when the menu resource is missing.
    bool Create(const WindowParams& params);
    // Removes the window; its pending events are dropped.
    void Destroy();
    WindowHandle Handle() const;

    void SetMenuVisible(bool visible);
    bool IsMenuVisible() const;
    int MenuBarHeight() const;
    void CheckMenuItem(int commandId, bool checked);
    bool IsMenuItemChecked(int commandId) const;
    void EnableMenuItem(int commandId, bool enabled);
    bool IsMenuItemEnabled(int commandId) const;
    // The item's text, written as in a menu resource ("&" marks, a tab
    // before the key).
    void SetMenuItemText(int commandId, const VNString& text);
    // Chooses a menu item as the user would; false when it is missing or greyed.
    bool ChooseMenuItem(int commandId);
    // The menu bar's commands in a pop-up over the middle of the window (a
    // gamepad's way to the menu, also in full screen without a bar).
    void PopUpMenu();

    // The client area's size (its picture keeps what fits of the old one).
    void SetClientSize(int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;
    // Borderless full screen over the whole display (with or without a
    // window manager), or back to a window of the size it had, where it was.
    void SetFullScreen(bool fullScreen);
    bool IsFullScreen() const;

    // Copies a rectangle of a bottom-up BGRA picture (row 0 is the bottom
    // row, width * 4 bytes per row) to the same place of the window's
    // picture and schedules its repaint (from inside the window's WM_PAINT
    // handler it is drawn by that paint instead). The rectangle is clipped
    // to both.
    void Present(const uint32_t* bottomUpPixels, int width, int height, int x, int y, int w, int h);
    // The window's picture as top-down 0xAARRGGBB pixels (tests, screenshots).
    uint32_t PixelAt(int x, int y) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Input as the system would deliver it, for tests: the events are posted to
// the window and delivered by the next pump. `autoRepeat` marks the events of
// a key held down: X11 repeats such a key as a release and a press, both
// flagged as repeats.
void PostKey(WindowHandle window, int virtualKey, bool down, bool ctrl = false, bool shift = false,
             bool alt = false, bool autoRepeat = false);
// What the keyboard itself holds, for tests on a platform without a keyboard
// of its own (offscreen): from the delivery of this posted event on,
// IsCtrlDown reports `held`. A posted Ctrl key event alone changes only what
// the window sees, not what the system reports as held.
void PostCtrlHeld(bool held);
void PostMouse(WindowHandle window, uint32_t message, int x, int y);
// A turn of the mouse wheel: 120 a notch, away from the user above 0.
void PostWheel(WindowHandle window, int turn);
void PostClose(WindowHandle window);

} // namespace platform
