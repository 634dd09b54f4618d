#include "platform/WindowHost.h"

#include "platform/WindowIcon.h"
#include "platform/private/AppState.h"
#include "platform/private/KeyMap.h"
#include "platform/private/MenuBar.h"
#include "platform/private/QtText.h"
#include "platform/private/ScreenArea.h"
#include "platform/private/TemplateDialog.h"
#include "resources/VirtualKeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace platform {

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

class HostWindow;

// The client area: shows the window's picture, takes mouse and keys.
class ClientArea : public QWidget {
public:
    ClientArea(HostWindow& host, QWidget* parent);
    QImage picture;
    // True while the owner handles WM_PAINT: a present made then is drawn by
    // that paint and must not ask for another one, or paint and present
    // would call each other for ever.
    bool painting = false;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    HostWindow& host_;
    // The keys that went down here and have not come up: a press of one of
    // them is a repeat.
    std::set<int> keysDown_;
};

class HostWindow : public QWidget {
public:
    HostWindow(WindowSink& sink, QWidget* parent) : QWidget(parent, Qt::Window), sink(&sink) {}

    bool Deliver(uint32_t message, WPARAM wParam, LPARAM lParam, bool fromQueue,
                 uint32_t modifiers = 0) {
        if (!sink)
            return false;
        detail::HandlerScope scope;
        Message m{detail::ToHandle(this), message, wParam, lParam, modifiers};
        return sink->OnMessage(m, fromQueue);
    }

    WindowSink* sink;
    ClientArea* client = nullptr;
    std::unique_ptr<detail::MenuBar> menu;
    bool menuVisible = false;
    bool resizable = false;
    bool fullScreen = false;
    // Where the window was and how large its client area was when it went
    // full screen.
    QPoint normalPosition;
    QSize normalFrame;
    QMargins normalMargins;
    QSize normalSize;
    QSize normalClient;
    std::map<int, QTimer*> timers;

protected:
    void closeEvent(QCloseEvent* event) override {
        // WM_CLOSE: the window's owner decides whether it goes away.
        event->ignore();
        Deliver(WM_CLOSE, 0, 0, true);
    }
    void moveEvent(QMoveEvent* event) override {
        QWidget::moveEvent(event);
        if (client) {
            const QPoint corner = client->mapToGlobal(QPoint(0, 0));
            Deliver(WM_MOVE, 0, MakeLParam(corner.x(), corner.y()), false);
        }
    }
};

ClientArea::ClientArea(HostWindow& host, QWidget* parent) : QWidget(parent), host_(host) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool ClientArea::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        const int vk = detail::ToVirtualKey(key->key());
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

struct WindowHost::Impl {
    explicit Impl(WindowSink& s) : sink(s) {}
    WindowSink& sink;
    QPointer<HostWindow> window;
};

WindowHost::WindowHost(WindowSink& sink) : impl_(std::make_unique<Impl>(sink)) {}

WindowHost::~WindowHost() {
    Destroy();
}

bool WindowHost::Create(const WindowParams& params) {
    Destroy();
    const resources::MenuSpec* menuSpec = nullptr;
    if (!params.menuName.empty()) {
        const resources::ResourceSet* resources = detail::CurrentResources();
        menuSpec = resources ? resources->FindMenu(params.menuName) : nullptr;
        if (!menuSpec)
            return false;
    }
    auto* window = new HostWindow(impl_->sink, detail::ToWidget(params.parent));
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;
    if (params.minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    if (params.resizable)
        flags |= Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
    window->setWindowTitle(detail::ToQString(params.caption));
    // An icon the program lacks leaves the program's own in the title bar.
    if (!params.iconName.empty())
        SetWindowIcon(detail::ToHandle(window), params.iconName);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (menuSpec) {
        window->menu = std::make_unique<detail::MenuBar>(*menuSpec, window, [window](int id) {
            window->Deliver(WM_COMMAND, MakeWParam(id, 0), 0, true);
        });
        layout->setMenuBar(window->menu->Widget());
        window->menuVisible = true;
    }
    window->client = new ClientArea(*window, window);
    window->client->picture = QImage(std::max(1, params.clientWidth),
                                     std::max(1, params.clientHeight), QImage::Format_RGB32);
    window->client->picture.fill(QColor::fromRgb(params.background));
    window->client->setFixedSize(params.clientWidth, params.clientHeight);
    layout->addWidget(window->client);
    window->resizable = params.resizable;
    if (!params.resizable)
        layout->setSizeConstraint(QLayout::SetFixedSize);
    if (params.x >= 0 && params.y >= 0)
        detail::MoveInside(window, QPoint(params.x, params.y), window->sizeHint(), QMargins());

    impl_->window = window;
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->show();
    window->client->setFocus(Qt::OtherFocusReason);
    return true;
}

void WindowHost::Destroy() {
    HostWindow* window = impl_->window;
    if (!window)
        return;
    window->sink = nullptr; // nothing reaches the owner any more
    for (auto& [id, timer] : window->timers)
        timer->stop();
    window->hide();
    // The window may be inside one of its own handlers: delete it later.
    window->deleteLater();
    impl_->window = nullptr;
}

WindowHandle WindowHost::Handle() const {
    return detail::ToHandle(impl_->window);
}

bool WindowHost::HasMenu() const {
    return impl_->window && impl_->window->menu;
}

void WindowHost::SetCaption(const VNString& caption) {
    if (impl_->window)
        impl_->window->setWindowTitle(detail::ToQString(caption));
}

void WindowHost::SetMenuVisible(bool visible) {
    HostWindow* window = impl_->window;
    if (!window || !window->menu)
        return;
    window->menu->Widget()->setVisible(visible);
    window->menuVisible = visible;
}

bool WindowHost::IsMenuVisible() const {
    return impl_->window && impl_->window->menuVisible;
}

int WindowHost::MenuBarHeight() const {
    HostWindow* window = impl_->window;
    if (!window || !window->menu)
        return 0;
    return window->menu->Widget()->sizeHint().height();
}

void WindowHost::CheckMenuItem(int commandId, bool checked) {
    if (impl_->window && impl_->window->menu)
        impl_->window->menu->Check(commandId, checked);
}

bool WindowHost::IsMenuItemChecked(int commandId) const {
    return impl_->window && impl_->window->menu && impl_->window->menu->IsChecked(commandId);
}

void WindowHost::EnableMenuItem(int commandId, bool enabled) {
    if (impl_->window && impl_->window->menu)
        impl_->window->menu->Enable(commandId, enabled);
}

bool WindowHost::IsMenuItemEnabled(int commandId) const {
    return impl_->window && impl_->window->menu && impl_->window->menu->IsEnabled(commandId);
}

bool WindowHost::ChooseMenuItem(int commandId) {
    return impl_->window && impl_->window->menu && impl_->window->menu->Trigger(commandId);
}

void WindowHost::SetClientSize(int width, int height) {
    HostWindow* window = impl_->window;
    if (!window)
        return;
    QImage picture(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).drawImage(0, 0, window->client->picture);
    window->client->picture = picture;
    window->client->setFixedSize(width, height);
}

int WindowHost::ClientWidth() const {
    return impl_->window ? impl_->window->client->width() : 0;
}

int WindowHost::ClientHeight() const {
    return impl_->window ? impl_->window->client->height() : 0;
}

void WindowHost::MoveTo(int x, int y) {
    if (impl_->window)
        detail::MoveInside(impl_->window, QPoint(x, y), impl_->window->frameGeometry().size(),
                           detail::FrameMargins(impl_->window));
}

int WindowHost::X() const {
    return impl_->window ? impl_->window->x() : 0;
}

int WindowHost::Y() const {
    return impl_->window ? impl_->window->y() : 0;
}

void WindowHost::SetFullScreen(bool fullScreen) {
    HostWindow* window = impl_->window;
    if (!window || fullScreen == window->fullScreen)
        return;
    window->fullScreen = fullScreen;
    QLayout* layout = window->layout();
    if (fullScreen) {
        window->normalPosition = window->pos();
        window->normalFrame = window->frameGeometry().size();
        window->normalMargins = detail::FrameMargins(window);
        window->normalSize = window->size();
        window->normalClient = window->client->size();
        // Window managers leave a window of fixed size as it is (openbox
        // refuses it full screen), so the window and its client area may
        // take any size until they are back in a window.
        layout->setSizeConstraint(QLayout::SetNoConstraint);
        for (QWidget* widget :
             {static_cast<QWidget*>(window), static_cast<QWidget*>(window->client)}) {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        window->showFullScreen();
        // Without a window manager nobody else gives it the screen. (The
        // widget's own geometry call would end its full-screen state.)
        if (QScreen* screen = window->screen(); screen && window->windowHandle())
            window->windowHandle()->setGeometry(screen->geometry());
        return;
    }
    // The sizes are fixed again before the window leaves full screen, so the
    // window manager frames it as the fixed window it was.
    window->client->setFixedSize(window->normalClient);
    if (!window->resizable) {
        window->setFixedSize(window->normalSize);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    window->showNormal();
    detail::MoveInside(window, window->normalPosition, window->normalFrame, window->normalMargins);
}

bool WindowHost::IsFullScreen() const {
    return impl_->window && impl_->window->fullScreen;
}

void WindowHost::Present(const uint32_t* bottomUpPixels, int width, int height, int x, int y, int w,
                         int h) {
    HostWindow* window = impl_->window;
    if (!window || !bottomUpPixels)
        return;
    QImage& picture = window->client->picture;
    const int left = std::max(0, x), top = std::max(0, y);
    const int right = std::min({x + w, width, picture.width()});
    const int bottom = std::min({y + h, height, picture.height()});
    if (left >= right || top >= bottom)
        return;
    for (int row = top; row < bottom; ++row) {
        const uint32_t* source = bottomUpPixels + static_cast<size_t>(height - 1 - row) * width;
        auto* target = reinterpret_cast<uint32_t*>(picture.scanLine(row));
        for (int column = left; column < right; ++column)
            target[column] = source[column] | 0xFF000000u;
    }
    if (!window->client->painting)
        window->client->update(left, top, right - left, bottom - top);
}

uint32_t WindowHost::PixelAt(int x, int y) const {
    HostWindow* window = impl_->window;
    if (!window || !window->client->picture.valid(x, y))
        return 0;
    return window->client->picture.pixel(x, y);
}

void WindowHost::SetTimer(int id, int intervalMs) {
    HostWindow* window = impl_->window;
    if (!window)
        return;
    QTimer*& timer = window->timers[id];
    if (!timer) {
        timer = new QTimer(window);
        QObject::connect(timer, &QTimer::timeout, window, [window, id] {
            window->Deliver(WM_TIMER, static_cast<WPARAM>(id), 0, true);
        });
    }
    timer->start(intervalMs);
}

void WindowHost::KillTimer(int id) {
    HostWindow* window = impl_->window;
    if (!window)
        return;
    if (auto it = window->timers.find(id); it != window->timers.end())
        it->second->stop();
}

namespace {

QWidget* ClientOf(WindowHandle handle) {
    QWidget* widget = detail::ToWidget(handle);
    if (auto* host = dynamic_cast<HostWindow*>(widget))
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

void PostClose(WindowHandle window) {
    if (QWidget* widget = detail::ToWidget(window))
        QCoreApplication::postEvent(widget, new QCloseEvent);
}

} // namespace platform
