// The real clock: protocol pauses that never end early and overshoot by only a few
// microseconds, so a long sequence of 2-3 ms pauses takes the time it adds up to.
#pragma once

#include <chrono>

#include "platform/Clock.h"

namespace tarvik::platform {

class SystemClock : public Clock {
public:
    // Sleeps on the monotonic clock until shortly before the deadline, then spins the rest:
    // a plain sleep wakes up late by the timer slack and scheduling delay (often 50-100 us),
    // which over ~100 pauses of a full apply would add several percent.
    void sleepMs(unsigned ms) override;
    std::chrono::steady_clock::time_point now() const override;

    // How long before the deadline the sleep ends and the spin takes over.
    static constexpr std::chrono::microseconds kSpinMargin{150};
};

}  // namespace tarvik::platform
