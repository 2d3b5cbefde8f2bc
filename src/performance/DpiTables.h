// DPI stages and report rate: the per-sensor DPI tables and the translations the apply
// sequence sends (report rate, DPI codes, stage colors).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/ConfigRecord.h"

namespace tarvik {

// Label of a DPI level for a sensor type ("" for an unlisted type or level).
std::string_view DpiLabel(std::uint8_t sensorType, std::uint8_t level);
// Labels the page shows for a sensor type, level 0 first (sensor-type-0 labels for unlisted types).
std::span<const std::string_view> dpiLabels(std::uint8_t sensorType);
// Code the mouse receives for a level (0 for an unlisted type or level).
std::uint8_t dpiCode(std::uint8_t sensorType, std::uint8_t level);
// 12 for sensor type 0 and unlisted types, 8 for types 1-3.
int dpiTickCount(std::uint8_t sensorType);
// Whether a click on tick 1-12 of a DPI slider counts: ticks 9-12 only for sensor type 0, even
// though an unlisted sensor draws twelve ticks.
bool dpiTickClickable(std::uint8_t sensorType, int tick);

std::uint8_t ReportRatePayload(const ConfigRecord& record);
std::array<std::uint8_t, 8> DpiCodes(const ConfigRecord& record, std::uint8_t sensorType);
std::array<std::uint8_t, 24> DpiColourBlock(const ConfigRecord& record);

// One position of the report-rate slider (1-4, left to right).
struct ReportRateRow {
    int position;
    std::string_view label;
    std::uint8_t code;  // report interval in milliseconds
};
inline constexpr std::array<ReportRateRow, 4> kReportRates{{
    {1, "125", 8},
    {2, "250", 4},
    {3, "500", 2},
    {4, "1000", 1},
}};

// Slider position (1-4) lit for a stored code; any code other than 8, 4, 2 lights position 4.
int reportRatePosition(std::uint8_t code);
// Code stored for a slider position 1-4; 0 for any other position.
std::uint8_t reportRateCodeAt(int position);

}  // namespace tarvik
