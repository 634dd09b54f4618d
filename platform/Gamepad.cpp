#include "platform/Gamepad.h"

#include "platform/private/HostWindow.h"
#include "platform/private/KeyMap.h"
#include "platform/private/TemplateDialog.h"
#include "resources/VirtualKeys.h"

#include <SDL.h>

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <map>

namespace platform {

namespace {

// While a pad is attached its buttons are read about once a frame; without
// one, a look for a newly plugged one twice a second costs nothing visible.
constexpr int kAttachedPollMs = 16;
constexpr int kDetachedPollMs = 500;

PadButton PadButtonOf(uint8_t sdlButton) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
        return PadButton::A;
    case SDL_CONTROLLER_BUTTON_B:
        return PadButton::B;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return PadButton::Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return PadButton::Down;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return PadButton::Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return PadButton::Right;
    case SDL_CONTROLLER_BUTTON_START:
        return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        return PadButton::RightShoulder;
    default:
        return PadButton::Other;
    }
}

} // namespace

PadAction PadActionOf(PadButton button, bool inDialog) {
    using namespace resources;
    switch (button) {
    case PadButton::A:
        return {PadAction::Key, VK_RETURN};
    case PadButton::B:
        return inDialog ? PadAction{PadAction::Key, VK_ESCAPE} : PadAction{PadAction::RightButton};
    case PadButton::Up:
        return {PadAction::Key, VK_UP};
    case PadButton::Down:
        return {PadAction::Key, VK_DOWN};
    case PadButton::Left:
        return {PadAction::Key, VK_LEFT};
    case PadButton::Right:
        return {PadAction::Key, VK_RIGHT};
    case PadButton::Start:
        return inDialog ? PadAction{} : PadAction{PadAction::Menu};
    case PadButton::LeftShoulder:
        return {PadAction::Key, VK_PRIOR}; // a page back
    case PadButton::RightShoulder:
        return {PadAction::Key, VK_NEXT}; // a page forward again
    case PadButton::Other:
        break;
    }
    return {};
}

struct Gamepad::Impl {
    QPointer<QWidget> window;
    std::function<void()> popUpMenu;
    bool sdlReady = false;
    std::map<SDL_JoystickID, SDL_GameController*> pads;
    QTimer timer;
    // What each pad button held now started, so its release ends the same.
    std::map<uint8_t, PadAction> held;

    void Poll();
    void Open(int deviceIndex);
    void Press(uint8_t sdlButton, bool down);
    QWidget* KeyTarget() const;
    void SendMouse(bool down);
};

Gamepad::Gamepad(WindowHandle window, std::function<void()> popUpMenu)
    : impl_(std::make_unique<Impl>()) {
    impl_->window = detail::ToWidget(window);
    impl_->popUpMenu = std::move(popUpMenu);
    // SDL's event subsystem would otherwise take over Ctrl+C.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Without a controller subsystem (no devices, a sandbox) the player is
    // simply played without one.
    impl_->sdlReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!impl_->sdlReady) {
        return;
    }
    QObject::connect(&impl_->timer, &QTimer::timeout, [impl = impl_.get()] { impl->Poll(); });
    impl_->timer.start(kDetachedPollMs);
}

Gamepad::~Gamepad() {
    impl_->timer.stop();
    for (const auto& [id, pad] : impl_->pads) {
        SDL_GameControllerClose(pad);
    }
    if (impl_->sdlReady) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) {
            SDL_Quit(); // as the sound output does when it is the last
        }
    }
}

bool Gamepad::Attached() const {
    return !impl_->pads.empty();
}

void Gamepad::Impl::Open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) {
        return;
    }
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) {
        pads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad))] = pad;
    }
}

void Gamepad::Impl::Poll() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            Open(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (auto it = pads.find(event.cdevice.which); it != pads.end()) {
                SDL_GameControllerClose(it->second);
                pads.erase(it);
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            Press(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        default:
            break;
        }
    }
    const int interval = pads.empty() ? kDetachedPollMs : kAttachedPollMs;
    if (timer.interval() != interval) {
        timer.setInterval(interval);
    }
}

QWidget* Gamepad::Impl::KeyTarget() const {
    // A modal dialog takes the keys where its focus is; else the game.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        QWidget* focus = QApplication::focusWidget();
        return focus && modal->isAncestorOf(focus) ? focus : modal;
    }
    if (auto* host = dynamic_cast<detail::HostWindow*>(window.data())) {
        return host->client;
    }
    return window;
}

void Gamepad::Impl::SendMouse(bool down) {
    auto* host = dynamic_cast<detail::HostWindow*>(window.data());
    QWidget* target = host ? host->client : window.data();
    if (!target) {
        return;
    }
    // At the pointer's place, so a choice's pointed item stays as it is.
    const QPointF local = target->mapFromGlobal(QCursor::pos());
    QCoreApplication::postEvent(
        target, new QMouseEvent(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local,
                                target->mapToGlobal(local), Qt::RightButton,
                                down ? Qt::RightButton : Qt::NoButton, Qt::NoModifier));
}

void Gamepad::Impl::Press(uint8_t sdlButton, bool down) {
    if (!window) {
        return;
    }
    PadAction action;
    if (down) {
        action = PadActionOf(PadButtonOf(sdlButton), QApplication::activeModalWidget() != nullptr);
        held[sdlButton] = action;
    } else if (auto it = held.find(sdlButton); it != held.end()) {
        action = it->second;
        held.erase(it);
    }
    switch (action.kind) {
    case PadAction::Key:
        if (QWidget* target = KeyTarget()) {
            QCoreApplication::postEvent(target,
                                        new QKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease,
                                                      detail::ToQtKey(action.key), Qt::NoModifier));
        }
        break;
    case PadAction::RightButton:
        SendMouse(down);
        break;
    case PadAction::Menu:
        if (down && popUpMenu) {
            popUpMenu();
        }
        break;
    case PadAction::None:
        break;
    }
}

} // namespace platform
