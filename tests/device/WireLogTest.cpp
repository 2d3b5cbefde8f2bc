// The wire log: one line per transfer and pause as the mouse sees it, and the key line.
#include <gtest/gtest.h>

#include <sstream>

#include "device/Commands.h"
#include "device/Discovery.h"
#include "device/Handshake.h"
#include "device/ScrambleKey.h"
#include "device/WireLog.h"
#include "platform/WakeEvent.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingSink.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

struct WireLogRig {
    std::ostringstream text;
    WireLog log{text};
    simulator::SimulatorBackend simulator;
    platform::FakeClock fakeClock;
    std::unique_ptr<platform::HidBackend> backend = log.wrap(simulator);
    std::unique_ptr<platform::Clock> clock = log.wrap(fakeClock);
    platform::RecordingSink sink;
    DeviceLink link;
    DeviceImage image;
    DeviceContext ctx{link, *clock, sink, image};

    WireLogRig() {
        log.watch(link);
        EXPECT_TRUE(FindMouse(link, *backend, sink));
    }
};

TEST(WireLog, HandshakeLinesEndWithTheKey) {
    WireLogRig rig;
    Handshake(rig.link, *rig.clock, rig.sink);
    const auto got = lines(rig.text.str());
    ASSERT_EQ(got.size(), 7u);
    EXPECT_EQ(got[0], "SET_FEATURE 0000aadd3b620000db");
    EXPECT_EQ(got[1], "PAUSE 5");
    EXPECT_EQ(got[2], "GET_FEATURE 000000000000000000");  // no answer to the plain attempt
    EXPECT_TRUE(got[3].starts_with("SET_FEATURE 00")) << got[3];
    EXPECT_NE(got[3], got[0]);
    EXPECT_EQ(got[4], "PAUSE 5");
    EXPECT_EQ(got[5].size(), std::string("GET_FEATURE ").size() + 18);
    std::string key = "KEY ";
    for (char c : kScrambleKeyChars) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(c));
        key += hex;
    }
    EXPECT_EQ(got[6], key);
    EXPECT_EQ(rig.fakeClock.totalMs(), 10u);  // the pauses still reach the real clock
}

TEST(WireLog, ChunksAndEventsAreWholeReports) {
    WireLogRig rig;
    rig.image.dpiCodes = {0x01, 0x02, 0x03, 0x04, 0x80, 0x80, 0x80, 0x80};
    writeDpiCodes(rig.ctx);
    const auto got = lines(rig.text.str());
    ASSERT_EQ(got.size(), 3u);
    EXPECT_TRUE(got[0].starts_with("SET_FEATURE 0011040800"));
    EXPECT_EQ(got[1], "OUTPUT 000102030480808080" + std::string(48, '0'));
    EXPECT_EQ(got[2], "PAUSE 3");

    rig.text.str("");
    ASSERT_TRUE(rig.simulator.emitEvent(7, 2));
    std::uint16_t length = 0;
    auto reader = rig.link.eventReader(&length);
    std::array<std::uint8_t, 40> buffer{};
    platform::WakeEvent wake;
    reader->readEvent(std::span(buffer).first(length), wake);
    EXPECT_EQ(rig.text.str(), "INPUT 0607000200\n");
}

}  // namespace
}  // namespace tarvik
