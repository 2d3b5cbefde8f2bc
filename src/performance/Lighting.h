// Lighting modes, their parameter and effect choices, and the payload the apply sequence sends.
#pragma once

#include <array>
#include <cstdint>

#include "settings/ConfigRecord.h"

namespace tarvik {

// Overwrites the parts of the effect triple and of light option set 0 that the record's
// lighting fields decide; everything else keeps the value the mouse reported.
void LightingPayload(const ConfigRecord& record, std::array<std::uint8_t, 3>& lightEffect,
                     std::array<std::uint8_t, 3>& optionSet0);

}  // namespace tarvik
