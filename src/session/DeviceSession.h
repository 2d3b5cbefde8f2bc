// What the main window asks of the device link: discovery and handshake, the event listener,
// hotplug, the two sequences and teardown. The window never touches HID directly, so tests
// drive it with a recording double and the program with the real link or the simulator.
#pragma once

#include "device/Discovery.h"
#include "platform/DeviceMonitor.h"
#include "platform/UserSink.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

class DeviceSession {
public:
    virtual ~DeviceSession() = default;
    // Where notices, messages and trace lines go; set by the window before start-up.
    virtual void attachSink(platform::UserSink& sink) = 0;
    // FindMouse, then Handshake; a failed search sends MouseNotFound and clears `connected`.
    virtual void findAndHandshake() = 0;
    virtual bool connected() const = 0;
    // What the last search found: tells "no mouse" from "a mouse this user may not open".
    virtual MouseScan lastScan() const { return connected() ? MouseScan::Opened : MouseScan::Absent; }
    // Creates the event listener thread, suspended.
    virtual void createListener() = 0;
    virtual void resumeListener() = 0;
    // Hotplug: a pollable descriptor (-1 when none) and the change handler behind it.
    virtual int monitorFd() const = 0;
    enum class Change { Ignored, Found, Lost };
    // Handles the pending arrival/removal notices; Lost: the mouse is gone (MouseNotFound sent).
    // The first arrival that connects resumes a listener that has never run.
    virtual Change serviceMonitor() = 0;
    virtual void syncSensorSettings() = 0;
    virtual void applySettings(const ConfigRecord& record) = 0;
    // Sensor type the DPI labels are read for.
    virtual int sensorType() const = 0;
    // Stops the listener and closes every handle and the event.
    virtual void teardown() = 0;
};

}  // namespace tarvik
