// Arrival and removal of hidraw nodes from a udev monitor; the decisions live in
// DeviceChangeTracker, this class only feeds it udev's events.
#pragma once

#include <memory>

#include "platform/DeviceMonitor.h"
#include "platform/linux/DeviceChangeTracker.h"

struct udev;
struct udev_monitor;

namespace tarvik::platform {

class UdevMonitor : public DeviceMonitor {
public:
    // Never throws: without udev (some containers) fd() is -1 and no change is ever reported,
    // which leaves the program working without hot-plug.
    UdevMonitor();
    ~UdevMonitor() override;

    int fd() const override;
    std::optional<DeviceChange> next() override;

private:
    struct UdevDeleter {
        void operator()(udev* u) const;
    };
    struct MonitorDeleter {
        void operator()(udev_monitor* m) const;
    };
    void rememberPresentNodes();

    std::unique_ptr<udev, UdevDeleter> udev_;
    std::unique_ptr<udev_monitor, MonitorDeleter> monitor_;
    DeviceChangeTracker tracker_;
};

}  // namespace tarvik::platform
