// Window style numbers of the original system, accepted by the window base
// class's create operation.
#pragma once

#include <cstdint>

namespace platform {

constexpr uint32_t WS_OVERLAPPED = 0x00000000u;
constexpr uint32_t WS_POPUP = 0x80000000u;
constexpr uint32_t WS_CAPTION = 0x00C00000u;
constexpr uint32_t WS_SYSMENU = 0x00080000u;
constexpr uint32_t WS_THICKFRAME = 0x00040000u;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000u;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000u;
constexpr uint32_t WS_EX_TOPMOST = 0x00000008u;

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000u);

// Stock background brushes.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;

} // namespace platform
