// The scan over HID interfaces and the arrival/removal sequences.
#include "device/Discovery.h"

#include <cstdio>

#include "device/Handshake.h"
#include "device/Sequences.h"

namespace tarvik {
namespace {

using platform::HidAccess;
using platform::HidCapabilities;

bool isCollection(const HidCapabilities& caps, std::uint16_t usage) {
    return caps.usagePage == usage && caps.usage == usage;
}

void traceIdentity(platform::UserSink& sink, const platform::HidIdentity& id) {
    char line[64];
    std::snprintf(line, sizeof line, "PID:%04x\n,VID:%04x\n,VersionNumber:%04x\n", id.product, id.vendor, id.version);
    sink.trace(line);
}

void traceCapabilities(platform::UserSink& sink, const HidCapabilities& c) {
    char line[192];
    std::snprintf(line, sizeof line,
                  "Usage:0x%04x\n, UsagePage:0x%04x\n,FeatureReportByteLength:0x%04x\n,InputReportByteLength:0x%x\n,"
                  "OutputReportByteLength:0x%x\n",
                  c.usage, c.usagePage, c.featureReportLength, c.inputReportLength, c.outputReportLength);
    sink.trace(line);
}

// The old handles go first, so a replug never leaves the previous connection's open.
bool openEventCollection(DeviceLink& link, platform::HidBackend& backend, const std::string& path,
                         const HidCapabilities& caps) {
    link.setEventReader(nullptr, 0);
    link.eventWriteHandle.reset();
    std::shared_ptr<platform::HidHandle> reader = backend.open(path, HidAccess::Read);
    if (!reader) return false;
    link.setEventReader(std::move(reader), caps.inputReportLength);
    link.deviceEvent.set();
    link.eventWriteHandle = backend.open(path, HidAccess::Write);
    return link.eventWriteHandle != nullptr;
}

bool openCommandCollection(DeviceLink& link, platform::HidBackend& backend, const std::string& path,
                           const HidCapabilities& caps) {
    link.featureHandle.reset();
    link.featureHandle = backend.open(path, HidAccess::ReadWrite);
    if (!link.featureHandle) return false;
    link.featureReportLength = caps.featureReportLength;
    link.commandInputLength = caps.inputReportLength;
    link.commandOutputLength = caps.outputReportLength;
    link.connected = 1;
    return true;
}

void mouseLost(DeviceContext& ctx, const DiscoveryHooks& hooks) {
    ctx.sink.notice(noticeNumber(NoticeCode::MouseNotFound), 0);
    if (hooks.hideMainWindow) hooks.hideMainWindow();
    ctx.link.connected = 0;
    ctx.link.deviceEvent.set();
}

}  // namespace

MouseScan ScanForMouse(DeviceLink& link, platform::HidBackend& backend, platform::UserSink& sink) {
    const auto paths = backend.enumerate();
    if (!paths) return MouseScan::Absent;
    bool mouseListed = false;
    bool denied = false;
    bool commandFound = false;
    bool eventFound = false;
    const auto noteDenial = [&] { denied = denied || backend.lastOpenError() == platform::HidOpenError::Denied; };
    for (const std::string& path : *paths) {
        link.devicePath = path;
        const auto id = backend.identity(path);
        if (!id) continue;
        traceIdentity(sink, *id);
        if (id->vendor != kMouseVendor || id->product != kMouseProduct) continue;
        mouseListed = true;
        // One node carries every top-level collection of its interface: a composite mouse
        // may put the event collection beside its keyboard's.
        const auto collections = backend.collections(path);
        if (!collections) {
            sink.message("HidP_GetCaps failed.", "");
            return MouseScan::Failed;
        }
        for (const HidCapabilities& caps : *collections) {
            traceCapabilities(sink, caps);
            if (!eventFound && isCollection(caps, kEventUsage) && caps.inputReportLength != 0) {
                // Without its event collection the mouse still takes commands; only the notices stop.
                eventFound = openEventCollection(link, backend, path, caps);
                if (!eventFound) noteDenial();
            } else if (!commandFound && isCollection(caps, kCommandUsage) && caps.featureReportLength != 0) {
                if (!openCommandCollection(link, backend, path, caps)) {
                    noteDenial();
                    return denied ? MouseScan::NotOpenable : MouseScan::Failed;
                }
                commandFound = true;
            }
        }
        if (commandFound && eventFound) break;
    }
    if (commandFound) return MouseScan::Opened;
    if (!mouseListed) return MouseScan::Absent;
    return denied ? MouseScan::NotOpenable : MouseScan::Failed;
}

bool isMouseChange(const platform::DeviceChange& change) {
    for (std::string_view marker : kPathMarkers)
        if (change.path.find(marker) != std::string::npos || change.hardwareId.find(marker) != std::string::npos)
            return true;
    return false;
}

std::optional<MouseScan> OnDeviceChange(const platform::DeviceChange& change, platform::HidBackend& backend,
                                        DeviceContext& ctx, const DiscoveryHooks& hooks) {
    if (!isMouseChange(change)) return std::nullopt;
    const MouseScan scan = ScanForMouse(ctx.link, backend, ctx.sink);
    if (scan != MouseScan::Opened) {
        mouseLost(ctx, hooks);
        return scan;
    }
    Handshake(ctx.link, ctx.clock, ctx.sink);
    if (change.kind != platform::DeviceChange::Kind::Arrival || ctx.link.connected != 1) return scan;
    SyncSensorSettings(ctx);
    const bool pageBuilt = hooks.initialSyncDone && hooks.initialSyncDone();
    if (!pageBuilt && hooks.resumeListener) hooks.resumeListener();
    return scan;
}

}  // namespace tarvik
