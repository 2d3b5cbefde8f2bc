// The simulated mouse as the rest of the tests rely on it: blocks written are kept and read
// back in the documented answer forms, unplugging kills old handles, a replug forgets the
// handshake.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// The answers of a fresh mouse to plain read requests, byte for byte as the command forms
// give them (report id, opcode, index, length or values, checksum), with their chunks.
TEST(SimulatedMouse, AnswersReadRequestsInTheirLiteralForms) {
    using Bytes = std::vector<std::uint8_t>;
    struct Case {
        const char* name;
        Bytes request;
        Bytes answer;
        std::vector<Bytes> chunks;  // data bytes 1-32 of each input report
    };
    Bytes colorBlock0(32, 0);
    for (std::size_t i = 0; i < 24; ++i) colorBlock0[i] = static_cast<std::uint8_t>(0x40 + i);
    const Bytes zeros(32, 0);
    // clang-format off
    const Case cases[] = {
        {"83 sensor settings",
         {0x00, 0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7C},
         {0x00, 0x83, 0x00, 0x01, 0x00, 0x05, 0x00, 0x00, 0x76}, {}},
        {"8D effect",
         {0x00, 0x8D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x72},
         {0x00, 0x8D, 0x01, 0x05, 0x00, 0x00, 0x00, 0x00, 0x6C}, {}},
        {"87 set 0",
         {0x00, 0x87, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x78},
         {0x00, 0x87, 0x00, 0x03, 0x04, 0x05, 0x00, 0x00, 0x6C}, {}},
        {"87 set 1",
         {0x00, 0x87, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x77},
         {0x00, 0x87, 0x01, 0x06, 0x07, 0x08, 0x00, 0x00, 0x62}, {}},
        {"90 block 0",
         {0x00, 0x90, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6F},
         {0x00, 0x90, 0x00, 0x18, 0x00, 0x00, 0x00, 0x00, 0x57}, {colorBlock0}},
        {"90 block 1",
         {0x00, 0x90, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6E},
         {0x00, 0x90, 0x01, 0x18, 0x00, 0x00, 0x00, 0x00, 0x56}, {zeros}},
        {"93 slot 12",
         {0x00, 0x93, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0x60},
         {0x00, 0x93, 0x0C, 0x80, 0x00, 0x00, 0x00, 0x00, 0xE0}, {zeros, zeros, zeros, zeros}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SimulatedMouse mouse;
        mouse.setFeature(c.request);
        Bytes answer(9, 0xEE);
        ASSERT_TRUE(mouse.getFeature(answer));
        EXPECT_EQ(answer, c.answer);
        std::vector<Bytes> chunks;
        for (Bytes report(33, 0xEE); mouse.input(report) == 33; std::ranges::fill(report, 0xEE)) {
            EXPECT_EQ(report[0], 0x00);
            chunks.emplace_back(report.begin() + 1, report.end());
        }
        EXPECT_EQ(chunks, c.chunks);
        EXPECT_TRUE(mouse.badChecksums().empty());
    }
}

// A packet whose checksum is wrong is noted and not carried out; the next good one is.
TEST(SimulatedMouse, IgnoresAndNotesPacketsWithAWrongChecksum) {
    SimulatedMouse mouse;
    const std::vector<std::uint8_t> bad{0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7};
    mouse.setFeature(bad);
    EXPECT_EQ(mouse.state().reportRate, 0x01);
    ASSERT_EQ(mouse.badChecksums().size(), 1u);
    EXPECT_EQ(mouse.badChecksums()[0], (CommandPacket{0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7}));
    EXPECT_TRUE(mouse.commands().empty());

    const std::vector<std::uint8_t> good{0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF6};
    mouse.setFeature(good);
    EXPECT_EQ(mouse.state().reportRate, 0x08);
    EXPECT_EQ(mouse.badChecksums().size(), 1u);
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
        EXPECT_EQ(result.status, unplug ? platform::HidEventRead::Status::Gone : platform::HidEventRead::Status::Woken);
    }
}

}  // namespace
}  // namespace tarvik::simulator
