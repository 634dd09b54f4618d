// The message pump of a program that never calls a central event loop: its
// waits pump pending messages themselves.
#pragma once

#include <functional>
#include <memory>

namespace platform {

// Delivers every pending event without waiting; returns how many events were
// delivered (0 when none was pending).
int PumpPending();
// Blocks until at least one event arrives, then delivers what is pending;
// returns the number delivered. With `timeoutMs` >= 0 it blocks at most that
// long (the wake-up itself counts as an event).
int WaitForMessage(int timeoutMs = -1);
// Whether the Ctrl key is down at this moment (in tests: held through
// PostCtrlHeld).
bool IsCtrlDown();

// A repeating timer whose ticks wake a blocked WaitForMessage. The callback
// (optional) runs inside the pump at each tick.
class RepeatingTimer {
public:
    RepeatingTimer();
    ~RepeatingTimer();
    RepeatingTimer(const RepeatingTimer&) = delete;
    RepeatingTimer& operator=(const RepeatingTimer&) = delete;

    void Start(int intervalMs, std::function<void()> onTick = {});
    void Stop();
    bool IsActive() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
