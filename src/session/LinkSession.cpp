// Discovery, handshake, listener and hotplug for the main window.
#include "session/LinkSession.h"

#include "device/Discovery.h"
#include "device/Handshake.h"
#include "device/Sequences.h"

namespace tarvik {

LinkSession::LinkSession(platform::HidBackend& backend, platform::DeviceMonitor* monitor, platform::Clock& clock)
    : backend_(backend), monitor_(monitor), clock_(clock) {}

LinkSession::~LinkSession() { teardown(); }

void LinkSession::findAndHandshake() {
    scan_ = ScanForMouse(link_, backend_, *sink_);
    if (scan_ == MouseScan::Opened) {
        Handshake(link_, clock_, *sink_);
        return;
    }
    sink_->notice(noticeNumber(NoticeCode::MouseNotFound), 0);
    link_.connected = 0;
}

void LinkSession::createListener() { listener_ = std::make_unique<EventListener>(link_, *sink_); }

void LinkSession::resumeListener() {
    if (!listener_) return;
    listener_->resume();
    listenerResumed_ = true;
}

int LinkSession::monitorFd() const { return monitor_ ? monitor_->fd() : -1; }

DeviceSession::Change LinkSession::serviceMonitor() {
    Change outcome = Change::Ignored;
    if (!monitor_) return outcome;
    DiscoveryHooks hooks;
    hooks.hideMainWindow = [&] { outcome = Change::Lost; };
    hooks.resumeListener = [this] { resumeListener(); };
    hooks.initialSyncDone = [this] { return listenerResumed_; };
    DeviceContext ctx = context();
    while (std::optional<platform::DeviceChange> change = monitor_->next()) {
        if (!isMouseChange(*change)) continue;
        if (const auto scan = OnDeviceChange(*change, backend_, ctx, hooks)) scan_ = *scan;
        outcome = connected() ? Change::Found : Change::Lost;
    }
    return outcome;
}

void LinkSession::syncSensorSettings() {
    if (!connected()) return;
    DeviceContext ctx = context();
    SyncSensorSettings(ctx);
}

void LinkSession::applySettings(const ConfigRecord& record) {
    DeviceContext ctx = context();
    const ApplyOutcome outcome = ApplySettings(ctx, record, [&] {
        if (saveFiles) saveFiles(record);
    });
    // The window tells nothing here, as for any device failure; the debug log keeps it.
    if (outcome.mouseStopped) sink_->trace(outcome.describe());
}

void LinkSession::teardown() {
    if (listener_) listener_->stop();
    listener_.reset();
    link_.closeAll();
}

}  // namespace tarvik
