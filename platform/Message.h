// Window messages as the window classes see them: the message number, wparam
// and lparam of the original window system, so handlers keep their documented
// arguments (mouse position as x | y << 16, virtual key codes, command ids).
#pragma once

#include "platform/Handle.h"
#include "resources/VirtualKeys.h"

#include <cstdint>

namespace platform {

// Key messages carry the virtual key codes; they are platform::VK_* too.
using namespace resources::keys;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;

struct Message {
    WindowHandle window = nullptr;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    // Shift, Ctrl and Alt as they were when the message was made (the key
    // state the original system's accelerator translation reads).
    uint32_t modifiers = 0;
};

constexpr uint32_t MOD_SHIFT = 1u << 0;
constexpr uint32_t MOD_CONTROL = 1u << 1;
constexpr uint32_t MOD_ALT = 1u << 2;

constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_MOVE = 0x0003;
constexpr uint32_t WM_SIZE = 0x0005;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_DRAWITEM = 0x002B;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_INITDIALOG = 0x0110;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_TIMER = 0x0113;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
// wparam: the turn in its high word (120 a notch, away from the user above 0).
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_DROPFILES = 0x0233;

// Mouse message wparam flags.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;

// Notification codes in the high word of a control's WM_COMMAND wparam.
constexpr int BN_CLICKED = 0;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
constexpr int CBN_SELCHANGE = 1;
constexpr int EN_CHANGE = 0x0300;
constexpr int STN_CLICKED = 0;
// Not of the original system: the Delete key went down in a list box.
constexpr int LBN_DELETEKEY = 0x0100;
// F9 went down in a list box (the event list toggles a breakpoint with it).
constexpr int LBN_F9KEY = 0x0101;
// Accelerators send their command with 1 in the high word, menus with 0.
constexpr int COMMAND_FROM_ACCELERATOR = 1;

constexpr WPARAM MakeWParam(int low, int high) {
    return static_cast<WPARAM>((static_cast<uint32_t>(low) & 0xFFFFu) |
                               ((static_cast<uint32_t>(high) & 0xFFFFu) << 16));
}
constexpr LPARAM MakeLParam(int low, int high) {
    return static_cast<LPARAM>((static_cast<uint32_t>(low) & 0xFFFFu) |
                               ((static_cast<uint32_t>(high) & 0xFFFFu) << 16));
}
constexpr int LowWord(uintptr_t value) {
    return static_cast<int>(value & 0xFFFFu);
}
constexpr int HighWord(uintptr_t value) {
    return static_cast<int>((value >> 16) & 0xFFFFu);
}
// The signed coordinates packed in a mouse or move lparam.
constexpr int SignedLowWord(intptr_t value) {
    return static_cast<int16_t>(value & 0xFFFF);
}
constexpr int SignedHighWord(intptr_t value) {
    return static_cast<int16_t>((value >> 16) & 0xFFFF);
}

} // namespace platform
