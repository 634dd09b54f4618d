#include "platform/private/ScreenArea.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <utility>
#include <vector>

namespace platform::detail {

namespace {

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Watches frame margins (see ReplaceWhenDecorated).
class DecorationWatch : public QObject {
public:
    DecorationWatch(QWidget* window, QWidget* owner, std::function<void()> place)
        : QObject(window), place_(std::move(place)) {
        for (QWidget* watched : {window, owner}) {
            if (watched) {
                watched_.push_back({watched, FrameMargins(watched)});
                watched->installEventFilter(this);
            }
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::Move && event->type() != QEvent::Resize) {
            return false;
        }
        bool changed = false;
        for (auto& [window, margins] : watched_) {
            if (!window || window->isFullScreen()) {
                return false;
            }
            if (window == object && FrameMargins(window) != margins) {
                margins = FrameMargins(window);
                changed = true;
            }
        }
        if (changed) {
            place_();
        }
        return false;
    }

private:
    std::function<void()> place_;
    std::vector<std::pair<QPointer<QWidget>, QMargins>> watched_;
};

} // namespace

ScreenRect AvailableArea(const QWidget* window) {
    QScreen* screen = window ? window->screen() : nullptr;
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? ToScreenRect(screen->availableGeometry()) : ScreenRect{0, 0, 640, 480};
}

QMargins FrameMargins(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

ScreenRect FrameOf(const QWidget* window) {
    return ToScreenRect(window->frameGeometry());
}

void MoveInside(QWidget* window, QPoint wanted, QSize frameSize, const QMargins& margins) {
    const ScreenPoint at = KeepInside(AvailableArea(window), wanted.x(), wanted.y(),
                                      frameSize.width(), frameSize.height());
    // The toolkit moves a shown window by its client area, keeping the
    // frame it has at this moment around it.
    const QPoint client(at.x + margins.left(), at.y + margins.top());
    if (client != window->geometry().topLeft()) {
        window->move(client - (window->geometry().topLeft() - window->pos()));
    }
}

void ReplaceWhenDecorated(QWidget* window, std::function<void()> place, QWidget* owner) {
    new DecorationWatch(window, owner, std::move(place));
}

} // namespace platform::detail
