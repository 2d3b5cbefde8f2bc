// Button tables to KeyMatrix entries: the catalogue encodings, the slot order, the fixed
// slots 14 and 15, the untouched matrices 2 and 4, and the "Default" button's record part.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "buttons/KeyMatrix.h"

namespace tarvik {
namespace {

using Block = std::array<std::uint8_t, 256>;

// A matrix as the trace logs it: sixteen entries read little-endian, separated by spaces.
std::string logMatrix(const Block& block, int matrix) {
    std::string line;
    for (std::size_t s = 0; s < 16; ++s) {
        const std::size_t at = 64 * static_cast<std::size_t>(matrix - 1) + 4 * s;
        char word[10];
        std::snprintf(word, sizeof word, "%02x%02x%02x%02x", block[at + 3], block[at + 2], block[at + 1], block[at]);
        if (!line.empty()) line += ' ';
        line += word;
    }
    return line;
}

KeyEntry entryAt(const Block& block, int matrix, std::size_t slot) {
    const std::size_t at = 64 * static_cast<std::size_t>(matrix - 1) + 4 * slot;
    return {block[at], block[at + 1], block[at + 2], block[at + 3]};
}

const std::string kZero = "00000000";
const std::string kDefaultLog = "00f00001 00f10001 00f20001 00f30001 00f40001 00030007 " + kZero + " 0322f00a " +
                                kZero + " " + kZero + " " + kZero + " " + kZero + " " + kZero + " " + kZero +
                                " 00f70001 00f80001";

TEST(KeyMatrix, DefaultsLogAsTheFactoryMatrices) {
    ConfigRecord record{};
    restoreDefaultButtonFunctions(record);
    Block block;
    block.fill(0xEE);  // stale content must not survive
    buildKeyMatrices(record, block);
    EXPECT_EQ(logMatrix(block, 1), kDefaultLog);
    EXPECT_EQ(logMatrix(block, 3), kDefaultLog);
    const std::string allZero = logMatrix(Block{}, 1);
    EXPECT_EQ(logMatrix(block, 2), allZero);
    EXPECT_EQ(logMatrix(block, 4), allZero);
}

// One button of a table under test, with the parameter rows its function reads.
struct ButtonFixture {
    ButtonTable table{};
    ButtonExtra extra{};
    ButtonFixture& function(std::uint8_t code) { return set(ButtonRow::Function, code); }
    ButtonFixture& set(ButtonRow row, std::uint8_t value) {
        buttonField(table, row, 2) = value;
        return *this;
    }
    KeyEntry encode() const { return encodeButtonEntry(table, extra, 2); }
};

TEST(KeyMatrix, EntryOfEachCatalogueItem) {
    using R = ButtonRow;
    struct Case {
        const char* name;
        ButtonFixture button;
        KeyEntry expected;
    };
    auto fire = ButtonFixture{}.function(kFnFireKey);
    fire.set(R::FireKeyCode, fireKeyCodeOf(0)).set(R::FireSpeed, 32).set(R::FireTimes, 1);
    auto combo = ButtonFixture{}.function(kFnComboKey);
    combo.set(R::ComboModifiers, modifierBitFromName("Left Ctrl")).set(R::ComboKey1, keyUsageFromName("A"));
    auto macro = ButtonFixture{}.function(kFnMacroKey);
    macro.set(R::MacroIndex, 2).set(R::MacroRepeatMode, 2 - 1);
    auto dpiLoop = ButtonFixture{}.function(kFnDpiSwitch);
    dpiLoop.extra[2] = 3;
    auto shiftDpi = ButtonFixture{}.function(kFnDpiSwitch);
    shiftDpi.extra[2] = 4;
    auto back = ButtonFixture{}.function(kFnWindows);
    back.set(R::WindowsUsageLow, windowsUsageOf(6)).set(R::WindowsUsageHigh, windowsUsageHighOf(6));
    auto staleKey = ButtonFixture{}.function(kFnKeyOff);
    staleKey.set(R::SingleKeyCode, 0x04);  // rows of other functions are not read

    const Case cases[] = {
        {"Left Click", ButtonFixture{}.function(kFnLeftClick), {0x01, 0, 0xF0, 0}},
        {"Right Click", ButtonFixture{}.function(kFnRightClick), {0x01, 0, 0xF1, 0}},
        {"Mid Click", ButtonFixture{}.function(kFnMidClick), {0x01, 0, 0xF2, 0}},
        {"Forward", ButtonFixture{}.function(kFnForward), {0x01, 0, 0xF4, 0}},
        {"Backward", ButtonFixture{}.function(kFnBackward), {0x01, 0, 0xF3, 0}},
        {"Triple-click", ButtonFixture{}.function(kFnTripleClick), {0x0A, 0xF0, 0x22, 0x03}},
        {"DPI Loop", dpiLoop, {0x07, 0, 0x03, 0}},
        {"Shift DPI", shiftDpi, {0x07, 0, 0x04, 0x01}},
        {"RGB On/Off", ButtonFixture{}.function(kFnRgbOnOff), {0x08, 0, 0x03, 0}},
        {"Browser-Back", back, {0x03, 0, 0x24, 0x02}},
        {"Multimedia Next",
         ButtonFixture{}.function(kFnMultimedia).set(R::MediaUsage, mediaUsageOf(0)),
         {0x03, 0, 0xB5, 0}},
        {"Fire Key defaults", fire, {0x0A, 0x04, 0x20, 0x01}},
        {"Single Key Z", ButtonFixture{}.function(kFnSingleKey).set(R::SingleKeyCode, 0x1D), {0x00, 0, 0x1D, 0}},
        {"Single Key without code", ButtonFixture{}.function(kFnSingleKey), {0, 0, 0, 0}},
        {"Left Ctrl + A", combo, {0x00, 0x01, 0x04, 0x00}},
        {"Macro 3 repeat mode 2", macro, {0x09, 0x01, 0x03, 0x00}},
        {"Shift", ButtonFixture{}.function(kFnShift), {0x08, 0, 0x02, 0}},
        {"Key Off", staleKey, {0, 0, 0, 0}},
        {"code 16", ButtonFixture{}.function(16), {0, 0, 0, 0}},
        {"code 255", ButtonFixture{}.function(255).set(R::SingleKeyCode, 4), {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.button.encode(), c.expected);
    }
}

TEST(KeyMatrix, ButtonsOutsideTheTableEncodeAsEmpty) {
    ButtonTable table{};  // function 0 everywhere: Left Click
    const ButtonExtra extra{};
    EXPECT_EQ(encodeButtonEntry(table, extra, -1), (KeyEntry{}));
    EXPECT_EQ(encodeButtonEntry(table, extra, 12), (KeyEntry{}));
    EXPECT_EQ(encodeButtonEntry(table, extra, 11), (KeyEntry{0x01, 0, 0xF0, 0}));
}

TEST(KeyMatrix, EachButtonLandsInItsSlotPerMode) {
    // Button b of mode A types key 0x04 + b, of mode B key 0x20 + b; each slot shows its owner.
    ConfigRecord record{};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        buttonField(record.buttonsModeA, ButtonRow::Function, b) = kFnSingleKey;
        buttonField(record.buttonsModeA, ButtonRow::SingleKeyCode, b) = static_cast<Byte>(0x04 + b);
        buttonField(record.buttonsModeB, ButtonRow::Function, b) = kFnSingleKey;
        buttonField(record.buttonsModeB, ButtonRow::SingleKeyCode, b) = static_cast<Byte>(0x20 + b);
    }
    Block block{};
    buildKeyMatrices(record, block);
    const std::size_t slotOf[kButtonCount] = {0, 1, 2, 4, 3, 5, 7, 6, 8, 9, 10, 11};
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        SCOPED_TRACE("button " + std::to_string(b));
        EXPECT_EQ(entryAt(block, 1, slotOf[b]), (KeyEntry{0, 0, static_cast<std::uint8_t>(0x04 + b), 0}));
        EXPECT_EQ(entryAt(block, 3, slotOf[b]), (KeyEntry{0, 0, static_cast<std::uint8_t>(0x20 + b), 0}));
    }
    for (int m : {1, 3}) {
        EXPECT_EQ(entryAt(block, m, 12), (KeyEntry{}));
        EXPECT_EQ(entryAt(block, m, 13), (KeyEntry{}));
        EXPECT_EQ(entryAt(block, m, 14), (KeyEntry{0x01, 0, 0xF7, 0}));
        EXPECT_EQ(entryAt(block, m, 15), (KeyEntry{0x01, 0, 0xF8, 0}));
    }
}

TEST(KeyMatrix, DefaultButtonKeepsParameterRowsAndOtherExtras) {
    ConfigRecord record{};
    record.buttonsModeA.fill(0x55);
    record.buttonsModeB.fill(0x66);
    record.buttonsModeAExtra.fill(2);
    record.buttonsModeBExtra.fill(4);
    restoreDefaultButtonFunctions(record);
    for (int mode = 0; mode < 2; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const Byte kept = mode == 0 ? 0x55 : 0x66;
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            EXPECT_EQ(buttonField(record.buttons(mode), ButtonRow::Function, b), kDefaultFunctions[b]);
            EXPECT_EQ(buttonField(record.buttons(mode), ButtonRow::FireSpeed, b), kept);
            EXPECT_EQ(record.extra(mode)[b], b == 5 ? 3 : (mode == 0 ? 2 : 4));
        }
    }
}

TEST(ButtonCatalogue, ComboCaptionLeavesOutPartsWithoutCode) {
    struct Case {
        const char *modifier, *key1, *key2, *tail;
    };
    const Case cases[] = {
        {"Left Ctrl", "A", "", "Left Ctrl+A"},
        {"", "A", "B", "A+B"},
        {"Right Win", "", "F4", "Right Win+F4"},
        {"Ctrl", "A", "", "A"},  // "Ctrl" names a key, not a modifier
        {"", "Application", "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(comboCaptionTail(c.modifier, c.key1, c.key2), c.tail) << c.tail;
}

TEST(ButtonCatalogue, LabelsInListOrder) {
    EXPECT_EQ(functionLabel(kFnMacroKey), "Macro Key");
    EXPECT_EQ(functionLabel(kFnShift), "Shift");  // after "Macro Key", before "Key Off"
    EXPECT_EQ(functionLabel(kFnKeyOff), "Key Off");
    EXPECT_EQ(functionLabel(16), "");
    EXPECT_EQ(dpiActionText(3), "DPI Loop");
    EXPECT_EQ(dpiActionText(0), "");
    EXPECT_EQ(dpiActionText(5), "");
}

}  // namespace
}  // namespace tarvik
