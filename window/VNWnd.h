// The base class of the suite's top-level windows. A window turns its
// messages into calls of the virtual handlers below (in slot order); the
// program pumps messages itself (PumpMessages) while it works.
//
// Every live window is registered in one instance table of
// VNWND_WINDOWS_MAX slots, so a handle can be traced back to its object.
#pragma once

#include "platform/Handle.h"
#include "platform/Message.h"
#include "scenario/VNString.h"

#include <cstdint>
#include <memory>

namespace platform {
class WindowHost;
}
namespace resources {
struct AcceleratorTable;
}

constexpr int VNWND_WINDOWS_MAX = 256;

class VNWnd {
public:
    VNWnd();
    // The window must have been closed first ("hWnd == NULL").
    virtual ~VNWnd();
    VNWnd(const VNWnd&) = delete;
    VNWnd& operator=(const VNWnd&) = delete;

    // Slot 0: every message taken by the pump, before dispatch. A non-zero
    // result skips translation; the message is dispatched either way.
    virtual int PreTranslate(const platform::Message& message);
    // Slot 1: WM_CLOSE. The base closes the window.
    virtual void OnClose();
    // Slot 2: WM_DESTROY.
    virtual void OnDestroy();
    // Slot 3: WM_COMMAND (menu: command id, accelerator: id | 1 << 16).
    virtual void OnCommand(platform::WPARAM wParam, platform::LPARAM lParam);
    // Slot 4: WM_PAINT. The window's picture is already drawn (see Present).
    virtual void OnPaint();
    // Slot 5: WM_MOVE, the client area's new top-left corner.
    virtual void OnMove(int x, int y);
    // Slots 6 to 10: mouse messages, wparam MK_ flags, lparam x | y << 16.
    virtual void OnMouseMove(platform::WPARAM wParam, platform::LPARAM lParam);
    virtual void OnLButtonDown(platform::WPARAM wParam, platform::LPARAM lParam);
    virtual void OnLButtonUp(platform::WPARAM wParam, platform::LPARAM lParam);
    virtual void OnRButtonDown(platform::WPARAM wParam, platform::LPARAM lParam);
    virtual void OnRButtonUp(platform::WPARAM wParam, platform::LPARAM lParam);
    // Slots 11 and 12: key messages with the virtual key code.
    virtual void OnKeyDown(int virtualKey, platform::LPARAM lParam);
    virtual void OnKeyUp(int virtualKey, platform::LPARAM lParam);
    // Slot 13: WM_MOUSEWHEEL, the turn in wparam's high word.
    virtual void OnMouseWheel(platform::WPARAM wParam, platform::LPARAM lParam);

    // Makes the window (requires "! is_open"). `menuName` (may be null) names
    // a menu of the program's resources, which must exist ("hMenu != NULL").
    // x, y may be CW_USEDEFAULT; width and height are the outer size, which
    // this layer takes as the client size plus the menu bar. `iconName` (may
    // be null) names an icon of the program's resources for the title bar; a
    // name the program lacks is ignored. The window's picture starts white or
    // black after `background`. The window is shown
    // without being activated, gets the keyboard focus and is registered.
    // False when the window could not be made.
    bool Create(const VNString& caption, const char* menuName, const char* iconName, int background,
                int x, int y, int width, int height, uint32_t style, uint32_t exStyle,
                platform::WindowHandle parent);
    platform::WindowHandle Handle() const { return hWnd; }
    bool IsOpen() const { return hWnd != nullptr; }

    // Delivers the pending messages of all the program's windows without
    // waiting. Throws VNWindowClosedException when messages were delivered
    // and this window's handle is null afterwards.
    void PumpMessages();
    // Blocks until a message arrives (or, with `timeoutMs` >= 0, at most that
    // many milliseconds), then pumps like PumpMessages.
    void WaitMessages(int timeoutMs = -1);
    // Ends the program's modal dialogs, sends WM_DESTROY, removes the window
    // and its menu, and unregisters it. Nothing happens when it is closed.
    void Close();

    // Turns a key message into a command of `table`: when a key-down message
    // matches an entry, OnCommand(id | 1 << 16, 0) is called and the result
    // is true. Key-up and other messages give false.
    bool TranslateAccelerator(const resources::AcceleratorTable& table,
                              const platform::Message& message);
    // The program's accelerator table of that name, or null.
    static const resources::AcceleratorTable* LoadAccelerators(const char* name);

    // The window itself (menu items, size, full screen, picture, timers).
    // Only valid while the window is open.
    platform::WindowHost& Host();

    // The registered window with this handle, or null.
    static VNWnd* FromHandle(platform::WindowHandle handle);
    static int InstanceCount();

private:
    struct Impl;
    void Dispatch(const platform::Message& message);

    platform::WindowHandle hWnd = nullptr;
    bool hasMenu_ = false;
    bool is_open = false;
    bool registered_ = false;
    std::unique_ptr<Impl> impl_;
};
