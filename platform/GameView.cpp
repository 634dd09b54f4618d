#include "platform/GameView.h"

#include "platform/WindowPlacement.h"
#include "platform/private/HostWindow.h"
#include "platform/private/ScreenArea.h"
#include "platform/private/TemplateDialog.h"

#include <QApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The client area of a host window, which holds the window's picture.
detail::ClientArea* FindClient(QWidget* window) {
    auto* host = dynamic_cast<detail::HostWindow*>(window);
    return host ? host->client : nullptr;
}

} // namespace

struct GameView::Impl : QObject {
    QPointer<QWidget> window;
    QPointer<detail::ClientArea> client;
    int width;
    int height;
    bool fullScreen = false;
    bool scaled = false;     // the picture is drawn here, fitted to the client area
    bool forwarding = false; // a mapped mouse event on its way to the client
    // The view scales the window's own picture. Until the first present it
    // shows black, whatever the window's background.
    bool presented = false;

    Impl(QWidget* w, int gameWidth, int gameHeight)
        : window(w), client(FindClient(w)), width(gameWidth), height(gameHeight) {
        if (client) {
            client->installEventFilter(this);
        }
        Layout();
        if (window) {
            // Fitted again with the frame the window manager puts around
            // the window, and kept on the screen.
            detail::ReplaceWhenDecorated(window, [self = QPointer<Impl>(this)] {
                if (self) {
                    self->Layout();
                    self->KeepInside();
                }
            });
        }
    }

    // The rectangle of the client area that shows the game picture.
    QRectF Target() const {
        const QSizeF area = client ? QSizeF(client->size()) : QSizeF(width, height);
        const double scale = std::min(area.width() / width, area.height() / height);
        const QSizeF size(width * scale, height * scale);
        return QRectF(
            QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
    }

    QPoint ToGame(QPointF at) const {
        const QRectF target = Target();
        return QPoint(
            static_cast<int>(std::floor((at.x() - target.left()) * width / target.width())),
            static_cast<int>(std::floor((at.y() - target.top()) * height / target.height())));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!scaled || watched != client) {
            return false;
        }
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(client);
            painter.fillRect(client->rect(), Qt::black);
            // Enlarged pixels stay sharp; a reduced picture is smoothed so
            // that its text stays readable.
            const QRectF target = Target();
            painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < width);
            if (presented) {
                painter.drawImage(target, client->picture, QRectF(0, 0, width, height));
            }
            return true;
        }
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            if (forwarding) {
                return false;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF local = ToGame(mouse->position());
            QMouseEvent mapped(event->type(), local, mouse->globalPosition(), mouse->button(),
                               mouse->buttons(), mouse->modifiers());
            forwarding = true;
            QApplication::sendEvent(client, &mapped);
            forwarding = false;
            return true;
        }
        default:
            return false;
        }
    }

    int MenuHeight() const {
        int height = 0;
        for (QMenuBar* bar : window->findChildren<QMenuBar*>(Qt::FindDirectChildrenOnly)) {
            if (bar->isVisible()) {
                height += bar->sizeHint().height();
            }
        }
        return height;
    }

    void Layout() {
        if (!client || !window) {
            return;
        }
        if (fullScreen) {
            // The client area fills the screen below the menu bar, if shown.
            scaled = true;
            client->update();
            return;
        }
        // In a window the client area is the game's size, or the largest
        // size of the game's aspect that leaves the window's frame and menu
        // bar inside the available area.
        const QMargins frame = detail::FrameMargins(window);
        const ScreenRect area = detail::AvailableArea(window);
        const ScreenSize fit =
            FitInside(area.width - frame.left() - frame.right(),
                      area.height - frame.top() - frame.bottom() - MenuHeight(), width, height);
        const QSize size(fit.width, fit.height);
        scaled = size != QSize(width, height);
        client->setFixedSize(size);
        client->update();
    }

    void KeepInside() {
        if (!client || !window || fullScreen) {
            return;
        }
        const QMargins margins = detail::FrameMargins(window);
        const QSize frame =
            QSize(client->width(), client->height() + MenuHeight()).grownBy(margins);
        detail::MoveInside(window, window->pos(), frame, margins);
    }
};

GameView::GameView(WindowHandle window, int width, int height)
    : impl_(std::make_unique<Impl>(detail::ToWidget(window), width, height)) {}

GameView::~GameView() {
    if (impl_->client) {
        impl_->client->removeEventFilter(impl_.get());
    }
}

void GameView::SetFullScreen(bool fullScreen) {
    impl_->fullScreen = fullScreen;
    impl_->Layout();
}

void GameView::Relayout() {
    impl_->Layout();
}

void GameView::Present(int x, int y, int w, int h) {
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = std::min(x + w, impl_->width);
    const int bottom = std::min(y + h, impl_->height);
    if (left >= right || top >= bottom) {
        return;
    }
    impl_->presented = true;
    if (impl_->scaled && impl_->client) {
        impl_->client->update();
    }
}

} // namespace platform
