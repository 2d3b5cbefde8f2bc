// The mouse as a program sees it: hidraw with udev hotplug, or the simulated firmware with
// its own change notices, over the precise clock, optionally behind the wire log. Shared by
// tarvik and tarvikctl so both talk to the mouse the same way.
#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "device/DeviceLink.h"
#include "device/WireLog.h"
#include "platform/Clock.h"
#include "platform/DeviceMonitor.h"
#include "platform/Hid.h"
#include "platform/linux/SystemClock.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {

class DeviceStack {
public:
    // Uses the simulated mouse with that sensor type when `simulateSensor` is set.
    explicit DeviceStack(std::optional<int> simulateSensor);
    DeviceStack(const DeviceStack&) = delete;
    DeviceStack& operator=(const DeviceStack&) = delete;

    // Records every transfer and pause in `file` from now on; false with a reason when the
    // file cannot be written.
    bool logWireTo(const std::filesystem::path& file, std::string* error);
    // Lets the wire log see the scrambling key of every successful handshake on `link`.
    void watch(DeviceLink& link);

    platform::HidBackend& backend() { return *backend_; }
    platform::Clock& clock() { return *clock_; }
    platform::DeviceMonitor* monitor() { return monitor_.get(); }
    // The simulated mouse, or nullptr on real hardware.
    simulator::SimulatorBackend* simulated() { return simulated_; }

private:
    platform::SystemClock systemClock_;
    std::unique_ptr<platform::HidBackend> realBackend_;
    std::unique_ptr<platform::DeviceMonitor> monitor_;
    simulator::SimulatorBackend* simulated_ = nullptr;
    std::ofstream wireFile_;
    std::unique_ptr<WireLog> wireLog_;
    std::unique_ptr<platform::HidBackend> loggedBackend_;
    std::unique_ptr<platform::Clock> loggedClock_;
    platform::HidBackend* backend_ = nullptr;
    platform::Clock* clock_ = nullptr;
};

}  // namespace tarvik
