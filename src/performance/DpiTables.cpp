// The DPI tables of the four known sensors and the report-rate, DPI-code and color payloads.
#include "performance/DpiTables.h"

#include <algorithm>

namespace tarvik {
namespace {

// One sensor's table; sensor type 0 has twelve levels, the others eight (the rest unused).
struct SensorTable {
    std::uint8_t type;
    int levels;
    std::array<std::string_view, 12> labels;
    std::array<std::uint8_t, 12> codes;
};

// clang-format off
constexpr std::array<SensorTable, 4> kSensorTables{{
    {0, 12, {"250", "500", "750", "1000", "1250", "1500", "1750", "2000", "2500", "3000", "3500", "4000"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28}},
    {1, 8,  {"600", "800", "1000", "1200", "1600", "2000", "2400", "3200"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x23, 0x24, 0x25}},
    {2, 8,  {"250", "500", "750", "1000", "1250", "1500", "2000", "2500"},
            {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A}},
    {3, 8,  {"400", "800", "1200", "1600", "2000", "2400", "2800", "3200"},
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}},
}};
// clang-format on

const SensorTable* findSensor(std::uint8_t sensorType) {
    for (const auto& table : kSensorTables) {
        if (table.type == sensorType) return &table;
    }
    return nullptr;
}

}  // namespace

std::string_view DpiLabel(std::uint8_t sensorType, std::uint8_t level) {
    const SensorTable* table = findSensor(sensorType);
    if (table == nullptr || level >= table->levels) return {};
    return table->labels[level];
}

std::span<const std::string_view> dpiLabels(std::uint8_t sensorType) {
    const SensorTable* table = findSensor(sensorType);
    // An unlisted sensor is drawn with the sensor-type-0 ticks and labels.
    if (table == nullptr) table = &kSensorTables[0];
    return std::span(table->labels).first(static_cast<std::size_t>(table->levels));
}

std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level) {
    const SensorTable* table = findSensor(sensorType);
    if (table == nullptr || level >= table->levels) return 0;
    return table->codes[level];
}

int dpiTickCount(std::uint8_t sensorType) {
    const SensorTable* table = findSensor(sensorType);
    return table == nullptr ? 12 : table->levels;
}

bool dpiTickClickable(std::uint8_t sensorType, int tick) {
    if (tick < 1 || tick > 12) return false;
    return tick <= 8 || sensorType == 0;
}

std::uint8_t ReportRatePayload(const ConfigRecord& record) { return record.reportRateCode; }

std::array<std::uint8_t, 8> DpiCodes(const ConfigRecord& record, std::uint8_t sensorType) {
    // Bit 7 marks a stage the mouse skips; the four stages the page does not offer are all off.
    std::array<std::uint8_t, 8> codes{};
    codes.fill(0x80);
    for (std::size_t k = 0; k < kDpiStageCount; ++k) {
        const std::uint8_t code = dpiCode(sensorType, record.dpiLevel[k]);
        codes[k] =
            record.dpiEnabled[k] == 0 ? static_cast<std::uint8_t>(code | 0x80) : static_cast<std::uint8_t>(code & 0x7F);
    }
    return codes;
}

std::array<std::uint8_t, 24> DpiColourBlock(const ConfigRecord& record) {
    std::array<std::uint8_t, 24> block{};
    std::copy(record.dpiColor.begin(), record.dpiColor.end(), block.begin());
    return block;
}

int reportRatePosition(std::uint8_t code) {
    for (const auto& row : kReportRates) {
        if (row.code == code) return row.position;
    }
    return 4;
}

std::uint8_t reportRateCodeAt(int position) {
    for (const auto& row : kReportRates) {
        if (row.position == position) return row.code;
    }
    return 0;
}

}  // namespace tarvik
