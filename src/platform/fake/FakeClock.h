// A clock that records every pause instead of waiting, for protocol tests.
#pragma once

#include <chrono>
#include <numeric>
#include <vector>

#include "platform/Clock.h"

namespace tarvik::platform {

class FakeClock : public Clock {
public:
    void sleepMs(unsigned ms) override {
        pauses.push_back(ms);
        now_ += std::chrono::milliseconds(ms);
    }
    std::chrono::steady_clock::time_point now() const override { return now_; }
    unsigned totalMs() const { return std::accumulate(pauses.begin(), pauses.end(), 0u); }

    std::vector<unsigned> pauses;

private:
    std::chrono::steady_clock::time_point now_{};
};

}  // namespace tarvik::platform
