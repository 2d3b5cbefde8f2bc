// Arrival and removal notifications of HID interfaces, with the interface path.
#pragma once

#include <optional>
#include <string>

namespace tarvik::platform {

struct DeviceChange {
    enum class Kind { Arrival, Removal };
    Kind kind = Kind::Arrival;
    std::string path;        // interface path, as HidBackend::enumerate lists it
    std::string hardwareId;  // "VID_04D9&PID_A09F" style identity, matched by the device link
};

class DeviceMonitor {
public:
    virtual ~DeviceMonitor() = default;
    // Pollable descriptor that becomes readable when a change is pending; -1 when there is none.
    virtual int fd() const = 0;
    // The next pending change, without blocking; nullopt when none is pending.
    virtual std::optional<DeviceChange> next() = 0;
};

}  // namespace tarvik::platform
