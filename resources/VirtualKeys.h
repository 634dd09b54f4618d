// Virtual key codes of the original window system. Key messages carry them
// as their wparam, and accelerator tables name keys by them. The codes sit in
// an inline namespace of their own, so code elsewhere can take them
// unqualified (using namespace resources::keys) without the rest of
// resources::.
#pragma once

namespace resources {
inline namespace keys {

constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12; // Alt
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21; // Page Up
constexpr int VK_NEXT = 0x22;  // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_SUBTRACT = 0x6D; // the minus key
// '0'..'9' and 'A'..'Z' are their own ASCII codes.
constexpr int VK_F1 = 0x70; // VK_F1 + n for F(n+1), up to F12

} // namespace keys
} // namespace resources
