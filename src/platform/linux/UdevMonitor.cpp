// udev monitor on the hidraw subsystem: devnode and the parent HID device's HID_ID per event.
#include "platform/linux/UdevMonitor.h"

#include <libudev.h>

#include <string>

namespace tarvik::platform {
namespace {

struct DeviceDeleter {
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
struct EnumerateDeleter {
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
};
using Device = std::unique_ptr<udev_device, DeviceDeleter>;

std::optional<std::string_view> parentHidId(udev_device* device) {
    // The parent is borrowed from the child: no unref.
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr);
    const char* value = hid ? udev_device_get_property_value(hid, "HID_ID") : nullptr;
    if (!value) return std::nullopt;
    return std::string_view(value);
}

}  // namespace

void UdevMonitor::UdevDeleter::operator()(udev* u) const { udev_unref(u); }
void UdevMonitor::MonitorDeleter::operator()(udev_monitor* m) const { udev_monitor_unref(m); }

UdevMonitor::UdevMonitor() : udev_(udev_new()) {
    if (!udev_) return;
    monitor_.reset(udev_monitor_new_from_netlink(udev_.get(), "udev"));
    if (!monitor_ || udev_monitor_filter_add_match_subsystem_devtype(monitor_.get(), "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_.get()) < 0) {
        monitor_.reset();
        return;
    }
    // After the monitor is listening, so a node added in between is not missed.
    rememberPresentNodes();
}

UdevMonitor::~UdevMonitor() = default;

void UdevMonitor::rememberPresentNodes() {
    std::unique_ptr<udev_enumerate, EnumerateDeleter> scan(udev_enumerate_new(udev_.get()));
    if (!scan || udev_enumerate_add_match_subsystem(scan.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(scan.get()) < 0) {
        return;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(scan.get())) {
        Device device(udev_device_new_from_syspath(udev_.get(), udev_list_entry_get_name(entry)));
        const char* devnode = device ? udev_device_get_devnode(device.get()) : nullptr;
        if (devnode) tracker_.remember(devnode, parentHidId(device.get()));
    }
}

int UdevMonitor::fd() const { return monitor_ ? udev_monitor_get_fd(monitor_.get()) : -1; }

std::optional<DeviceChange> UdevMonitor::next() {
    if (!monitor_) return std::nullopt;
    // The monitor socket is non-blocking: a null device means nothing is pending. Events
    // other than add and remove (bind, change) are consumed and skipped.
    while (Device device{udev_monitor_receive_device(monitor_.get())}) {
        const char* action = udev_device_get_action(device.get());
        const char* devnode = udev_device_get_devnode(device.get());
        if (!action || !devnode) continue;
        if (auto change = tracker_.onEvent(action, devnode, parentHidId(device.get()))) return change;
    }
    return std::nullopt;
}

}  // namespace tarvik::platform
