#include "platform/private/HostWindow.h"

#include "platform/private/KeyMap.h"
#include "platform/private/ViewAccessible.h"
#include "resources/VirtualKeys.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace platform::detail {

namespace {

uint32_t ModifiersOf(Qt::KeyboardModifiers modifiers) {
    uint32_t result = 0;
    if (modifiers & Qt::ShiftModifier)
        result |= MOD_SHIFT;
    if (modifiers & Qt::ControlModifier)
        result |= MOD_CONTROL;
    if (modifiers & Qt::AltModifier)
        result |= MOD_ALT;
    return result;
}

WPARAM MouseFlags(const QMouseEvent* event) {
    WPARAM flags = 0;
    if (event->buttons() & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (event->buttons() & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (event->modifiers() & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (event->modifiers() & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

} // namespace

void HostWindow::closeEvent(QCloseEvent* event) {
    // WM_CLOSE: the window's owner decides whether it goes away.
    event->ignore();
    Deliver(WM_CLOSE, 0, 0, true);
}

void HostWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (client) {
        const QPoint corner = client->mapToGlobal(QPoint(0, 0));
        Deliver(WM_MOVE, 0, MakeLParam(corner.x(), corner.y()), false);
    }
}

ClientArea::ClientArea(HostWindow& host, QWidget* parent) : QWidget(parent), host_(host) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallViewAccessibility();
}

bool ClientArea::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        const int vk = ToVirtualKey(key->key());
        if (vk == 0)
            break;
        const bool down = event->type() == QEvent::KeyPress;
        // A held key is one press that ends with its real release. Its
        // repeats come as presses with the previous-state bit set, as the
        // original system sends them. Repeated releases (the toolkit marks
        // those of X11's release-and-press pairs) are dropped; see also
        // AskForRepeatsWithoutReleases.
        if (!down && key->isAutoRepeat())
            return true;
        const bool repeat = down && (key->isAutoRepeat() || !keysDown_.insert(vk).second);
        if (!down)
            keysDown_.erase(vk);
        const bool alt = key->modifiers() & Qt::AltModifier;
        // lparam: repeat count 1, scan code, previous state, transition.
        LPARAM lParam = 1 | (static_cast<LPARAM>(key->nativeScanCode() & 0xFF) << 16);
        if (alt)
            lParam |= LPARAM(1) << 29;
        if (!down || repeat)
            lParam |= LPARAM(1) << 30;
        if (!down)
            lParam |= static_cast<LPARAM>(0x80000000u);
        const uint32_t message = alt && vk != resources::VK_MENU
                                     ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP)
                                     : (down ? WM_KEYDOWN : WM_KEYUP);
        host_.Deliver(message, static_cast<WPARAM>(vk), lParam, true,
                      ModifiersOf(key->modifiers()));
        return true; // Tab and the other keys never move the focus out
    }
    case QEvent::FocusOut:
        keysDown_.clear(); // their releases go elsewhere
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        uint32_t message = WM_MOUSEMOVE;
        if (event->type() != QEvent::MouseMove) {
            const bool press = event->type() == QEvent::MouseButtonPress;
            if (mouse->button() == Qt::LeftButton)
                message = press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
            else if (mouse->button() == Qt::RightButton)
                message = press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
            else
                return true;
        }
        const QPoint at = mouse->position().toPoint();
        host_.Deliver(message, MouseFlags(mouse), MakeLParam(at.x(), at.y()), true,
                      ModifiersOf(mouse->modifiers()));
        return true;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int turn = wheel->angleDelta().y();
        if (turn == 0)
            return true;
        const QPoint at = wheel->position().toPoint();
        host_.Deliver(WM_MOUSEWHEEL, MakeWParam(0, turn), MakeLParam(at.x(), at.y()), true,
                      ModifiersOf(wheel->modifiers()));
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        // The window class has no double-click style: a second press.
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
            host_.Deliver(mouse->button() == Qt::LeftButton ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
                          MouseFlags(mouse), MakeLParam(at.x(), at.y()), true,
                          ModifiersOf(mouse->modifiers()));
        return true;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    // The owner sees WM_PAINT first, so a picture it presents from there is
    // what this paint draws.
    painting = true;
    host_.Deliver(WM_PAINT, 0, 0, true);
    painting = false;
    QPainter painter(this);
    painter.drawImage(event->rect(), picture, event->rect());
}

} // namespace platform::detail
