// Process-wide state of the platform layer, owned by the Application: the
// stack of running modal windows, the event counter behind PumpPending and
// the depth of window handlers running.
#pragma once

#include "platform/Application.h"

#include <QDialog>
#include <QPointer>
#include <vector>

namespace platform::detail {

// The application's resources; null before an Application exists.
const resources::ResourceSet* CurrentResources();
ModalHook* CurrentHook();

// Brackets a modal loop so that Application::EndAllModals can end it.
class ModalScope {
public:
    explicit ModalScope(QDialog* dialog);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
    // Whether EndAllModals ended this modal window.
    bool Dismissed() const;

private:
    QPointer<QDialog> dialog_;
};

// Number of events delivered since the application started.
long long EventCount();

// The Ctrl key of tests on a platform without a keyboard (see PostCtrlHeld):
// posted in order with the key events, held once delivered.
void PostSimulatedCtrlHeld(bool held);
bool SimulatedCtrlHeld();

// Brackets a call into a window or dialog handler.
class HandlerScope {
public:
    HandlerScope();
    ~HandlerScope();
    static int Depth();
};

} // namespace platform::detail
