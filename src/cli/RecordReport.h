// The readable form of the record that `tarvikctl show` prints: the buttons of both key modes,
// the DPI stages, the report rate, the lighting and the macro slots, in the interface language.
#pragma once

#include <cstdint>
#include <string>

#include "settings/ConfigRecord.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {

// What one button does, e.g. "Single Key A" or "DPI Switch: DPI Loop".
std::string describeButton(const ConfigRecord& record, int mode, int button, const TextCatalogue& texts);
std::string recordReport(const ConfigRecord& record, std::uint8_t sensorType, const TextCatalogue& texts);

}  // namespace tarvik::cli
