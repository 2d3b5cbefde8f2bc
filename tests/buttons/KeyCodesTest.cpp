// The key-name and modifier-name tables: every row, exact case-sensitive matching, and the
// names that must give 0.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "buttons/KeyCodes.h"

namespace tarvik {
namespace {

using Row = std::pair<std::string, std::uint8_t>;

void addRun(std::vector<Row>& rows, std::initializer_list<const char*> names, std::uint8_t first) {
    for (const char* name : names) rows.emplace_back(name, first++);
}

// A name and its number ("F1", "Num 7"), built by appending. Written as "Num " + std::to_string(d),
// GCC 12 at -O3 warns falsely (-Wrestrict: memcpy "may overlap") on the insert at the front of
// the fresh string that this operator+ turns into; the two can never overlap.
std::string numbered(const char* prefix, int n) {
    std::string name = prefix;
    name += std::to_string(n);
    return name;
}

// The key table written out from its published ranges, in table order.
std::vector<Row> expectedKeyRows() {
    std::vector<Row> rows;
    for (char c = 'A'; c <= 'Z'; ++c) rows.emplace_back(std::string(1, c), static_cast<std::uint8_t>(0x04 + c - 'A'));
    for (int d = 1; d <= 9; ++d) rows.emplace_back(std::to_string(d), static_cast<std::uint8_t>(0x1D + d));
    rows.emplace_back("0", 0x27);
    addRun(rows,
           {"Enter", "Esc", "Backspace", "Tab", "Space", "-", "=", "[", "]", "\\", "Eurpo(Note 2)", ";", "'", "`", ",",
            ".", "/", "Caps Lock"},
           0x28);
    for (int f = 1; f <= 12; ++f) rows.emplace_back(numbered("F", f), static_cast<std::uint8_t>(0x39 + f));
    addRun(rows,
           {"Prnt Scrn", "Scroll Lock", "Pause", "Insert", "Home", "Page Up", "Delete", "End", "Page Down", "Right",
            "Left", "Down", "Up", "Num Lock", "Num /", "Num *", "Num -", "Num +", "Num Enter"},
           0x46);
    for (int d = 1; d <= 9; ++d) rows.emplace_back(numbered("Num ", d), static_cast<std::uint8_t>(0x58 + d));
    addRun(rows, {"Num 0", "Num Del"}, 0x62);
    addRun(rows, {"Ctrl", "Shift", "Alt", "Left Windows", "Right Ctrl", "Right Shift", "Right Alt", "Right Windows"},
           0xE0);
    addRun(rows, {"L-Button", "R-Button", "M-Button"}, 0xF0);
    return rows;
}

TEST(KeyCodes, EveryRowOfTheKeyTable) {
    const auto rows = expectedKeyRows();
    ASSERT_EQ(rows.size(), 107u);
    ASSERT_EQ(keyNameCount(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].first);
        EXPECT_EQ(keyNameAt(i), rows[i].first) << "row " << i;
        EXPECT_EQ(keyUsageFromName(rows[i].first), rows[i].second);
        EXPECT_EQ(keyNameFromUsage(rows[i].second), rows[i].first);
    }
}

TEST(KeyCodes, NamesMatchOnlyWhenWrittenExactly) {
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"A", 0x04},
        {"Z", 0x1D},
        {"0", 0x27},
        {"Num 0", 0x62},
        {"Num Del", 0x63},
        {"Right Windows", 0xE7},
        {"Eurpo(Note 2)", 0x32},
        {"\\", 0x31},
        {"a", 0},
        {"Application", 0},
        {"Break", 0},
        {"", 0},
        {"Eurpo(note 2)", 0},
        {"Europ(Note 2)", 0},
        {"A ", 0},
        {" A", 0},
        {"Left Ctrl", 0},
        {"num 0", 0},
        {"B4-Button", 0},
    };
    for (const auto& [name, code] : cases) EXPECT_EQ(keyUsageFromName(name), code) << '"' << name << '"';
}

TEST(KeyCodes, ModifierTable) {
    const std::pair<const char*, std::uint8_t> cases[] = {
        {"Left Ctrl", 0x01},  {"Left Shift", 0x02},  {"Left Alt", 0x04},  {"Left Win", 0x08},
        {"Right Ctrl", 0x10}, {"Right Shift", 0x20}, {"Right Alt", 0x40}, {"Right Win", 0x80},
        {"Ctrl", 0},          {"Left Windows", 0},   {"left ctrl", 0},    {"", 0},
    };
    for (const auto& [name, bit] : cases) {
        EXPECT_EQ(modifierBitFromName(name), bit) << '"' << name << '"';
        if (bit != 0) {
            EXPECT_EQ(modifierNameFromBit(bit), name);
        }
    }
    EXPECT_EQ(modifierNameFromBit(0x03), "");  // a combination carries one modifier at most
}

TEST(KeyCodes, ReverseLookupsOfUnknownCodesAreEmpty) {
    EXPECT_EQ(keyNameFromUsage(0), "");
    EXPECT_EQ(keyNameFromUsage(0x64), "");
    EXPECT_EQ(mouseCodeName(kMouseBack), "B4-Button");
    EXPECT_EQ(mouseCodeName(kMouseTiltRight), "R-Tilt Wheel");
    EXPECT_EQ(mouseCodeName(kMouseFixedSlot14), "");
}

}  // namespace
}  // namespace tarvik
