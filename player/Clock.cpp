#include "player/Clock.h"

#include <chrono>

int64_t SteadyClock::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t ManualClock::NowMs() {
    now_ += step_;
    if (observer_) {
        // The observer may move the clock itself (Set/Advance); report the
        // time as it stands afterwards.
        observer_(now_);
    }
    return now_;
}
