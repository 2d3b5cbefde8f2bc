// The simulated firmware as a kernel HID device: one /dev/uhid device per interface of a
// layout, so hidraw, hid-generic and udev see it as they see the real mouse. Single-threaded:
// the owner polls fds() and calls service() for each readable one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/UniqueFd.h"
#include "simulator/SimulatedMouse.h"
#include "simulator/UhidLayouts.h"

struct uhid_event;

namespace tarvik::simulator {

class UhidMouse {
public:
    // `onWire` sees every record the firmware adds to its wire, as soon as it is added.
    using WireSink = std::function<void(const WireRecord&)>;

    UhidMouse(SimulatedMouse& mouse, UhidLayout layout, WireSink onWire = {}, std::string uhidPath = "/dev/uhid");
    ~UhidMouse();
    UhidMouse(const UhidMouse&) = delete;
    UhidMouse& operator=(const UhidMouse&) = delete;

    // Creates the kernel devices; false with a reason (no /dev/uhid, no permission) otherwise.
    bool plug(std::string* error);
    // Destroys the kernel devices; the firmware forgets its handshake as after a power cycle.
    void unplug();
    bool plugged() const { return !devices_.empty(); }

    // The descriptors to poll for kernel requests while plugged.
    std::vector<int> fds() const;
    // Answers the requests pending on `fd`.
    void service(int fd);
    // Sends an event report (id 6, code, 0, value, 0) on the event collection.
    bool emitEvent(std::uint8_t code, std::uint8_t value);

private:
    struct Device {
        UniqueFd fd;
        UhidInterface interface;
    };
    bool create(const UhidInterface& interface, std::string* error);
    void handle(Device& device, const ::uhid_event& request);
    void sendPendingChunks(Device& device);
    void flushWire();

    SimulatedMouse& mouse_;
    UhidLayout layout_;
    WireSink onWire_;
    std::string uhidPath_;
    std::vector<Device> devices_;
};

}  // namespace tarvik::simulator
