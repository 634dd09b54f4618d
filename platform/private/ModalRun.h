// Runs a toolkit dialog as a modal window of the suite: registered so that
// closing the main window can end it, and handed to the test hook once its
// loop runs.
#pragma once

#include "platform/ModalHook.h"

#include <QDialog>

namespace platform::detail {

struct ModalOutcome {
    int result = 0;
    bool dismissed = false; // ended by Application::EndAllModals
};

ModalOutcome RunModalDialog(QDialog& dialog, ModalView& view);

} // namespace platform::detail
