// Change queue with an eventfd that is readable while changes are pending.
#include "session/SimulatedMonitor.h"

#include <sys/eventfd.h>
#include <unistd.h>
#include <cstdint>

namespace tarvik {

SimulatedMonitor::SimulatedMonitor() : fd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

SimulatedMonitor::~SimulatedMonitor() {
    if (fd_ >= 0) ::close(fd_);
}

void SimulatedMonitor::push(platform::DeviceChange change) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(std::move(change));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(fd_, &one, sizeof one);
}

std::optional<platform::DeviceChange> SimulatedMonitor::next() {
    std::lock_guard lock(mutex_);
    if (pending_.empty()) {
        std::uint64_t count = 0;  // drained: clear the descriptor's readiness
        [[maybe_unused]] ssize_t n = ::read(fd_, &count, sizeof count);
        return std::nullopt;
    }
    platform::DeviceChange change = std::move(pending_.front());
    pending_.pop_front();
    return change;
}

}  // namespace tarvik
