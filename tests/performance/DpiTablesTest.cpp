// DPI tables by sensor, the DPI codes with their on/off bit, the color block and report rate.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "performance/DpiTables.h"

namespace tarvik {
namespace {

struct LevelCase {
    std::uint8_t sensor, level;
    std::string_view label;
    std::uint8_t code;
};

TEST(DpiTables, LabelAndCodeBySensorAndLevel) {
    const LevelCase cases[] = {
        {0, 0, "250", 0x01},  {0, 7, "2000", 0x08}, {0, 8, "2500", 0x25}, {0, 11, "4000", 0x28}, {0, 12, "", 0},
        {1, 0, "600", 0x01},  {1, 5, "2000", 0x23}, {1, 7, "3200", 0x25}, {1, 8, "", 0},         {2, 4, "1250", 0x0A},
        {2, 7, "2500", 0x2A}, {3, 7, "3200", 0x08}, {4, 0, "", 0},        {255, 3, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("sensor " + std::to_string(c.sensor) + " level " + std::to_string(c.level));
        EXPECT_EQ(DpiLabel(c.sensor, c.level), c.label);
        EXPECT_EQ(dpiCode(c.sensor, c.level), c.code);
    }
}

// The four tables as the mouse's sensors define them, one row per sensor, level 0 first.
TEST(DpiTables, EveryLevelOfEverySensor) {
    struct SensorCase {
        std::uint8_t sensor;
        std::vector<std::string_view> labels;
        std::vector<std::uint8_t> codes;
    };
    // clang-format off
    const SensorCase cases[] = {
        {0, {"250", "500", "750", "1000", "1250", "1500", "1750", "2000", "2500", "3000", "3500", "4000"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28}},
        {1, {"600", "800", "1000", "1200", "1600", "2000", "2400", "3200"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25}},
        {2, {"250", "500", "750", "1000", "1250", "1500", "2000", "2500"},
            {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A}},
        {3, {"400", "800", "1200", "1600", "2000", "2400", "2800", "3200"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_EQ(c.labels.size(), c.codes.size());
        EXPECT_TRUE(std::ranges::equal(dpiLabels(c.sensor), c.labels)) << "sensor " << int(c.sensor);
        for (std::size_t level = 0; level < c.codes.size(); ++level) {
            SCOPED_TRACE("sensor " + std::to_string(c.sensor) + " level " + std::to_string(level));
            const auto l = static_cast<std::uint8_t>(level);
            EXPECT_EQ(DpiLabel(c.sensor, l), c.labels[level]);
            EXPECT_EQ(dpiCode(c.sensor, l), c.codes[level]);
            ConfigRecord record{};
            record.dpiLevel = {l, l, l, l};
            record.dpiEnabled = {1, 0, 1, 0};
            const auto sent = DpiCodes(record, c.sensor);
            EXPECT_EQ(sent[0], c.codes[level]);
            EXPECT_EQ(sent[1], c.codes[level] | 0x80);
        }
    }
}

TEST(DpiTables, TicksAndLabelsShownPerSensor) {
    const std::pair<std::uint8_t, int> cases[] = {{0, 12}, {1, 8}, {2, 8}, {3, 8}, {4, 12}, {200, 12}};
    for (const auto& [sensor, ticks] : cases) {
        SCOPED_TRACE("sensor " + std::to_string(sensor));
        EXPECT_EQ(dpiTickCount(sensor), ticks);
        EXPECT_EQ(dpiLabels(sensor).size(), static_cast<std::size_t>(ticks));
    }
    const std::tuple<std::uint8_t, int, bool> clicks[] = {
        {0, 12, true}, {0, 9, true},  {1, 8, true},  {1, 10, false},
        {9, 1, true},  {9, 9, false}, {0, 0, false}, {0, 13, false},
    };
    for (const auto& [sensor, tick, clickable] : clicks) {
        EXPECT_EQ(dpiTickClickable(sensor, tick), clickable) << "sensor " << int(sensor) << " tick " << tick;
    }
    // An unlisted sensor is drawn with the sensor-type-0 labels but names no level.
    EXPECT_EQ(dpiLabels(9).back(), "4000");
    EXPECT_EQ(dpiLabels(1).front(), "600");
}

struct CodesCase {
    const char* name;
    std::uint8_t sensor;
    std::array<std::uint8_t, 4> level, enabled;
    std::array<std::uint8_t, 4> expected;
};

TEST(DpiTables, DpiCodesSetBitSevenForStagesThatAreOff) {
    const CodesCase cases[] = {
        {"all-zero record", 0, {0, 0, 0, 0}, {0, 0, 0, 0}, {0x81, 0x81, 0x81, 0x81}},
        {"sensor 1 tick 8", 1, {7, 0, 1, 2}, {1, 1, 1, 1}, {0x25, 0x01, 0x02, 0x03}},
        {"off stage keeps its level", 0, {8, 11, 3, 0}, {0, 1, 0, 1}, {0xA5, 0x28, 0x84, 0x01}},
        {"unlisted sensor", 7, {1, 2, 3, 4}, {1, 0, 1, 0}, {0x00, 0x80, 0x00, 0x80}},
        {"level beyond the sensor", 1, {9, 9, 0, 0}, {1, 0, 1, 1}, {0x00, 0x80, 0x01, 0x01}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigRecord record{};
        record.dpiLevel = c.level;
        record.dpiEnabled = c.enabled;
        const auto codes = DpiCodes(record, c.sensor);
        for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(codes[k], c.expected[k]) << "stage " << k + 1;
        for (std::size_t k = 4; k < 8; ++k) EXPECT_EQ(codes[k], 0x80) << "byte " << k;
    }
}

TEST(DpiTables, ColorBlockIsStageColorsThenTwelveZeros) {
    ConfigRecord record{};
    for (std::size_t i = 0; i < record.dpiColor.size(); ++i) record.dpiColor[i] = static_cast<Byte>(0xA0 + i);
    record.dpiEnabled = {0, 0, 0, 0};  // an off stage still sends its color
    const auto block = DpiColourBlock(record);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(block[i], 0xA0 + i) << "byte " << i;
    for (std::size_t i = 12; i < 24; ++i) EXPECT_EQ(block[i], 0) << "byte " << i;
}

TEST(DpiTables, ReportRateSentUnchangedAndDrawnAtItsPosition) {
    const std::pair<std::uint8_t, int> cases[] = {{8, 1}, {4, 2}, {2, 3}, {1, 4}, {0, 4}, {3, 4}, {255, 4}};
    for (const auto& [code, position] : cases) {
        SCOPED_TRACE("code " + std::to_string(code));
        ConfigRecord record{};
        record.reportRateCode = code;
        EXPECT_EQ(ReportRatePayload(record), code);
        EXPECT_EQ(reportRatePosition(code), position);
    }
    EXPECT_EQ(reportRateCodeAt(1), 8);
    EXPECT_EQ(reportRateCodeAt(4), 1);
    EXPECT_EQ(reportRateCodeAt(5), 0);
}

}  // namespace
}  // namespace tarvik
