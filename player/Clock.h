// The time source of every wait, timer and animation of the player.
//
// Waits never ask the system for the time directly: they read a Clock, so the
// real program runs on a monotonic clock while tests drive time by hand.
#pragma once

#include <cstdint>
#include <functional>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale; only differences are meaningful.
    virtual int64_t NowMs() = 0;
    // Whether time passes while nobody reads the clock. Waits block in the
    // system between their passes only then; on a clock that moves only when
    // read, blocking would never bring the deadline nearer, so they poll.
    virtual bool RunsByItself() const { return true; }
};

// The system's monotonic clock.
class SteadyClock final : public Clock {
public:
    int64_t NowMs() override;
};

// A clock that only moves when told to. Each reading can advance it by a fixed
// step and then call an observer with the new time, so a test can let a wait
// loop run "for a while" and act (press a button, close the window) at chosen
// moments from inside that loop.
class ManualClock final : public Clock {
public:
    explicit ManualClock(int64_t start = 0) : now_(start) {}

    int64_t NowMs() override;
    bool RunsByItself() const override { return false; }

    void Set(int64_t now) { now_ = now; }
    void Advance(int64_t ms) { now_ += ms; }
    // Every reading first advances by `step` milliseconds (0: time stands still).
    void SetStepPerRead(int64_t step) { step_ = step; }
    // Called after each reading's step with the time about to be returned.
    void SetObserver(std::function<void(int64_t)> observer) { observer_ = std::move(observer); }

private:
    int64_t now_;
    int64_t step_ = 0;
    std::function<void(int64_t)> observer_;
};
