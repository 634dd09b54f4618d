// The accessible side of a window's client area (see platform/ScreenReader.h).
#pragma once

namespace platform::detail {

// Lets every client area made from now on answer a screen reader with its
// text and its list of items. Called once per client area; cheap after the
// first call.
void InstallViewAccessibility();

} // namespace platform::detail
