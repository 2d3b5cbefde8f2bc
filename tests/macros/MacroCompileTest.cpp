// Tests of the event-line grammar, the loop-count field and the compile of event lines into
// a macro slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "macros/EventLines.h"
#include "macros/MacroSlot.h"

namespace tarvik {
namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<Byte>;

// The slot's event records up to the last non-zero byte.
Bytes usedRecords(const EventRecords& records) {
    auto end = records.end();
    while (end != records.begin() && *(end - 1) == 0) --end;
    return {records.begin(), end};
}

TEST(MacroCompileTest, EventLinesBecomeRecords) {
    struct Case {
        const char* what;
        Lines lines;
        Bytes records;
    };
    const Case cases[] = {
        {"worked example", {"A   Dn", "50 ms", "A   Up", "1500 ms"}, {0x05, 0x04, 0x80, 0x04, 0x0F, 0x03}},
        {"a lone press has pause 0", {"A   Dn"}, {0x00, 0x04}},
        {"1270 ms fits one record", {"A   Dn", "1270 ms"}, {0x7F, 0x04}},
        {"1271 ms adds an extension", {"A   Dn", "1271 ms"}, {0x47, 0x04, 0x0C, 0x03}},
        {"10000 ms on a release", {"A   Up", "10000 ms"}, {0x80, 0x04, 0x64, 0x03}},
        {"55 ms loses its remainder", {"A   Dn", "55 ms"}, {0x05, 0x04}},
        {"two events without a delay", {"A   Dn", "A   Up", "20 ms"}, {0x00, 0x04, 0x82, 0x04}},
        {"a delay line first is skipped", {"70 ms", "A   Dn", "30 ms"}, {0x03, 0x04}},
        {"a doubled delay line is skipped", {"A   Dn", "30 ms", "90 ms", "A   Up"}, {0x03, 0x04, 0x80, 0x04}},
        {"mouse buttons", {"L-Button   Dn", "50 ms", "M-Button   Up"}, {0x05, 0xF0, 0x80, 0xF2}},
        {"an unknown name gives code 0", {"Taste   Dn", "50 ms", "A   Dn"}, {0x05, 0x00, 0x00, 0x04}},
        {"a key named by digits is no pause", {"A   Dn", "5   Dn"}, {0x00, 0x04, 0x00, 0x22}},
        {"a negative pause counts as 0", {"A   Dn", "-50 ms"}, {0x00, 0x04}},
        {"stray text writes nothing", {"hello", "", "A   Dn"}, {0x00, 0x04}},
        {"every suffix is removed from the name", {"A   Dn   Dn"}, {0x00, 0x04}},
        {"an empty list", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(usedRecords(encodeEventRecords(c.lines)), c.records);
    }
}

Lines repeatedEvents(std::size_t events, std::string_view delay) {
    Lines lines;
    for (std::size_t i = 0; i < events; ++i) {
        lines.push_back("A   Dn");
        lines.emplace_back(delay);
    }
    return lines;
}

// 63 records fill the slot; what does not fit is left out whole, never written past it.
TEST(MacroCompileTest, LongMacrosStopAtTheEndOfTheSlot) {
    struct Case {
        const char* what;
        Lines lines;
        std::size_t records;
        Byte lastTiming;
        Byte lastCode;
    };
    const Case cases[] = {
        {"63 short events fill the slot", repeatedEvents(63, "50 ms"), 63, 0x05, 0x04},
        {"a 64th event is dropped", repeatedEvents(200, "50 ms"), 63, 0x05, 0x04},
        {"31 long events leave one record", repeatedEvents(31, "1500 ms"), 62, 0x0F, 0x03},
        {"a long event that does not fit whole is dropped", repeatedEvents(40, "1500 ms"), 62, 0x0F, 0x03},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigRecord record;
        std::ranges::fill(record.macroSlots, Byte{0xEE});
        compileIntoSlot(macroSlot(record, 1), static_cast<int>(c.lines.size()), c.lines);
        const auto slot = macroSlot(record, 1);
        std::size_t records = 0;
        while (records < kMacroRecordCount && (slot[2 + 2 * records] != 0 || slot[3 + 2 * records] != 0)) ++records;
        EXPECT_EQ(records, c.records);
        EXPECT_EQ(slot[2 * records], c.lastTiming);
        EXPECT_EQ(slot[2 * records + 1], c.lastCode);
        EXPECT_EQ(GetLoopCount(record, 1), 0xEEEE);                // the loop count stays
        EXPECT_EQ(record.macroSlots[kMacroSlotSize], Byte{0xEE});  // slot 2 untouched
    }
}

TEST(MacroCompileTest, ItemCountDecidesWhatHappensToTheSlot) {
    struct Case {
        const char* what;
        int itemCount;
        Bytes head;  // the first six bytes afterwards
    };
    const Lines lines = {"A   Dn"};
    const Case cases[] = {
        {"0 clears all 128 bytes, loop count included", 0, {0, 0, 0, 0, 0, 0}},
        {"below 0 leaves the slot", -1, {0x00, 0x07, 0x99, 0x99, 0x99, 0x99}},
        {"above 0 keeps the loop count", 1, {0x00, 0x07, 0x00, 0x04, 0x00, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ConfigRecord record;
        std::ranges::fill(macroSlot(record, 3), Byte{0x99});
        SetLoopCount(record, 3, 7);
        compileIntoSlot(macroSlot(record, 3), c.itemCount, lines);
        const auto slot = macroSlot(record, 3);
        EXPECT_EQ(Bytes(slot.begin(), slot.begin() + 6), c.head);
        if (c.itemCount >= 0) {
            EXPECT_TRUE(std::all_of(slot.begin() + 6, slot.end(), [](Byte b) { return b == 0; }));
        }
    }
}

TEST(LoopCountTest, FieldTextBecomesACountOf1To65535) {
    struct Case {
        const char* text;
        LoopField field;
    };
    const Case cases[] = {
        {"0", {1, true}},  {"70000", {1, true}},      {"", {1, true}},     {"99999999999", {1, true}},
        {"1", {1, false}}, {"65535", {65535, false}}, {"12", {12, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(loopFieldValue(c.text), c.field);
    }
}

TEST(LoopCountTest, StoredBigEndianInItsSlotOnly) {
    ConfigRecord record;
    SetLoopCount(record, 12, 65535);
    SetLoopCount(record, 2, 0x0102);
    SetLoopCount(record, 13, 5);  // no such slot
    SetLoopCount(record, 0, 5);
    EXPECT_EQ(record.macroSlots[11 * kMacroSlotSize], 0xFF);
    EXPECT_EQ(record.macroSlots[11 * kMacroSlotSize + 1], 0xFF);
    EXPECT_EQ(record.macroSlots[kMacroSlotSize], 0x01);
    EXPECT_EQ(record.macroSlots[kMacroSlotSize + 1], 0x02);
    EXPECT_EQ(GetLoopCount(record, 2), 0x0102);
    EXPECT_EQ(GetLoopCount(record, 13), 0);
    EXPECT_EQ(std::count(record.macroSlots.begin(), record.macroSlots.end(), 0), 1536 - 4);
}

TEST(EventLinesTest, EditorLines) {
    EXPECT_EQ(expandClick("L-Button Click"), (std::array<std::string, 2>{"L-Button   Dn", "L-Button   Up"}));
    EXPECT_TRUE(isClickChoice(mouseEventChoices[2]));
    EXPECT_FALSE(isClickChoice(mouseEventChoices[3]));
    const std::tuple<int, const char*, const char*> entries[] = {
        {5, "5", "20 ms"},
        {12000, "12000", "10000 ms"},
        {150, "0150", "0150 ms"},
        {20, "20", "20 ms"},
    };
    for (const auto& [value, digits, line] : entries) {
        SCOPED_TRACE(digits);
        EXPECT_EQ(delayLineFromEntry(value, digits), line);
    }
    EXPECT_EQ(eventOfLine("Right Shift   Up"), (MacroEvent{"Right Shift", true}));
    EXPECT_EQ(eventOfLine("50 ms"), std::nullopt);
    EXPECT_TRUE(isDelayLine(delayLine(kDefaultPauseMs)));
}

TEST(SlotHexTest, TwoUpperCaseDigitsPerByte) {
    const Byte bytes[] = {0x00, 0x05, 0x80, 0x0F, 0xFF};
    EXPECT_EQ(slotHex(bytes), "00 05 80 0F FF");
    EXPECT_EQ(slotHex({}), "");
}

}  // namespace
}  // namespace tarvik
