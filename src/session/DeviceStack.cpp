// Chooses the HID backend and change monitor, and puts the wire log in front when asked.
#include "session/DeviceStack.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/linux/HidrawBackend.h"
#include "platform/linux/UdevMonitor.h"
#include "session/SimulatedMonitor.h"

namespace tarvik {
namespace {

// TARVIK_SYSFS_ROOT and TARVIK_DEV_ROOT point the hidraw backend at another tree: the desktop
// tests run the real program on a prepared sysfs and /dev without touching the machine's own.
std::filesystem::path rootFromEnv(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

}  // namespace

DeviceStack::DeviceStack(std::optional<int> simulateSensor) {
    if (simulateSensor) {
        auto sim = std::make_unique<simulator::SimulatorBackend>();
        sim->mouse().state().sensorSettings[0] = static_cast<std::uint8_t>(*simulateSensor);
        simulated_ = sim.get();
        realBackend_ = std::move(sim);
        monitor_ = std::make_unique<SimulatedMonitor>();
    } else {
        realBackend_ = std::make_unique<platform::HidrawBackend>(rootFromEnv("TARVIK_SYSFS_ROOT", "/sys"),
                                                                 rootFromEnv("TARVIK_DEV_ROOT", "/dev"));
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
