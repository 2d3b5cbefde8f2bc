// Test rig: a device link opened on the simulated mouse's command collection, with a
// recording clock and sink, as the device tests use it.
#pragma once

#include "device/DeviceContext.h"
#include "device/Handshake.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingSink.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik::test {

struct SimRig {
    simulator::SimulatorBackend backend;
    DeviceLink link;
    platform::FakeClock clock;
    platform::RecordingSink sink;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};

    SimRig() {
        link.featureHandle = backend.open(simulator::commandCollection().path, platform::HidAccess::ReadWrite);
        link.featureReportLength = simulator::kSimFeatureLength;
        link.commandInputLength = simulator::kSimChunkLength;
        link.commandOutputLength = simulator::kSimChunkLength;
    }
    simulator::SimulatedMouse& mouse() { return backend.mouse(); }
    // Handshake, then forget what it left in the records so a test sees only its own traffic.
    void connect() {
        Handshake(link, clock, sink);
        clock.pauses.clear();
        sink.notices.clear();
        mouse().clearRecords();
    }
};

}  // namespace tarvik::test
