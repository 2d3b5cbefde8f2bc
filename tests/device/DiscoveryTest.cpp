// Finding the mouse among HID interfaces and the arrival/removal sequences, against the
// simulator's listings.
#include <gtest/gtest.h>

#include <algorithm>

#include "device/Discovery.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingSink.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {
namespace {

using simulator::SimInterface;
using Kind = platform::DeviceChange::Kind;
using Role = SimInterface::Role;

struct DiscoveryRig {
    simulator::SimulatorBackend backend;
    DeviceLink link;
    platform::FakeClock clock;
    platform::RecordingSink sink;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};
    int hides = 0;
    int resumes = 0;
    bool initialSyncDone = false;
    DiscoveryHooks hooks{[this] { ++hides; }, [this] { ++resumes; }, [this] { return initialSyncDone; }};

    void notify(Kind kind, Role role) { OnDeviceChange(backend.change(kind, role), backend, ctx, hooks); }
    std::vector<std::pair<int, int>> notices() const { return sink.notices; }
};

SimInterface unprobeable() {
    SimInterface i = simulator::foreignDevice(9);
    i.probeable = false;
    i.openable = false;
    return i;
}

TEST(FindMouse, ScanOutcomesByListing) {
    struct Case {
        const char* name;
        std::vector<SimInterface> listing;
        MouseScan scan;
        bool eventOpened;
    };
    const auto event = simulator::eventCollection();
    const auto command = simulator::commandCollection();
    const auto foreign = simulator::foreignDevice(1);
    auto unopenableCommand = command;
    unopenableCommand.openable = false;
    auto deniedCommand = command;
    deniedCommand.denied = true;
    auto deniedEvent = event;
    deniedEvent.denied = true;
    const Case cases[] = {
        {"no device of the mouse", {foreign, simulator::foreignDevice(2)}, MouseScan::Absent, false},
        {"nothing listed", {}, MouseScan::Absent, false},
        {"mouse without command collection", {foreign, event}, MouseScan::Failed, true},
        {"event before command", {event, command}, MouseScan::Opened, true},
        {"event after command still opened", {command, foreign, event}, MouseScan::Opened, true},
        {"unprobeable unrelated interface skipped", {unprobeable(), event, command}, MouseScan::Opened, true},
        {"command collection cannot be opened", {event, unopenableCommand}, MouseScan::Failed, true},
        {"no rights to either collection", {deniedEvent, deniedCommand}, MouseScan::NotOpenable, false},
        {"no rights to the command collection", {event, deniedCommand}, MouseScan::NotOpenable, true},
        {"no rights to the event collection, no command one", {foreign, deniedEvent}, MouseScan::NotOpenable, false},
        {"no rights to the event collection only", {deniedEvent, command}, MouseScan::Opened, false},
        {"event collection fourth on a keyboard's node",
         {simulator::keyboardWithEventCollection(), command},
         MouseScan::Opened,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DiscoveryRig rig;
        rig.backend.interfaces() = c.listing;
        EXPECT_EQ(ScanForMouse(rig.link, rig.backend, rig.sink), c.scan);
        const bool found = c.scan == MouseScan::Opened;
        EXPECT_EQ(rig.link.connected.load(), found ? 1 : 0);
        EXPECT_EQ(rig.link.featureHandle != nullptr, found);
        std::uint16_t eventLength = 0;
        EXPECT_EQ(rig.link.eventReader(&eventLength) != nullptr, c.eventOpened);
        EXPECT_EQ(rig.link.deviceEvent.isSet(), c.eventOpened);
        EXPECT_EQ(eventLength, c.eventOpened ? simulator::kSimEventLength : 0);
        // Only the mouse's collections stay open: probes leave nothing behind.
        EXPECT_EQ(rig.backend.openHandles(), (found ? 1 : 0) + (c.eventOpened ? 2 : 0));
        EXPECT_TRUE(rig.sink.messages.empty());
    }
}

TEST(FindMouse, RecordsLengthsAndTracesEachInterface) {
    DiscoveryRig rig;
    rig.backend.interfaces().insert(rig.backend.interfaces().begin(), simulator::foreignDevice(1));
    ASSERT_TRUE(FindMouse(rig.link, rig.backend, rig.sink));
    EXPECT_EQ(rig.link.featureReportLength, 9);
    EXPECT_EQ(rig.link.commandInputLength, 33);
    EXPECT_EQ(rig.link.commandOutputLength, 33);
    EXPECT_EQ(rig.link.devicePath, simulator::commandCollection().path);
    const std::vector<std::string> expected{
        "PID:c077\n,VID:046d\n,VersionNumber:0100\n",
        "PID:a09f\n,VID:04d9\n,VersionNumber:0100\n",
        "Usage:0xff01\n, UsagePage:0xff01\n,FeatureReportByteLength:0x0000\n,InputReportByteLength:0x5\n,"
        "OutputReportByteLength:0x0\n",
        "PID:a09f\n,VID:04d9\n,VersionNumber:0100\n",
        "Usage:0xff00\n, UsagePage:0xff00\n,FeatureReportByteLength:0x0009\n,InputReportByteLength:0x21\n,"
        "OutputReportByteLength:0x21\n",
    };
    EXPECT_EQ(rig.sink.traces, expected);
}

TEST(FindMouse, UnreadableCapabilitiesOfTheMouseEndTheScanWithAMessage) {
    DiscoveryRig rig;
    rig.backend.interfaces()[0].describable = false;
    EXPECT_FALSE(FindMouse(rig.link, rig.backend, rig.sink));
    EXPECT_EQ(rig.sink.messages, (std::vector<platform::RecordingSink::Message>{{"HidP_GetCaps failed.", ""}}));
}

TEST(OnDeviceChange, OnlyTheMousesMarkersCount) {
    struct Case {
        std::string path, hardwareId;
        bool mouse;
    };
    const Case cases[] = {
        {"/dev/hidraw3", "HID\\VID_04D9&PID_A09F&MI_01", true},
        {"\\\\?\\hid#vid_04d9&pid_a09f#Vid_04d9&Pid_a09f", "", true},
        {"", "HID\\vid_04d9&pid_a09f", false},  // the match is case-sensitive
        {"/dev/hidraw3", "HID\\VID_04D9&PID_A0A0", false},
        {"/dev/hidraw3", "HID\\VID_046D&PID_C077", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + " " + c.hardwareId);
        EXPECT_EQ(isMouseChange({Kind::Arrival, c.path, c.hardwareId}), c.mouse);
    }
}

TEST(OnDeviceChange, ForeignNotificationsAreIgnored) {
    DiscoveryRig rig;
    rig.notify(Kind::Arrival, Role::Foreign);
    rig.notify(Kind::Removal, Role::Foreign);
    EXPECT_TRUE(rig.sink.notices.empty());
    EXPECT_TRUE(rig.backend.mouse().wire().empty());
    EXPECT_EQ(rig.backend.openHandles(), 0);
}

TEST(OnDeviceChange, ArrivalConnectsSyncsAndResumesTheListenerBeforeTheFirstPage) {
    for (bool pageBuilt : {false, true}) {
        SCOPED_TRACE(pageBuilt);
        DiscoveryRig rig;
        rig.initialSyncDone = pageBuilt;
        rig.notify(Kind::Arrival, Role::Command);
        EXPECT_EQ(rig.link.connected.load(), 1);
        EXPECT_EQ(rig.notices(), (std::vector<std::pair<int, int>>{{14, 0}}));
        ASSERT_EQ(rig.backend.mouse().commands().size(), 2u);  // 0x83 then 0x03
        EXPECT_EQ(rig.backend.mouse().commands()[1][0], 0x03);
        EXPECT_EQ(rig.resumes, pageBuilt ? 0 : 1);
        EXPECT_EQ(rig.hides, 0);
    }
}

TEST(OnDeviceChange, ArrivalOfAMouseThatRefusesTheScrambledHandshakeDoesNotSync) {
    DiscoveryRig rig;
    rig.backend.mouse().setEchoPlainHandshake(true);
    rig.notify(Kind::Arrival, Role::Event);
    EXPECT_EQ(rig.link.connected.load(), 0);
    EXPECT_EQ(rig.notices(), (std::vector<std::pair<int, int>>{{15, 0}}));
    EXPECT_TRUE(rig.backend.mouse().commands().empty());
    EXPECT_EQ(rig.resumes, 0);
}

TEST(OnDeviceChange, MouseGoneGivesNotice15HidesAndDisconnects) {
    for (Kind kind : {Kind::Arrival, Kind::Removal}) {
        SCOPED_TRACE(kind == Kind::Arrival ? "arrival" : "removal");
        DiscoveryRig rig;
        rig.notify(Kind::Arrival, Role::Command);
        rig.sink.notices.clear();
        const auto change = rig.backend.change(kind, Role::Command);
        rig.backend.unplug();
        OnDeviceChange(change, rig.backend, rig.ctx, rig.hooks);
        EXPECT_EQ(rig.link.connected.load(), 0);
        EXPECT_EQ(rig.notices(), (std::vector<std::pair<int, int>>{{15, 0}}));
        EXPECT_EQ(rig.hides, 1);
    }
}

TEST(OnDeviceChange, RemovalOfOneCollectionWhileTheOtherRemainsHandshakesAgain) {
    DiscoveryRig rig;
    rig.notify(Kind::Arrival, Role::Command);
    rig.sink.notices.clear();
    rig.backend.mouse().clearRecords();
    const auto change = rig.backend.change(Kind::Removal, Role::Event);
    rig.backend.interfaces().erase(rig.backend.interfaces().begin());  // the event collection
    OnDeviceChange(change, rig.backend, rig.ctx, rig.hooks);
    EXPECT_EQ(rig.link.connected.load(), 1);
    EXPECT_EQ(rig.notices(), (std::vector<std::pair<int, int>>{{14, 0}}));
    EXPECT_TRUE(rig.backend.mouse().commands().empty());  // a handshake only, no sync
    EXPECT_FALSE(rig.backend.mouse().wire().empty());
    EXPECT_EQ(rig.hides, 0);
}

// Each collection notifies on its own, so a replug runs the arrival sequence twice; the
// handles of the earlier connection must be closed as the new ones replace them.
TEST(OnDeviceChange, AHundredReplugsLeaveOnlyTheCurrentHandlesOpen) {
    DiscoveryRig rig;
    for (int i = 0; i < 100; ++i) {
        rig.backend.unplug();
        rig.notify(Kind::Removal, Role::Event);
        rig.notify(Kind::Removal, Role::Command);
        rig.backend.replug();
        rig.notify(Kind::Arrival, Role::Event);
        rig.notify(Kind::Arrival, Role::Command);
    }
    EXPECT_EQ(rig.link.connected.load(), 1);
    EXPECT_EQ(rig.backend.openHandles(), 3);  // command, event read, event write
}

}  // namespace
}  // namespace tarvik
