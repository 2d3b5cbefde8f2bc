// Index-to-code tables of the fire-key, multimedia and Windows-function choices.
#pragma once

#include <cstdint>

namespace tarvik {

std::uint8_t fireKeyCodeOf(int index);    // 61 entries, 0 outside
std::uint8_t mediaUsageOf(int index);     // 7 entries (consumer usage, high byte 0), 0 outside
std::uint8_t windowsUsageOf(int index);   // 11 entries, low byte of the consumer usage, 0 outside
std::uint8_t windowsUsageHighOf(int index);  // 1 for 0-3, 2 for 4-10, 0 otherwise

}  // namespace tarvik
