// Device changes from hidraw events: removals keep the hardware id seen at arrival or at
// start, although the parent HID device is gone by then.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/linux/DeviceChangeTracker.h"

namespace tarvik::platform {
namespace {

constexpr const char* kMouse = "0003:000004D9:0000A09F";

struct Event {
    const char* action;
    const char* devnode;
    std::optional<std::string_view> hidId;
    std::optional<DeviceChange::Kind> kind;  // nullopt: no change reported
    const char* hardwareId;
};

TEST(DeviceChangeTracker, ReportsAddAndRemoveWithTheirHardwareId) {
    using Kind = DeviceChange::Kind;
    const struct {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        {"arrival then removal without parent",
         {{"add", "/dev/hidraw3", kMouse, Kind::Arrival, "VID_04D9&PID_A09F"},
          {"remove", "/dev/hidraw3", std::nullopt, Kind::Removal, "VID_04D9&PID_A09F"}}},
        {"node present at start", {{"remove", "/dev/hidraw1", std::nullopt, Kind::Removal, "VID_04D9&PID_A09F"}}},
        {"removal forgets the node",
         {{"remove", "/dev/hidraw1", std::nullopt, Kind::Removal, "VID_04D9&PID_A09F"},
          {"remove", "/dev/hidraw1", std::nullopt, Kind::Removal, ""}}},
        {"node number reused by another device",
         {{"remove", "/dev/hidraw1", std::nullopt, Kind::Removal, "VID_04D9&PID_A09F"},
          {"add", "/dev/hidraw1", "0003:0000046D:0000C077", Kind::Arrival, "VID_046D&PID_C077"},
          {"remove", "/dev/hidraw1", std::nullopt, Kind::Removal, "VID_046D&PID_C077"}}},
        {"unknown node with parent still readable",
         {{"remove", "/dev/hidraw9", "0003:000004d9:0000a09f", Kind::Removal, "VID_04D9&PID_A09F"}}},
        {"malformed or missing HID_ID",
         {{"add", "/dev/hidraw5", "garbage", Kind::Arrival, ""},
          {"add", "/dev/hidraw6", std::nullopt, Kind::Arrival, ""}}},
        {"other actions and nodeless events",
         {{"change", "/dev/hidraw3", kMouse, std::nullopt, ""},
          {"bind", "/dev/hidraw3", kMouse, std::nullopt, ""},
          {"add", "", kMouse, std::nullopt, ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceChangeTracker tracker;
        tracker.remember("/dev/hidraw1", kMouse);
        for (const auto& e : c.events) {
            SCOPED_TRACE(std::string(e.action) + " " + e.devnode);
            const auto change = tracker.onEvent(e.action, e.devnode, e.hidId);
            ASSERT_EQ(change.has_value(), e.kind.has_value());
            if (!change) continue;
            EXPECT_EQ(change->kind, *e.kind);
            EXPECT_EQ(change->path, e.devnode);
            EXPECT_EQ(change->hardwareId, e.hardwareId);
        }
    }
}

}  // namespace
}  // namespace tarvik::platform
