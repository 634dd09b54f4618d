// On the offscreen platform (tests, scripted runs) no one can see or answer a
// modal window: it would wait for ever. Outside a test's modal hook such a
// window goes to standard error as one line instead and counts as closed.
#pragma once

#include "scenario/VNString.h"

#include <string>

namespace platform::detail {

// True when modal windows cannot be seen or answered.
bool ModalWindowsUnseen();
// Writes "program: [caption] text" as one line (line breaks become blanks).
void ReportUnseenWindow(const VNString& caption, const std::string& utf8Text);

} // namespace platform::detail
