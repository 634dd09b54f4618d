#include "platform/WindowHost.h"

#include "platform/WindowIcon.h"
#include "platform/private/HostWindow.h"
#include "platform/private/QtText.h"
#include "platform/private/ScreenArea.h"

#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace platform {

using detail::ClientArea;
using detail::HostWindow;

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
    window->hide();
    // The window may be inside one of its own handlers: delete it later.
    window->deleteLater();
    impl_->window = nullptr;
}

WindowHandle WindowHost::Handle() const {
    return detail::ToHandle(impl_->window);
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

void WindowHost::SetMenuItemText(int commandId, const VNString& text) {
    if (impl_->window && impl_->window->menu)
        impl_->window->menu->SetText(commandId, QString::fromStdString(text.ToUtf8Lossy()));
}

void WindowHost::PopUpMenu() {
    HostWindow* window = impl_->window;
    if (!window || !window->menu) {
        return;
    }
    // The bar's own actions: a choice gives the same command, and the check
    // marks and greyed items are the bar's.
    QMenu popup(window);
    popup.addActions(window->menu->Widget()->actions());
    popup.exec(window->mapToGlobal(window->rect().center()));
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

} // namespace platform
