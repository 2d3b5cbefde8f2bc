// The real clock's pauses never end before the requested time (no timing targets here:
// accuracy is measured by the benchmarks).
#include <gtest/gtest.h>

#include <chrono>

#include "platform/linux/SystemClock.h"

namespace tarvik::platform {
namespace {

TEST(SystemClock, PausesNeverEndEarly) {
    SystemClock clock;
    for (unsigned ms : {0u, 1u, 2u, 3u, 5u}) {
        SCOPED_TRACE(ms);
        for (int repeat = 0; repeat < 5; ++repeat) {
            const auto before = clock.now();
            clock.sleepMs(ms);
            EXPECT_GE(clock.now() - before, std::chrono::milliseconds(ms));
        }
    }
}

}  // namespace
}  // namespace tarvik::platform
