// Encodes the button tables into the mouse's KeyMatrix entries: one 4-byte entry per user
// button, placed at the button's slot, with the two fixed entries of slots 14 and 15.
#include "buttons/KeyMatrix.h"

#include <algorithm>

#include "buttons/ButtonCatalogue.h"
#include "buttons/KeyCodes.h"

namespace tarvik {
namespace {

constexpr std::size_t kEntriesPerMatrix = 16;
constexpr std::size_t kMatrixBytes = kEntriesPerMatrix * 4;

constexpr KeyEntry mouseEntry(std::uint8_t code) { return {kEntryMouse, 0, code, 0}; }

Byte row(const ButtonTable& table, ButtonRow r, std::size_t button) { return buttonField(table, r, button); }

KeyEntry parameterEntry(std::uint8_t function, const ButtonTable& t, std::size_t b) {
    using R = ButtonRow;
    switch (function) {
    case kFnWindows: return {kEntryConsumer, 0, row(t, R::WindowsUsageLow, b), row(t, R::WindowsUsageHigh, b)};
    case kFnMultimedia: return {kEntryConsumer, 0, row(t, R::MediaUsage, b), 0};
    case kFnFireKey:
        return {kEntryAutoFire, row(t, R::FireKeyCode, b), row(t, R::FireSpeed, b), row(t, R::FireTimes, b)};
    case kFnSingleKey: return {kEntryKeyboard, 0, row(t, R::SingleKeyCode, b), 0};
    case kFnComboKey:
        return {kEntryKeyboard, row(t, R::ComboModifiers, b), row(t, R::ComboKey1, b), row(t, R::ComboKey2, b)};
    case kFnMacroKey:
        return {kEntryMacro, row(t, R::MacroRepeatMode, b), static_cast<std::uint8_t>(row(t, R::MacroIndex, b) + 1), 0};
    default: return {};
    }
}

void putEntry(std::array<std::uint8_t, 256>& block, int matrix, std::size_t slot, const KeyEntry& entry) {
    const std::size_t offset = kMatrixBytes * static_cast<std::size_t>(matrix - 1) + 4 * slot;
    std::copy(entry.begin(), entry.end(), block.begin() + static_cast<std::ptrdiff_t>(offset));
}

void fillMatrix(std::array<std::uint8_t, 256>& block, int matrix, const ButtonTable& table, const ButtonExtra& extra) {
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        putEntry(block, matrix, static_cast<std::size_t>(kSlotOfButton[b]),
                 encodeButtonEntry(table, extra, static_cast<int>(b)));
    }
    putEntry(block, matrix, 14, mouseEntry(kMouseFixedSlot14));
    putEntry(block, matrix, 15, mouseEntry(kMouseFixedSlot15));
}

}  // namespace

KeyEntry encodeButtonEntry(const ButtonTable& table, const ButtonExtra& extra, int button) {
    if (button < 0 || static_cast<std::size_t>(button) >= kButtonCount) return {};
    const auto b = static_cast<std::size_t>(button);
    const std::uint8_t function = buttonField(table, ButtonRow::Function, b);
    switch (function) {
    case kFnLeftClick: return mouseEntry(kMouseLeft);
    case kFnRightClick: return mouseEntry(kMouseRight);
    case kFnMidClick: return mouseEntry(kMouseMiddle);
    case kFnForward: return mouseEntry(kMouseForward);
    case kFnBackward: return mouseEntry(kMouseBack);
    // Left button, speed 34, three times.
    case kFnTripleClick: return {kEntryAutoFire, kMouseLeft, 0x22, 0x03};
    case kFnDpiSwitch: return {kEntryDpi, 0, extra[b], static_cast<std::uint8_t>(extra[b] == kDpiActionShift ? 1 : 0)};
    case kFnRgbOnOff: return {kEntryDevice, 0, 3, 0};
    case kFnShift: return {kEntryDevice, 0, 2, 0};
    case kFnKeyOff: return {};
    default:
        // Parameterised functions; codes above 15 from a file encode as an empty entry.
        return parameterEntry(function, table, b);
    }
}

void buildKeyMatrices(const ConfigRecord& record, std::array<std::uint8_t, 256>& block) {
    // KeyMatrix 2 and 4 stay all zero.
    block.fill(0);
    fillMatrix(block, 1, record.buttonsModeA, record.buttonsModeAExtra);
    fillMatrix(block, 3, record.buttonsModeB, record.buttonsModeBExtra);
}

void restoreDefaultButtonFunctions(ConfigRecord& record) {
    for (int mode = 0; mode < 2; ++mode) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            buttonField(record.buttons(mode), ButtonRow::Function, b) = kDefaultFunctions[b];
        }
        record.extra(mode)[kDefaultDpiButton] = kDefaultDpiAction;
    }
}

}  // namespace tarvik
