// HID access as the device link needs it: enumerate interfaces, read their identity and
// capabilities, open them and move feature, input and output reports.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvik::platform {

class WakeEvent;

enum class HidAccess { None, Read, Write, ReadWrite };

// Why the last open() of a backend failed. Denied: the node is there, but the system refuses
// this user the rights to it (EACCES, EPERM) - on Linux a missing udev rule, not a missing device.
enum class HidOpenError { None, Denied, Other };

struct HidIdentity {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::uint16_t version = 0;
};

// Report lengths include the report-id byte, as the device link's buffers expect.
struct HidCapabilities {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t featureReportLength = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
};

// Outcome of an event read that a wake-up signal can interrupt.
struct HidEventRead {
    enum class Status { Report, Woken, Gone };
    Status status = Status::Gone;
    std::size_t length = 0;  // bytes placed in the buffer when status is Report
};

// One open collection. Every buffer starts with the report-id byte (0 for a collection
// without numbered reports). Failures are reported as false / 0 and never throw.
class HidHandle {
public:
    virtual ~HidHandle() = default;
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeature(std::span<std::uint8_t> report) = 0;
    // Blocking read of one input report; returns the number of bytes placed, 0 on failure.
    virtual std::size_t read(std::span<std::uint8_t> report) = 0;
    virtual bool write(std::span<const std::uint8_t> report) = 0;
    // Waits for one input report or for `wake` to be set, whichever comes first.
    virtual HidEventRead readEvent(std::span<std::uint8_t> report, WakeEvent& wake) = 0;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;
    // Paths of the present HID interfaces; nullopt when the list itself cannot be had.
    virtual std::optional<std::vector<std::string>> enumerate() = 0;
    virtual std::optional<HidIdentity> identity(const std::string& path) = 0;
    virtual std::optional<HidCapabilities> capabilities(const std::string& path) = 0;
    // Every top-level collection of the interface (a node may carry several); by default the
    // one that capabilities() describes.
    virtual std::optional<std::vector<HidCapabilities>> collections(const std::string& path) {
        auto caps = capabilities(path);
        if (!caps) return std::nullopt;
        return std::vector<HidCapabilities>{*caps};
    }
    virtual std::unique_ptr<HidHandle> open(const std::string& path, HidAccess access) = 0;
    // The reason of the last open() that returned null; backends that cannot tell say Other.
    virtual HidOpenError lastOpenError() const { return HidOpenError::Other; }
};

}  // namespace tarvik::platform
