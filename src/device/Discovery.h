// Finding and opening the mouse's command and event collections among the HID interfaces,
// and reacting to the arrival and removal of its interfaces.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "device/DeviceContext.h"
#include "platform/DeviceMonitor.h"
#include "platform/Hid.h"

namespace tarvik {

constexpr std::uint16_t kCommandUsage = 0xFF00;
constexpr std::uint16_t kEventUsage = 0xFF01;
// Either marker in a notification's path or hardware id makes it one of the mouse's.
inline constexpr std::string_view kPathMarkers[] = {"Vid_04d9&Pid_a09f", "VID_04D9&PID_A09F"};

// What a scan over the HID interfaces came to. The mouse's presence comes from the identity
// the backend reads without opening anything (sysfs on Linux); whether the user may use it
// comes from the open of its collections.
enum class MouseScan {
    Opened,       // the command collection is open (the handshake then sets `connected`)
    Absent,       // no interface of the mouse is listed
    NotOpenable,  // the mouse is listed, but the system refused this user the rights to open it
    Failed,       // the mouse is listed but its command collection could not be found or opened
};

// Scans the HID interfaces and opens the mouse's event collection (read, plus the write
// handle) and command collection. Opened when the command collection was found and opened;
// the scan goes on past it to find an event collection listed later. Interfaces whose
// identity cannot be read are skipped. Handles of an earlier connection are closed before
// the new ones replace them; `deviceEvent` is signalled when the event reader is opened.
MouseScan ScanForMouse(DeviceLink& link, platform::HidBackend& backend, platform::UserSink& sink);
// ScanForMouse for callers that only need to know whether the mouse is now open.
inline bool FindMouse(DeviceLink& link, platform::HidBackend& backend, platform::UserSink& sink) {
    return ScanForMouse(link, backend, sink) == MouseScan::Opened;
}

// What the device-change handler asks of the rest of the program.
struct DiscoveryHooks {
    std::function<void()> hideMainWindow;
    std::function<void()> resumeListener;
    std::function<bool()> initialSyncDone;
};

bool isMouseChange(const platform::DeviceChange& change);

// Arrival: scan, handshake and, once connected, the sensor synchronisation (and the
// listener's first resume while the Basic page has never been built). Removal: scan and
// handshake again, since the mouse may remain through another interface. A failed scan gives
// MouseNotFound, hides the main window and clears `connected`. Changes of other devices are ignored
// (nullopt); otherwise the outcome of the scan.
std::optional<MouseScan> OnDeviceChange(const platform::DeviceChange& change, platform::HidBackend& backend,
                                        DeviceContext& ctx, const DiscoveryHooks& hooks);

}  // namespace tarvik
