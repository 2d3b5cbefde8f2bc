// Physical keys to key names: every keyboard name of the key-name table comes from the key
// whose HID usage it encodes to, whatever the layout; left and right and keypad apart.
#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <algorithm>
#include <set>
#include <string>

#include "buttons/KeyCodes.h"
#include "buttons/KeyNames.h"

namespace tarvik {
namespace {

struct PhysicalKey {
    unsigned evdev;
    const char* name;
    std::uint8_t usage;  // HID keyboard usage the key sends (the kernel's hid-input mapping)
};

// Rows packed as the keys sit on a keyboard, which one row a line would hide.
// clang-format off
constexpr PhysicalKey kKeys[] = {
    {KEY_A, "A", 0x04}, {KEY_B, "B", 0x05}, {KEY_C, "C", 0x06}, {KEY_D, "D", 0x07}, {KEY_E, "E", 0x08},
    {KEY_F, "F", 0x09}, {KEY_G, "G", 0x0A}, {KEY_H, "H", 0x0B}, {KEY_I, "I", 0x0C}, {KEY_J, "J", 0x0D},
    {KEY_K, "K", 0x0E}, {KEY_L, "L", 0x0F}, {KEY_M, "M", 0x10}, {KEY_N, "N", 0x11}, {KEY_O, "O", 0x12},
    {KEY_P, "P", 0x13}, {KEY_Q, "Q", 0x14}, {KEY_R, "R", 0x15}, {KEY_S, "S", 0x16}, {KEY_T, "T", 0x17},
    {KEY_U, "U", 0x18}, {KEY_V, "V", 0x19}, {KEY_W, "W", 0x1A}, {KEY_X, "X", 0x1B}, {KEY_Y, "Y", 0x1C},
    {KEY_Z, "Z", 0x1D},
    {KEY_1, "1", 0x1E}, {KEY_2, "2", 0x1F}, {KEY_3, "3", 0x20}, {KEY_4, "4", 0x21}, {KEY_5, "5", 0x22},
    {KEY_6, "6", 0x23}, {KEY_7, "7", 0x24}, {KEY_8, "8", 0x25}, {KEY_9, "9", 0x26}, {KEY_0, "0", 0x27},
    {KEY_ENTER, "Enter", 0x28}, {KEY_ESC, "Esc", 0x29}, {KEY_BACKSPACE, "Backspace", 0x2A},
    {KEY_TAB, "Tab", 0x2B}, {KEY_SPACE, "Space", 0x2C},
    {KEY_MINUS, "-", 0x2D}, {KEY_EQUAL, "=", 0x2E}, {KEY_LEFTBRACE, "[", 0x2F}, {KEY_RIGHTBRACE, "]", 0x30},
    {KEY_BACKSLASH, "\\", 0x31},
    {KEY_SEMICOLON, ";", 0x33}, {KEY_APOSTROPHE, "'", 0x34}, {KEY_GRAVE, "`", 0x35}, {KEY_COMMA, ",", 0x36},
    {KEY_DOT, ".", 0x37}, {KEY_SLASH, "/", 0x38}, {KEY_CAPSLOCK, "Caps Lock", 0x39},
    {KEY_F1, "F1", 0x3A}, {KEY_F2, "F2", 0x3B}, {KEY_F3, "F3", 0x3C}, {KEY_F4, "F4", 0x3D},
    {KEY_F5, "F5", 0x3E}, {KEY_F6, "F6", 0x3F}, {KEY_F7, "F7", 0x40}, {KEY_F8, "F8", 0x41},
    {KEY_F9, "F9", 0x42}, {KEY_F10, "F10", 0x43}, {KEY_F11, "F11", 0x44}, {KEY_F12, "F12", 0x45},
    {KEY_SYSRQ, "Prnt Scrn", 0x46}, {KEY_SCROLLLOCK, "Scroll Lock", 0x47}, {KEY_PAUSE, "Pause", 0x48},
    {KEY_INSERT, "Insert", 0x49}, {KEY_HOME, "Home", 0x4A}, {KEY_PAGEUP, "Page Up", 0x4B},
    {KEY_DELETE, "Delete", 0x4C}, {KEY_END, "End", 0x4D}, {KEY_PAGEDOWN, "Page Down", 0x4E},
    {KEY_RIGHT, "Right", 0x4F}, {KEY_LEFT, "Left", 0x50}, {KEY_DOWN, "Down", 0x51}, {KEY_UP, "Up", 0x52},
    {KEY_NUMLOCK, "Num Lock", 0x53}, {KEY_KPSLASH, "Num /", 0x54}, {KEY_KPASTERISK, "Num *", 0x55},
    {KEY_KPMINUS, "Num -", 0x56}, {KEY_KPPLUS, "Num +", 0x57}, {KEY_KPENTER, "Num Enter", 0x58},
    {KEY_KP1, "Num 1", 0x59}, {KEY_KP2, "Num 2", 0x5A}, {KEY_KP3, "Num 3", 0x5B}, {KEY_KP4, "Num 4", 0x5C},
    {KEY_KP5, "Num 5", 0x5D}, {KEY_KP6, "Num 6", 0x5E}, {KEY_KP7, "Num 7", 0x5F}, {KEY_KP8, "Num 8", 0x60},
    {KEY_KP9, "Num 9", 0x61}, {KEY_KP0, "Num 0", 0x62}, {KEY_KPDOT, "Num Del", 0x63},
    {KEY_LEFTCTRL, "Ctrl", 0xE0}, {KEY_LEFTSHIFT, "Shift", 0xE1}, {KEY_LEFTALT, "Alt", 0xE2},
    {KEY_LEFTMETA, "Left Windows", 0xE3}, {KEY_RIGHTCTRL, "Right Ctrl", 0xE4},
    {KEY_RIGHTSHIFT, "Right Shift", 0xE5}, {KEY_RIGHTALT, "Right Alt", 0xE6},
    {KEY_RIGHTMETA, "Right Windows", 0xE7},
};
// clang-format on

// Names of the key-name table that no keyboard keycode gives. The kernel turns HID usages
// 0x31 and 0x32 alike into KEY_BACKSLASH, so that key is "\"; the rest are mouse buttons.
const std::set<std::string> kNoKeyboardKey = {"Eurpo(Note 2)", "L-Button", "R-Button", "M-Button"};

TEST(KeyNames, EveryPhysicalKeyNamesItsOwnUsage) {
    for (const PhysicalKey& key : kKeys) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(keyNameFromKeycode(key.evdev + 8), key.name);
        EXPECT_EQ(keyUsageFromName(keyNameFromKeycode(key.evdev + 8)), key.usage);
    }
}

TEST(KeyNames, EveryNameOfTheKeyTableHasAKeyOrIsKnownToHaveNone) {
    for (std::size_t i = 0; i < keyNameCount(); ++i) {
        const std::string name(keyNameAt(i));
        SCOPED_TRACE(name);
        const bool physical =
            std::any_of(std::begin(kKeys), std::end(kKeys), [&](const PhysicalKey& k) { return name == k.name; });
        EXPECT_NE(physical, kNoKeyboardKey.contains(name));
    }
    for (const KeycodeName& row : keycodeNames()) EXPECT_FALSE(kNoKeyboardKey.contains(std::string(row.name)));
}

TEST(KeyNames, KeysOutsideTheTableHaveNamesThatEncodeAsZero) {
    std::set<unsigned> tableKeys;
    for (const PhysicalKey& key : kKeys) tableKeys.insert(key.evdev + 8);
    for (const KeycodeName& row : keycodeNames()) {
        if (tableKeys.contains(row.keycode)) continue;
        SCOPED_TRACE(std::string(row.name));
        EXPECT_FALSE(row.name.empty());
        EXPECT_EQ(keyUsageFromName(row.name), 0);
    }
    EXPECT_EQ(keyNameFromKeycode(KEY_102ND + 8), "Non-US \\");  // usage 0x64: not the "\" key
    EXPECT_EQ(keyNameFromKeycode(0), "");                       // synthesised events carry no keycode
    EXPECT_EQ(keyNameFromKeycode(KEY_RESERVED + 8), "");
    EXPECT_EQ(keyNameFromKeycode(100000), "");
}

}  // namespace
}  // namespace tarvik
