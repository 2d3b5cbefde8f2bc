// Bytes on the wire for packets and chunks, scrambled or not, and the transport's limits:
// nothing written or read past a buffer or the caller's area.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "SimRig.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"
#include "device/Transport.h"

namespace tarvik {
namespace {

using simulator::WireRecord;
using Bytes = std::vector<std::uint8_t>;

// A handle that fills every buffer it is given with 0xEE and reports how long each was, so
// tests see both the lengths the transport asks for and what it does with short answers.
class SpyHandle : public platform::HidHandle {
public:
    std::vector<std::size_t> lengths;
    std::size_t readResult = 0;  // what read() claims to have placed
    bool getResult = false;
    bool setFeature(std::span<const std::uint8_t> r) override { return note(r.size()), true; }
    bool getFeature(std::span<std::uint8_t> r) override { return fill(r), getResult; }
    std::size_t read(std::span<std::uint8_t> r) override { return fill(r), readResult; }
    bool write(std::span<const std::uint8_t> r) override { return note(r.size()), true; }
    platform::HidEventRead readEvent(std::span<std::uint8_t>, platform::WakeEvent&) override { return {}; }

private:
    void note(std::size_t n) { lengths.push_back(n); }
    void fill(std::span<std::uint8_t> r) {
        note(r.size());
        std::ranges::fill(r, 0xEE);
    }
};

struct SpyRig {
    DeviceLink link;
    platform::FakeClock clock;
    SpyHandle* spy;
    SpyRig(std::uint16_t feature, std::uint16_t chunk) {
        auto handle = std::make_unique<SpyHandle>();
        spy = handle.get();
        link.featureHandle = std::move(handle);
        link.featureReportLength = feature;
        link.commandInputLength = chunk;
        link.commandOutputLength = chunk;
    }
};

TEST(Transport, PlainPacketGoesOutAsBuilt) {
    test::SimRig rig;
    CommandPacket p{0x01, 0x02, 0, 0, 0, 0, 0, 0x99};  // byte 7 is recomputed
    SendCommand(rig.link, p);
    ASSERT_EQ(rig.mouse().wire().size(), 1u);
    EXPECT_EQ(rig.mouse().wire()[0].bytes, (Bytes{0x00, 0x01, 0x02, 0, 0, 0, 0, 0, 0xFC}));
}

TEST(Transport, ScramblingChangesOnlyThePacketBytesNeverTheChunks) {
    test::SimRig rig;
    rig.connect();
    std::array<std::uint8_t, 32> data{};
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i + 1);
    CommandPacket p = makePacket(0x12, 1, 32);
    TransferBlock(rig.link, rig.clock, p, data);

    const auto& wire = rig.mouse().wire();
    ASSERT_EQ(wire.size(), 2u);
    ASSERT_EQ(wire[0].bytes.size(), 9u);
    EXPECT_EQ(wire[0].bytes[0], 0x00);
    CommandPacket sent{};
    std::copy_n(wire[0].bytes.begin() + 1, 8, sent.begin());
    CommandPacket expected = makePacket(0x12, 1, 32);
    setChecksum(expected);
    EXPECT_EQ(sent, (CommandPacket{0x67, 0xFD, 0x87, 0x89, 0x8F, 0x2F, 0x80, 0x16}));
    Unscramble(sent, scrambleKey());
    EXPECT_EQ(sent, expected);

    Bytes chunk{0x00};
    chunk.insert(chunk.end(), data.begin(), data.end());
    EXPECT_EQ(wire[1].kind, WireRecord::Kind::Output);
    EXPECT_EQ(wire[1].bytes, chunk);
    EXPECT_EQ(rig.clock.pauses, std::vector<unsigned>{3});
}

TEST(Transport, ReadAnswerIsUnscrambledIntoThePacket) {
    test::SimRig rig;
    rig.connect();
    rig.mouse().state().sensorSettings = {2, 3, 4, 5};
    CommandPacket p = makePacket(0x83);
    SendCommand(rig.link, p);
    EXPECT_EQ(std::vector(p.begin(), p.begin() + 5), (Bytes{0x83, 2, 3, 4, 5}));
}

// Report lengths beyond the buffers are clamped: 16 bytes for packets, 40 for chunks.
TEST(Transport, LengthsAreClampedToTheReportBuffers) {
    struct Case {
        std::uint16_t feature, chunk;
        std::size_t sentFeature, sentChunk;
    };
    const Case cases[] = {{9, 33, 9, 33}, {64, 64, 16, 40}, {17, 41, 16, 40}, {16, 40, 16, 40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.feature << "/" << c.chunk);
        SpyRig rig(c.feature, c.chunk);
        std::array<std::uint8_t, 64> data{};
        CommandPacket write = makePacket(0x12, 1, 64);
        TransferBlock(rig.link, rig.clock, write, data);
        CommandPacket read = makePacket(0x83);
        SendCommand(rig.link, read);
        EXPECT_EQ(rig.spy->lengths,
                  (std::vector<std::size_t>{c.sentFeature, c.sentChunk, c.sentChunk, c.sentFeature, c.sentFeature}));
    }
}

// A get that fails or a read that comes back short must not hand the caller whatever the
// backend left in the buffer.
TEST(Transport, FailedAndShortReadsGiveZeros) {
    SpyRig rig(9, 33);
    rig.spy->getResult = false;
    rig.spy->readResult = 0;
    CommandPacket p = makePacket(0x83);
    SendCommand(rig.link, p);
    EXPECT_EQ(p, CommandPacket{});

    rig.spy->readResult = 5;  // report id and 4 data bytes
    std::array<std::uint8_t, 64> area{};
    area.fill(0x11);
    CommandPacket block = makePacket(0x90);
    rig.spy->getResult = true;  // answer is 0xEE everywhere: length 0xEE, all chunks wanted
    TransferBlock(rig.link, rig.clock, block, area);
    EXPECT_TRUE(std::all_of(area.begin(), area.begin() + 4, [](auto b) { return b == 0xEE; }));
    EXPECT_TRUE(std::all_of(area.begin() + 4, area.begin() + 32, [](auto b) { return b == 0; }));
    EXPECT_TRUE(std::all_of(area.begin() + 36, area.end(), [](auto b) { return b == 0; }));
}

// An answer whose length byte wants more chunks than the area holds fills the area only.
TEST(Transport, OversizedAnswerStopsAtTheCallersArea) {
    test::SimRig rig;
    rig.connect();
    rig.mouse().hostile().claimedBlockLength = 255;
    std::array<std::uint8_t, 64> memory{};
    const auto area = std::span(memory).first(40);
    CommandPacket p = makePacket(0x90, 0);
    TransferBlock(rig.link, rig.clock, p, area);
    EXPECT_EQ(p[2], 255);
    EXPECT_TRUE(std::all_of(memory.begin() + 40, memory.end(), [](auto b) { return b == 0; }));
    // Two chunk reads cover 40 bytes; the other six are never asked for.
    EXPECT_EQ(std::ranges::count(rig.mouse().wire(), WireRecord::Kind::Input, &WireRecord::kind), 2);
}

TEST(Transport, WithoutAHandleNothingIsSentAndReadsGiveZeros) {
    DeviceLink link;
    platform::FakeClock clock;
    CommandPacket p = makePacket(0x83, 1, 2, 3);
    EXPECT_FALSE(SendCommand(link, p));
    EXPECT_EQ(p, CommandPacket{});
    std::array<std::uint8_t, 64> data{};
    CommandPacket w = makePacket(0x12, 1, 64);
    TransferBlock(link, clock, w, data);
    EXPECT_EQ(clock.pauses, (std::vector<unsigned>{3, 3}));  // the protocol's pauses still pass
}

}  // namespace
}  // namespace tarvik
