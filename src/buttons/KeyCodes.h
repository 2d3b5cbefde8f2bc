// Key names to HID keyboard usages and modifier bits, and the mouse-button codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvik {

// Keyboard usage of an English key name ("A", "Num 1", "Right Ctrl", ...); 0 when unknown.
std::uint8_t keyUsageFromName(std::string_view name);
// Modifier bit of a modifier name ("Left Ctrl" ... "Right Win"); 0 when unknown.
std::uint8_t modifierBitFromName(std::string_view name);

// Reverse lookups: the first name of the table with that code; "" for 0 or an unknown code.
std::string_view keyNameFromUsage(std::uint8_t usage);
std::string_view modifierNameFromBit(std::uint8_t bit);
// Interface name of a mouse code 0xF0-0xF6 ("L-Button" ... "R-Tilt Wheel"); "" otherwise.
std::string_view mouseCodeName(std::uint8_t code);

// The key-name table in order, for lists and for naming captured keys.
std::size_t keyNameCount();
std::string_view keyNameAt(std::size_t index);

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
