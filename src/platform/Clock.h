// Time as the protocol sees it: every protocol pause goes through here, so tests can record
// the pauses instead of waiting for them.
#pragma once

#include <chrono>

namespace tarvik::platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(unsigned ms) = 0;
    virtual std::chrono::steady_clock::time_point now() const = 0;
};

}  // namespace tarvik::platform
