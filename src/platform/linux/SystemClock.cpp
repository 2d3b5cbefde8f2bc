// Precise pauses: an absolute monotonic sleep to just before the deadline, then a short spin.
#include "platform/linux/SystemClock.h"

#include <time.h>

#include <cerrno>
#include <cstdint>

namespace tarvik::platform {
namespace {

using Nanos = std::int64_t;
constexpr Nanos kNanosPerSecond = 1'000'000'000;

Nanos monotonicNow() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos{ts.tv_sec} * kNanosPerSecond + ts.tv_nsec;
}

timespec toTimespec(Nanos t) {
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(t / kNanosPerSecond);
    ts.tv_nsec = static_cast<long>(t % kNanosPerSecond);
    return ts;
}

// Absolute sleep: a signal interrupting it simply resumes towards the same instant.
void sleepUntil(Nanos wakeAt) {
    const timespec ts = toTimespec(wakeAt);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) {
    }
}

}  // namespace

void SystemClock::sleepMs(unsigned ms) {
    if (ms == 0) return;
    const Nanos start = monotonicNow();
    const Nanos deadline = start + Nanos{ms} * 1'000'000;
    const Nanos wakeAt = deadline - std::chrono::nanoseconds(kSpinMargin).count();
    if (wakeAt > start) sleepUntil(wakeAt);
    while (monotonicNow() < deadline) {
    }
}

std::chrono::steady_clock::time_point SystemClock::now() const { return std::chrono::steady_clock::now(); }

}  // namespace tarvik::platform
