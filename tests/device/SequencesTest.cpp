// SyncSensorSettings and ApplySettings end to end against the simulated mouse: order of the
// commands, their pauses, what is kept from the answers, and a hostile or vanishing mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "SimRig.h"
#include "device/Commands.h"
#include "device/Sequences.h"

namespace tarvik {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<std::uint8_t> opcodes(const simulator::SimulatedMouse& mouse) {
    std::vector<std::uint8_t> out;
    for (const auto& p : mouse.commands()) out.push_back(p[0]);
    return out;
}

ConfigRecord sampleRecord() {
    ConfigRecord r;
    r.reportRateCode = 2;
    r.dpiEnabled = {1, 1, 1, 1};
    r.dpiLevel = {1, 2, 3, 4};
    for (std::size_t i = 0; i < r.dpiColor.size(); ++i) r.dpiColor[i] = static_cast<Byte>(0xA0 + i);
    for (std::size_t i = 0; i < r.macroSlots.size(); ++i) r.macroSlots[i] = static_cast<Byte>(i * 7 + 1);
    return r;
}

struct ApplyRig : test::SimRig {
    ConfigRecord record = sampleRecord();
    int saves = 0;
    std::size_t commandsAtSave = 0;
    ApplyRig() { connect(); }
    void apply() {
        ApplySettings(ctx, record, [this] {
            ++saves;
            commandsAtSave = mouse().commands().size();
        });
    }
};

TEST(SyncSensorSettings, SetsBit6OfOption2AndTakesTheSensorType) {
    struct Case {
        std::uint8_t type, option2, sent;
    };
    const Case cases[] = {{0, 0x05, 0x45}, {1, 0x45, 0x45}, {2, 0x80, 0xC0}, {3, 0x00, 0x40}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.type) << " " << int(c.option2));
        test::SimRig rig;
        rig.connect();
        rig.mouse().state().sensorSettings = {c.type, 0x02, 0x11, c.option2};
        SyncSensorSettings(rig.ctx);
        ASSERT_EQ(rig.mouse().commands().size(), 2u);
        const auto& sent = rig.mouse().commands()[1];
        EXPECT_EQ(Bytes(sent.begin(), sent.begin() + 7), (Bytes{0x03, c.type, 0x02, 0x11, c.sent, 0, 0}));
        EXPECT_EQ(rig.image.sensorTypeInUse, c.type);
        EXPECT_TRUE(rig.clock.pauses.empty());
        ASSERT_EQ(rig.sink.traces.size(), 1u);
        char line[96];
        std::snprintf(line, sizeof line, "Sensor Type:%02x\n,,Rate:02\n,Option1:11\n,Option2:%02x\n", c.type,
                      c.option2);
        EXPECT_EQ(rig.sink.traces[0], line);
    }
}

TEST(ApplySettings, PutsTheOpcodesOnTheWireInOrderThenSaves) {
    ApplyRig rig;
    rig.apply();
    std::vector<std::uint8_t> expected{0x01, 0x8D, 0x87, 0x87, 0x90, 0x90, 0x10, 0x10, 0x07, 0x07, 0x0D, 0x11};
    expected.insert(expected.end(), 12, 0x13);
    expected.insert(expected.end(), 12, 0x93);
    expected.insert(expected.end(), 4, 0x12);
    EXPECT_EQ(opcodes(rig.mouse()), expected);
    EXPECT_TRUE(rig.mouse().badChecksums().empty());
    EXPECT_EQ(rig.saves, 1);
    EXPECT_EQ(rig.commandsAtSave, expected.size());
    EXPECT_EQ(rig.mouse().state().reportRate, 2);
}

TEST(ApplySettings, PausesAreThoseOfTheProtocol) {
    ApplyRig rig;
    rig.apply();
    std::vector<unsigned> expected{2, 2, 2, 2, 3, 2, 3, 2, 2, 2, 3};  // 87 87 90 90 10 10 07 07 (0D) 11
    for (int slot = 0; slot < 12; ++slot) expected.insert(expected.end(), {3, 3, 3, 3, 2});
    expected.insert(expected.end(), 12, 2);
    for (int matrix = 0; matrix < 4; ++matrix) expected.insert(expected.end(), {3, 3, 2});
    EXPECT_EQ(rig.clock.pauses, expected);
    EXPECT_EQ(rig.clock.totalMs(), kApplySettingsPauseMs);
    EXPECT_EQ(kApplySettingsPauseMs, 249u);
}

TEST(ApplySettings, SecondLightSetRequestCarriesTheFirstAnswer) {
    ApplyRig rig;
    rig.mouse().state().lightOptionSets = {{{0x21, 0x22, 0x23}, {0x31, 0x32, 0x33}}};
    rig.apply();
    const auto& c = rig.mouse().commands();
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ(c[2], (CommandPacket{0x87, 0, 0, 0, 0, 0, 0, 0x78}));
    EXPECT_EQ(c[3][1], 1);
    EXPECT_EQ(Bytes(c[3].begin() + 2, c[3].begin() + 7), (Bytes{0x21, 0x22, 0x23, 0, 0}));
    EXPECT_EQ(rig.mouse().state().lightOptionSets[1], (std::array<std::uint8_t, 3>{0x31, 0x32, 0x33}));
}

// The answer's length byte decides how much of color block 0 is replaced, never more than 24.
TEST(ApplySettings, ColorAnswerLengthDecidesWhatIsKept) {
    for (int claimed : {24, 10, 0, 255}) {
        SCOPED_TRACE(claimed);
        ApplyRig rig;
        rig.mouse().hostile().claimedBlockLength = claimed;
        rig.image.colorBlocks[0].fill(0x77);
        rig.apply();
        const std::size_t kept = std::min(claimed, 24);
        for (std::size_t i = 0; i < 24; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(rig.image.colorBlocks[0][i], i < kept ? 0x40 + i : 0x77);
        }
        EXPECT_EQ(rig.mouse().state().colorBlocks[0], rig.image.colorBlocks[0]);
        EXPECT_EQ(rig.saves, 1);
    }
}

TEST(ApplySettings, KeyMatricesTwoAndFourGoOutAsZeros) {
    ApplyRig rig;
    rig.mouse().state().keyMatrices.fill(0xAB);
    rig.apply();
    const auto& stored = rig.mouse().state().keyMatrices;
    EXPECT_TRUE(std::equal(stored.begin(), stored.begin() + 64, rig.image.keyMatrices.begin()));
    EXPECT_TRUE(std::any_of(stored.begin(), stored.begin() + 64, [](auto b) { return b != 0; }));
    for (int m : {2, 4}) {
        SCOPED_TRACE(m);
        EXPECT_TRUE(std::all_of(stored.begin() + 64 * (m - 1), stored.begin() + 64 * m, [](auto b) { return b == 0; }));
    }
    EXPECT_EQ(rig.mouse().state().macroSlots, rig.record.macroSlots);
}

TEST(ApplySettings, KeyMatrixTraceShowsLittleEndianEntries) {
    ApplyRig rig;
    rig.apply();
    std::vector<std::string> matrixTraces;
    std::ranges::copy_if(rig.sink.traces, std::back_inserter(matrixTraces),
                         [](const std::string& t) { return t.starts_with("Write KeyMatrix["); });
    ASSERT_EQ(matrixTraces.size(), 4u);
    const auto& m = rig.image.keyMatrices;
    char first[16];
    std::snprintf(first, sizeof first, "%02x%02x%02x%02x\n", m[3], m[2], m[1], m[0]);
    EXPECT_TRUE(matrixTraces[0].starts_with(std::string("Write KeyMatrix[1]:\n") + first)) << matrixTraces[0];
    EXPECT_EQ(std::ranges::count(matrixTraces[0], '\n'), 17);
    EXPECT_EQ(
        matrixTraces[1], "Write KeyMatrix[2]:\n00000000\n" + [] {
            std::string s;
            for (int i = 0; i < 15; ++i) s += " 00000000\n";
            return s;
        }());
}

// A broken mouse or one unplugged mid-way: the sequence ends, keeps its pauses, writes
// nothing outside its blocks, and the files are still saved.
TEST(ApplySettings, HostileOrVanishingMouseStillRunsToTheEnd) {
    struct Case {
        const char* name;
        void (*setup)(test::SimRig&);
        bool blocksKept;  // color block 0 and the macro image keep what they held
    };
    const Case cases[] = {
        {"oversized lengths", [](test::SimRig& r) { r.mouse().hostile().claimedBlockLength = 255; }, false},
        {"out-of-range numbers", [](test::SimRig& r) { r.mouse().hostile().outOfRangeNumbers = true; }, true},
        {"garbage answers", [](test::SimRig& r) { r.mouse().hostile().garbageAnswers = true; }, false},
        {"short answers", [](test::SimRig& r) { r.mouse().hostile().shortAnswers = true; }, false},
        {"wrong report ids", [](test::SimRig& r) { r.mouse().hostile().reportId = 5; }, false},
        {"unplugged after 1", [](test::SimRig& r) { r.backend.unplugAfterTransfers(1); }, false},
        {"unplugged after 7", [](test::SimRig& r) { r.backend.unplugAfterTransfers(7); }, false},
        {"unplugged in the macro slots", [](test::SimRig& r) { r.backend.unplugAfterTransfers(60); }, false},
        {"unplugged in the key matrices", [](test::SimRig& r) { r.backend.unplugAfterTransfers(150); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ApplyRig rig;
        c.setup(rig);
        rig.image.colorBlocks[0].fill(0x77);
        rig.apply();
        EXPECT_EQ(rig.saves, 1);
        EXPECT_EQ(rig.clock.totalMs(), kApplySettingsPauseMs);
        if (c.blocksKept) {
            std::array<std::uint8_t, 24> untouched;
            untouched.fill(0x77);
            EXPECT_EQ(rig.image.colorBlocks[0], untouched);
            EXPECT_EQ(rig.image.macroImage, rig.record.macroSlots);
        }
    }
}

}  // namespace
}  // namespace tarvik
