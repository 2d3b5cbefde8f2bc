// The sixteen button functions of the drop-down lists: codes, English labels, the entry kind
// each encodes to, the DPI sub-items and the default assignment.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/ConfigRecord.h"

namespace tarvik {

enum ButtonFunction : std::uint8_t {
    kFnLeftClick = 0,
    kFnRightClick = 1,
    kFnMidClick = 2,
    kFnForward = 3,
    kFnBackward = 4,
    kFnTripleClick = 5,
    kFnDpiSwitch = 6,
    kFnRgbOnOff = 7,
    kFnWindows = 8,
    kFnMultimedia = 9,
    kFnFireKey = 10,
    kFnSingleKey = 11,
    kFnComboKey = 12,
    kFnMacroKey = 13,
    kFnShift = 14,
    kFnKeyOff = 15,
};
constexpr std::size_t kButtonFunctionCount = 16;

// Kind byte (byte 0) of a KeyMatrix entry.
enum EntryKind : std::uint8_t {
    kEntryKeyboard = 0x00,
    kEntryMouse = 0x01,
    kEntryConsumer = 0x03,
    kEntryDpi = 0x07,
    kEntryDevice = 0x08,
    kEntryMacro = 0x09,
    kEntryAutoFire = 0x0A,
};

struct CatalogueItem {
    std::uint8_t code;
    std::string_view label;  // English list label
};
inline constexpr std::array<CatalogueItem, kButtonFunctionCount> kButtonCatalogue{{
    {kFnLeftClick, "Left Click"},
    {kFnRightClick, "Right Click"},
    {kFnMidClick, "Mid Click"},
    {kFnForward, "Forward"},
    {kFnBackward, "Backward"},
    {kFnTripleClick, "Triple-click"},
    {kFnDpiSwitch, "DPI Switch"},
    {kFnRgbOnOff, "RGB On/Off"},
    {kFnWindows, "Windows"},
    {kFnMultimedia, "Multimedia"},
    {kFnFireKey, "Fire Key"},
    {kFnSingleKey, "Single Key"},
    {kFnComboKey, "Combo Key"},
    {kFnMacroKey, "Macro Key"},
    {kFnShift, "Shift"},
    {kFnKeyOff, "Key Off"},
}};

// DPI actions of the "DPI Switch" sub-list; the Extra byte holds the action (index + 1).
inline constexpr std::array<std::string_view, 4> kDpiActionTexts{"DPI +", "DPI -", "DPI Loop", "Shift DPI"};
constexpr std::uint8_t kDpiActionShift = 4;

// Row 0 of both button tables after "Default"; button 5 gets DPI action 3 ("DPI Loop").
inline constexpr std::array<std::uint8_t, kButtonCount> kDefaultFunctions{
    kFnLeftClick,   kFnRightClick, kFnMidClick, kFnForward, kFnBackward, kFnDpiSwitch,
    kFnTripleClick, kFnKeyOff,     kFnKeyOff,   kFnKeyOff,  kFnKeyOff,   kFnKeyOff,
};
constexpr std::size_t kDefaultDpiButton = 5;
constexpr std::uint8_t kDefaultDpiAction = 3;

// English label of a function code; "" above 15.
std::string_view functionLabel(std::uint8_t code);
// English text of a DPI action 1-4; "" otherwise.
std::string_view dpiActionText(std::uint8_t action);

// The part of a "Combo Key" caption after "-": the names whose code is not 0, in the order
// modifier, first key, second key, joined by "+" (empty when all three codes are 0).
std::string comboCaptionTail(std::string_view modifierName, std::string_view key1Name, std::string_view key2Name);

}  // namespace tarvik
