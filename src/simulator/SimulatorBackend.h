// A HID backend that stands in for the machine's HID interfaces: the simulated mouse's
// command and event collections, optionally unrelated devices, in any listing order, with
// unplugging at any moment and a count of open handles.
//
// Default layout: the event collection (usage page/usage 0xFF01, input reports of 5 bytes
// with id 6) listed before the command collection (0xFF00, 8-byte feature reports with
// report id 0 -> feature length 9, 32-byte input/output reports -> 33).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DeviceMonitor.h"
#include "platform/Hid.h"
#include "simulator/SimulatedMouse.h"

namespace tarvik::simulator {

struct SimInterface {
    enum class Role { Command, Event, Foreign };
    std::string path;
    Role role = Role::Foreign;
    platform::HidIdentity identity;
    platform::HidCapabilities caps;
    // Further top-level collections on the same node, after the one `caps` describes.
    std::vector<platform::HidCapabilities> moreCollections{};
    bool probeable = true;    // its identity can be read
    bool describable = true;  // its capabilities can be read
    bool openable = true;
    bool denied = false;  // opening it fails as a node without the user's rights does
};

SimInterface commandCollection();
SimInterface eventCollection();
// An unrelated device (another vendor), numbered to keep paths distinct.
SimInterface foreignDevice(int n);
// The mouse's keyboard interface with the event collection on the same node, behind the
// keyboard, consumer-control and system-control collections.
SimInterface keyboardWithEventCollection();

constexpr std::uint16_t kSimFeatureLength = 9;
constexpr std::uint16_t kSimChunkLength = 33;
constexpr std::uint16_t kSimEventLength = 5;
constexpr std::uint8_t kEventReportId = 6;

class SimulatorBackend : public platform::HidBackend {
public:
    SimulatorBackend();
    ~SimulatorBackend() override;
    SimulatorBackend(const SimulatorBackend&) = delete;
    SimulatorBackend& operator=(const SimulatorBackend&) = delete;

    // The listing, in enumeration order; change it before the program scans.
    std::vector<SimInterface>& interfaces();
    // The firmware. Lock-free access is for the test's own thread while no command runs.
    SimulatedMouse& mouse();

    // Sends an event report 06 code 00 value on the event collection; false while unplugged.
    bool emitEvent(std::uint8_t code, std::uint8_t value);
    // Sends any event report as given (report id first).
    bool emitReport(std::vector<std::uint8_t> report);

    // The mouse's collections disappear; open handles fail from now on and a blocked event
    // read returns Gone. Handles opened before an unplug stay dead after a replug.
    void unplug();
    void replug();
    bool plugged() const;
    // Unplugs right after the n-th following transfer on the command collection (0: never).
    void unplugAfterTransfers(int n);

    int openHandles() const;
    // The notification the device monitor would deliver for one of the listed interfaces.
    platform::DeviceChange change(platform::DeviceChange::Kind kind, SimInterface::Role role) const;

    std::optional<std::vector<std::string>> enumerate() override;
    std::optional<platform::HidIdentity> identity(const std::string& path) override;
    std::optional<platform::HidCapabilities> capabilities(const std::string& path) override;
    std::optional<std::vector<platform::HidCapabilities>> collections(const std::string& path) override;
    std::unique_ptr<platform::HidHandle> open(const std::string& path, platform::HidAccess access) override;
    platform::HidOpenError lastOpenError() const override;

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
};

}  // namespace tarvik::simulator
