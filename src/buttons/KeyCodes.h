// Key names to HID keyboard usages and modifier bits, and the mouse-button codes.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvik {

// Keyboard usage of an English key name ("A", "Num 1", "Right Ctrl", ...); 0 when unknown.
std::uint8_t keyUsageFromName(std::string_view name);
// Modifier bit of a modifier name ("Left Ctrl" ... "Right Win"); 0 when unknown.
std::uint8_t modifierBitFromName(std::string_view name);

enum MouseCode : std::uint8_t {
    kMouseLeft = 0xF0,
    kMouseRight = 0xF1,
    kMouseMiddle = 0xF2,
    kMouseBack = 0xF3,
    kMouseForward = 0xF4,
    kMouseTiltLeft = 0xF5,
    kMouseTiltRight = 0xF6,
    kMouseFixedSlot14 = 0xF7,
    kMouseFixedSlot15 = 0xF8,
};

}  // namespace tarvik
