// Turns hidraw add/remove events into device changes. A removed node's parent HID device is
// usually gone already, so the hardware id of every node seen earlier is remembered.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DeviceMonitor.h"

namespace tarvik::platform {

class DeviceChangeTracker {
public:
    // A node already present when monitoring starts; hidId is the parent's HID_ID value.
    void remember(const std::string& devnode, std::optional<std::string_view> hidId);
    // One event: "add" gives an arrival, "remove" a removal, anything else nothing. The
    // hardware id is empty when neither the event nor an earlier sighting tells it.
    std::optional<DeviceChange> onEvent(std::string_view action, const std::string& devnode,
                                        std::optional<std::string_view> hidId);

private:
    std::map<std::string, std::string, std::less<>> known_;
};

}  // namespace tarvik::platform
