// The device session of the windowed program over the device link: discovery, handshake, the
// event listener thread, hotplug and the two sequences, on real hidraw or the simulated mouse.
#pragma once

#include <functional>
#include <memory>

#include "device/DeviceContext.h"
#include "device/DeviceImage.h"
#include "device/DeviceLink.h"
#include "device/EventListener.h"
#include "platform/Clock.h"
#include "platform/Hid.h"
#include "session/DeviceSession.h"

namespace tarvik {

class LinkSession : public DeviceSession {
public:
    // `monitor` may be null (no hotplug). The references must outlive the session.
    LinkSession(platform::HidBackend& backend, platform::DeviceMonitor* monitor, platform::Clock& clock);
    ~LinkSession() override;

    void attachSink(platform::UserSink& sink) override { sink_ = &sink; }
    void findAndHandshake() override;
    bool connected() const override { return link_.connected.load() == 1; }
    MouseScan lastScan() const override { return scan_; }
    void createListener() override;
    void resumeListener() override;
    int monitorFd() const override;
    Change serviceMonitor() override;
    void syncSensorSettings() override;
    void applySettings(const ConfigRecord& record) override;
    int sensorType() const override { return image_.sensorTypeInUse; }
    void teardown() override;

    // Saves "config.bin" and the captions at the end of an apply.
    std::function<void(const ConfigRecord& record)> saveFiles;
    DeviceLink& link() { return link_; }
    bool listenerResumed() const { return listenerResumed_; }

private:
    DeviceContext context() { return {link_, clock_, *sink_, image_}; }

    platform::HidBackend& backend_;
    platform::DeviceMonitor* monitor_;
    platform::Clock& clock_;
    platform::UserSink* sink_ = nullptr;
    DeviceLink link_;
    DeviceImage image_;
    std::unique_ptr<EventListener> listener_;
    bool listenerResumed_ = false;
    MouseScan scan_ = MouseScan::Absent;
};

}  // namespace tarvik
