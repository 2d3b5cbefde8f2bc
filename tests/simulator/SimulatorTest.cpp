// The simulated mouse as the rest of the tests rely on it: blocks written are kept and read
// back in the documented answer forms, unplugging kills old handles, a replug forgets the
// handshake.
#include <gtest/gtest.h>

#include "device/Commands.h"
#include "device/Handshake.h"
#include "device/Transport.h"
#include "platform/WakeEvent.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingSink.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik::simulator {
namespace {

struct Rig {
    SimulatorBackend backend;
    DeviceLink link;
    platform::FakeClock clock;
    platform::RecordingSink sink;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};
    Rig() {
        link.featureHandle = backend.open(commandCollection().path, platform::HidAccess::ReadWrite);
        link.featureReportLength = kSimFeatureLength;
        link.commandInputLength = kSimChunkLength;
        link.commandOutputLength = kSimChunkLength;
        Handshake(link, clock, sink);
    }
};

TEST(SimulatedMouse, KeepsWrittenBlocksAndAnswersReadsInTheirForms) {
    Rig rig;
    for (std::size_t i = 0; i < 128; ++i) rig.image.macroImage[128 * 4 + i] = static_cast<std::uint8_t>(i ^ 0x5A);
    writeMacroSlot(rig.ctx, 5);
    rig.image.macroImage.fill(0);
    readMacroSlot(rig.ctx, 5);
    for (std::size_t i = 0; i < 128; ++i) ASSERT_EQ(rig.image.macroImage[128 * 4 + i], i ^ 0x5A) << i;

    struct Case {
        CommandPacket request;
        std::array<std::uint8_t, 5> answer;  // bytes 0-4
    };
    rig.backend.mouse().state().sensorSettings = {2, 4, 6, 8};
    const Case cases[] = {
        {makePacket(0x83), {0x83, 2, 4, 6, 8}},
        {makePacket(0x8D), {0x8D, 0x01, 0x05, 0x00, 0}},
        {makePacket(0x87, 1), {0x87, 1, 0x06, 0x07, 0x08}},
        {makePacket(0x90, 1), {0x90, 1, 24, 0, 0}},
        {makePacket(0x93, 12), {0x93, 12, 128, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.request[0]));
        CommandPacket p = c.request;
        std::array<std::uint8_t, 140> area{};
        TransferBlock(rig.link, rig.clock, p, area);
        EXPECT_TRUE(std::equal(c.answer.begin(), c.answer.end(), p.begin()));
        EXPECT_EQ(p[7], packetChecksum(p));
    }
}

TEST(SimulatorBackend, UnplugKillsOpenHandlesAndReplugNeedsANewHandshake) {
    Rig rig;
    ASSERT_EQ(rig.link.connected.load(), 1);
    rig.backend.unplug();
    EXPECT_EQ(rig.backend.enumerate()->size(), 0u);
    EXPECT_FALSE(rig.backend.emitEvent(7, 1));
    CommandPacket p = makePacket(0x83);
    EXPECT_FALSE(SendCommand(rig.link, p));

    rig.backend.replug();
    EXPECT_FALSE(SendCommand(rig.link, p));  // the old handle stays dead
    rig.link.featureHandle = rig.backend.open(commandCollection().path, platform::HidAccess::ReadWrite);
    EXPECT_EQ(rig.backend.openHandles(), 1);
    EXPECT_FALSE(rig.backend.mouse().scrambling());
    Handshake(rig.link, rig.clock, rig.sink);
    EXPECT_EQ(rig.link.connected.load(), 1);
}

TEST(SimulatorBackend, BlockedEventReadEndsOnUnplugOrWakeUp) {
    for (bool unplug : {true, false}) {
        SCOPED_TRACE(unplug);
        SimulatorBackend backend;
        auto reader = backend.open(eventCollection().path, platform::HidAccess::Read);
        platform::WakeEvent wake;
        std::array<std::uint8_t, 5> report{};
        if (unplug) {
            backend.unplug();
        } else {
            wake.set();
        }
        const auto result = reader->readEvent(report, wake);
        EXPECT_EQ(result.status,
                  unplug ? platform::HidEventRead::Status::Gone : platform::HidEventRead::Status::Woken);
    }
}

}  // namespace
}  // namespace tarvik::simulator
