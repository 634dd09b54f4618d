// The toolkit widgets behind WindowHost: the top-level window, which hands
// its events to the window's sink as Messages, and its client area, which
// holds the window's picture (shared with the game view when that scales
// it) and turns keys and the mouse into messages.
#pragma once

#include "platform/WindowHost.h"
#include "platform/private/AppState.h"
#include "platform/private/MenuBar.h"
#include "platform/private/TemplateDialog.h"

#include <QImage>
#include <QMargins>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <memory>
#include <set>

namespace platform::detail {

class HostWindow;

// The client area: shows the window's picture, takes mouse and keys.
class ClientArea : public QWidget {
public:
    ClientArea(HostWindow& host, QWidget* parent);
    // Top-down 0xFFRRGGBB pixels, flipped from the bottom-up pictures that
    // WindowHost::Present receives.
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
        HandlerScope scope;
        Message m{ToHandle(this), message, wParam, lParam, modifiers};
        return sink->OnMessage(m, fromQueue);
    }

    WindowSink* sink;
    ClientArea* client = nullptr;
    std::unique_ptr<MenuBar> menu;
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
};

} // namespace platform::detail
