// HID access on Linux through hidraw nodes: identity and capabilities come from sysfs, so a
// node the user may not open still shows up; reports move through the node itself.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/UniqueFd.h"
#include "platform/Hid.h"
#include "platform/ReportDescriptor.h"

namespace tarvik::platform {

// One open hidraw node. hidraw hands unnumbered input reports over without an id byte; this
// handle puts a 0 in front so every buffer starts with the report id, as callers expect.
class HidrawHandle : public HidHandle {
public:
    HidrawHandle(UniqueFd fd, bool numberedReports);

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> report) override;
    std::size_t read(std::span<std::uint8_t> report) override;
    bool write(std::span<const std::uint8_t> report) override;
    HidEventRead readEvent(std::span<std::uint8_t> report, WakeEvent& wake) override;

private:
    // One read(2) into the caller's buffer with the id byte in place; -1 with errno on error.
    long readReport(std::span<std::uint8_t> report);

    UniqueFd fd_;
    bool numbered_;
};

class HidrawBackend : public HidBackend {
public:
    // The roots are parameters so tests can point the backend at a fake tree.
    explicit HidrawBackend(std::filesystem::path sysfsRoot = "/sys", std::filesystem::path devRoot = "/dev");

    // The device nodes (devRoot/hidrawN) in kernel number order.
    std::optional<std::vector<std::string>> enumerate() override;
    std::optional<HidIdentity> identity(const std::string& path) override;
    std::optional<HidCapabilities> capabilities(const std::string& path) override;
    std::optional<std::vector<HidCapabilities>> collections(const std::string& path) override;
    // None opens the node without read or write rights (O_PATH): it proves the node exists.
    std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) override;
    // From the errno of the node's open(2): EACCES and EPERM are Denied.
    HidOpenError lastOpenError() const override { return lastOpenError_; }

private:
    // sysfs folder of the HID device behind a node path, e.g. <sysfs>/class/hidraw/hidraw3/device.
    std::filesystem::path hidDeviceDir(const std::string& path) const;
    std::optional<ParsedDescriptor> descriptor(const std::string& path) const;

    std::filesystem::path sysfsRoot_;
    std::filesystem::path devRoot_;
    HidOpenError lastOpenError_ = HidOpenError::None;
};

}  // namespace tarvik::platform
