#include "platform/EventPump.h"

#include "platform/private/AppState.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

namespace platform {

namespace {

// Windows closed by their owners are deleted later; the suite's programs
// pump with processEvents, which never runs those deletions by itself. They
// run here, outside every window handler.
void DeleteClosedWindows() {
    if (detail::HandlerScope::Depth() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int PumpPending() {
    const long long before = detail::EventCount();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    DeleteClosedWindows();
    return static_cast<int>(detail::EventCount() - before);
}

int WaitForMessage(int timeoutMs) {
    const long long before = detail::EventCount();
    // A timer of our own wakes the blocked loop at the time limit.
    QTimer wake;
    if (timeoutMs >= 0) {
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        wake.start(timeoutMs);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    DeleteClosedWindows();
    return static_cast<int>(detail::EventCount() - before);
}

bool IsCtrlDown() {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier) ||
           detail::SimulatedCtrlHeld();
}

struct RepeatingTimer::Impl {
    QTimer timer;
    std::function<void()> onTick;
};

RepeatingTimer::RepeatingTimer() : impl_(std::make_unique<Impl>()) {
    QObject::connect(&impl_->timer, &QTimer::timeout, [impl = impl_.get()] {
        if (impl->onTick)
            impl->onTick();
    });
}

RepeatingTimer::~RepeatingTimer() = default;

void RepeatingTimer::Start(int intervalMs, std::function<void()> onTick) {
    impl_->onTick = std::move(onTick);
    impl_->timer.start(intervalMs);
}

void RepeatingTimer::Stop() {
    impl_->timer.stop();
}

bool RepeatingTimer::IsActive() const {
    return impl_->timer.isActive();
}

} // namespace platform
