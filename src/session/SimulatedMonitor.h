// Arrival and removal notices for the simulated mouse: the program watches its descriptor as
// it watches udev's, and whoever unplugs or replugs the simulated mouse pushes the change.
#pragma once

#include <deque>
#include <mutex>

#include "platform/DeviceMonitor.h"

namespace tarvik {

class SimulatedMonitor : public platform::DeviceMonitor {
public:
    SimulatedMonitor();
    ~SimulatedMonitor() override;
    SimulatedMonitor(const SimulatedMonitor&) = delete;
    SimulatedMonitor& operator=(const SimulatedMonitor&) = delete;

    void push(platform::DeviceChange change);
    int fd() const override { return fd_; }
    std::optional<platform::DeviceChange> next() override;

private:
    int fd_ = -1;  // eventfd counting the pending changes
    std::mutex mutex_;
    std::deque<platform::DeviceChange> pending_;
};

}  // namespace tarvik
