// Chooses the HID backend and change monitor, and puts the wire log in front when asked.
#include "app/DeviceStack.h"

#include <cerrno>
#include <cstring>

#include "app/SimulatedMonitor.h"
#include "platform/linux/HidrawBackend.h"
#include "platform/linux/UdevMonitor.h"

namespace tarvik {

DeviceStack::DeviceStack(std::optional<int> simulateSensor) {
    if (simulateSensor) {
        auto sim = std::make_unique<simulator::SimulatorBackend>();
        sim->mouse().state().sensorSettings[0] = static_cast<std::uint8_t>(*simulateSensor);
        simulated_ = sim.get();
        realBackend_ = std::move(sim);
        monitor_ = std::make_unique<SimulatedMonitor>();
    } else {
        realBackend_ = std::make_unique<platform::HidrawBackend>();
        monitor_ = std::make_unique<platform::UdevMonitor>();
    }
    backend_ = realBackend_.get();
    clock_ = &systemClock_;
}

bool DeviceStack::logWireTo(const std::filesystem::path& file, std::string* error) {
    wireFile_.open(file);
    if (!wireFile_) {
        if (error) *error = "cannot write the wire log " + file.string() + ": " + std::strerror(errno);
        return false;
    }
    wireLog_ = std::make_unique<WireLog>(wireFile_);
    loggedBackend_ = wireLog_->wrap(*realBackend_);
    loggedClock_ = wireLog_->wrap(systemClock_);
    backend_ = loggedBackend_.get();
    clock_ = loggedClock_.get();
    return true;
}

void DeviceStack::watch(DeviceLink& link) {
    if (wireLog_) wireLog_->watch(link);
}

}  // namespace tarvik
