// Creates the toolkit's application object. Where no display can be opened
// (no DISPLAY or WAYLAND_DISPLAY, or a display that is not there) Qt would
// abort; instead the program says so in one line on standard error, naming
// xvfb-run and QT_QPA_PLATFORM=offscreen, and ends with status 1.
#pragma once

#include <QApplication>
#include <memory>

namespace platform::detail {

std::unique_ptr<QApplication> OpenToolkit(int& argc, char** argv);

} // namespace platform::detail
