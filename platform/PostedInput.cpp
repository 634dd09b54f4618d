#include "platform/WindowHost.h"

#include "platform/private/AppState.h"
#include "platform/private/HostWindow.h"
#include "platform/private/KeyMap.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

// Input posted to a window as the system would deliver it (for tests).
namespace platform {

namespace {

QWidget* ClientOf(WindowHandle handle) {
    QWidget* widget = detail::ToWidget(handle);
    if (auto* host = dynamic_cast<detail::HostWindow*>(widget))
        return host->client;
    return widget;
}

Qt::KeyboardModifiers QtModifiers(bool ctrl, bool shift, bool alt) {
    Qt::KeyboardModifiers modifiers;
    if (ctrl)
        modifiers |= Qt::ControlModifier;
    if (shift)
        modifiers |= Qt::ShiftModifier;
    if (alt)
        modifiers |= Qt::AltModifier;
    return modifiers;
}

} // namespace

void PostKey(WindowHandle window, int virtualKey, bool down, bool ctrl, bool shift, bool alt,
             bool autoRepeat) {
    if (QWidget* target = ClientOf(window))
        QCoreApplication::postEvent(
            target,
            new QKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, detail::ToQtKey(virtualKey),
                          QtModifiers(ctrl, shift, alt), QString(), autoRepeat));
}

void PostCtrlHeld(bool held) {
    detail::PostSimulatedCtrlHeld(held);
}

void PostMouse(WindowHandle window, uint32_t message, int x, int y) {
    QWidget* target = ClientOf(window);
    if (!target)
        return;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
    switch (message) {
    case WM_LBUTTONDOWN:
        type = QEvent::MouseButtonPress, button = Qt::LeftButton, buttons = Qt::LeftButton;
        break;
    case WM_LBUTTONUP:
        type = QEvent::MouseButtonRelease, button = Qt::LeftButton;
        break;
    case WM_RBUTTONDOWN:
        type = QEvent::MouseButtonPress, button = Qt::RightButton, buttons = Qt::RightButton;
        break;
    case WM_RBUTTONUP:
        type = QEvent::MouseButtonRelease, button = Qt::RightButton;
        break;
    default:
        break;
    }
    const QPointF local(x, y);
    QCoreApplication::postEvent(target, new QMouseEvent(type, local, target->mapToGlobal(local),
                                                        button, buttons, Qt::NoModifier));
}

void PostWheel(WindowHandle window, int turn) {
    QWidget* target = ClientOf(window);
    if (!target)
        return;
    const QPointF local(0, 0);
    QCoreApplication::postEvent(target, new QWheelEvent(local, target->mapToGlobal(local), QPoint(),
                                                        QPoint(0, turn), Qt::NoButton,
                                                        Qt::NoModifier, Qt::NoScrollPhase, false));
}

void PostClose(WindowHandle window) {
    if (QWidget* widget = detail::ToWidget(window))
        QCoreApplication::postEvent(widget, new QCloseEvent);
}

} // namespace platform
