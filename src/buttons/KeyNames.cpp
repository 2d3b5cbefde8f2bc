// The keycode-to-name table. Rows name the physical key by its evdev code, so a French or a
// German layout still gives "A" for the key that sends HID usage 0x04.
#include "buttons/KeyNames.h"

#include <linux/input-event-codes.h>

#include <array>

namespace tarvik {
namespace {

struct EvdevName {
    unsigned evdev;
    std::string_view name;
};

// The kernel turns both HID usage 0x31 (US backslash) and 0x32 (non-US hash and tilde) into
// KEY_BACKSLASH, so no keycode tells them apart: the key is named "\" (0x31), which every
// host reads the same as 0x32. KEY_102ND is the non-US backslash (usage 0x64), a key the
// name table lacks, so it gets a name of its own instead of a name that would encode wrongly.
// Rows packed as the keys sit on a keyboard, which one row a line would hide.
// clang-format off
constexpr std::array kEvdevNames{
    EvdevName{KEY_A, "A"}, EvdevName{KEY_B, "B"}, EvdevName{KEY_C, "C"}, EvdevName{KEY_D, "D"},
    EvdevName{KEY_E, "E"}, EvdevName{KEY_F, "F"}, EvdevName{KEY_G, "G"}, EvdevName{KEY_H, "H"},
    EvdevName{KEY_I, "I"}, EvdevName{KEY_J, "J"}, EvdevName{KEY_K, "K"}, EvdevName{KEY_L, "L"},
    EvdevName{KEY_M, "M"}, EvdevName{KEY_N, "N"}, EvdevName{KEY_O, "O"}, EvdevName{KEY_P, "P"},
    EvdevName{KEY_Q, "Q"}, EvdevName{KEY_R, "R"}, EvdevName{KEY_S, "S"}, EvdevName{KEY_T, "T"},
    EvdevName{KEY_U, "U"}, EvdevName{KEY_V, "V"}, EvdevName{KEY_W, "W"}, EvdevName{KEY_X, "X"},
    EvdevName{KEY_Y, "Y"}, EvdevName{KEY_Z, "Z"},
    EvdevName{KEY_1, "1"}, EvdevName{KEY_2, "2"}, EvdevName{KEY_3, "3"}, EvdevName{KEY_4, "4"},
    EvdevName{KEY_5, "5"}, EvdevName{KEY_6, "6"}, EvdevName{KEY_7, "7"}, EvdevName{KEY_8, "8"},
    EvdevName{KEY_9, "9"}, EvdevName{KEY_0, "0"},
    EvdevName{KEY_ENTER, "Enter"},
    EvdevName{KEY_ESC, "Esc"},
    EvdevName{KEY_BACKSPACE, "Backspace"},
    EvdevName{KEY_TAB, "Tab"},
    EvdevName{KEY_SPACE, "Space"},
    EvdevName{KEY_MINUS, "-"},
    EvdevName{KEY_EQUAL, "="},
    EvdevName{KEY_LEFTBRACE, "["},
    EvdevName{KEY_RIGHTBRACE, "]"},
    EvdevName{KEY_BACKSLASH, "\\"},
    EvdevName{KEY_SEMICOLON, ";"},
    EvdevName{KEY_APOSTROPHE, "'"},
    EvdevName{KEY_GRAVE, "`"},
    EvdevName{KEY_COMMA, ","},
    EvdevName{KEY_DOT, "."},
    EvdevName{KEY_SLASH, "/"},
    EvdevName{KEY_CAPSLOCK, "Caps Lock"},
    EvdevName{KEY_F1, "F1"}, EvdevName{KEY_F2, "F2"}, EvdevName{KEY_F3, "F3"}, EvdevName{KEY_F4, "F4"},
    EvdevName{KEY_F5, "F5"}, EvdevName{KEY_F6, "F6"}, EvdevName{KEY_F7, "F7"}, EvdevName{KEY_F8, "F8"},
    EvdevName{KEY_F9, "F9"}, EvdevName{KEY_F10, "F10"}, EvdevName{KEY_F11, "F11"}, EvdevName{KEY_F12, "F12"},
    EvdevName{KEY_SYSRQ, "Prnt Scrn"},  // the Print Screen key; Alt+Print is SysRq on the same key
    EvdevName{KEY_SCROLLLOCK, "Scroll Lock"},
    EvdevName{KEY_PAUSE, "Pause"},
    EvdevName{KEY_INSERT, "Insert"},
    EvdevName{KEY_HOME, "Home"},
    EvdevName{KEY_PAGEUP, "Page Up"},
    EvdevName{KEY_DELETE, "Delete"},
    EvdevName{KEY_END, "End"},
    EvdevName{KEY_PAGEDOWN, "Page Down"},
    EvdevName{KEY_RIGHT, "Right"},
    EvdevName{KEY_LEFT, "Left"},
    EvdevName{KEY_DOWN, "Down"},
    EvdevName{KEY_UP, "Up"},
    EvdevName{KEY_NUMLOCK, "Num Lock"},
    EvdevName{KEY_KPSLASH, "Num /"},
    EvdevName{KEY_KPASTERISK, "Num *"},
    EvdevName{KEY_KPMINUS, "Num -"},
    EvdevName{KEY_KPPLUS, "Num +"},
    EvdevName{KEY_KPENTER, "Num Enter"},
    // Keypad digits keep their names whether Num Lock is on or not: the key is what counts.
    EvdevName{KEY_KP1, "Num 1"}, EvdevName{KEY_KP2, "Num 2"}, EvdevName{KEY_KP3, "Num 3"},
    EvdevName{KEY_KP4, "Num 4"}, EvdevName{KEY_KP5, "Num 5"}, EvdevName{KEY_KP6, "Num 6"},
    EvdevName{KEY_KP7, "Num 7"}, EvdevName{KEY_KP8, "Num 8"}, EvdevName{KEY_KP9, "Num 9"},
    EvdevName{KEY_KP0, "Num 0"},
    EvdevName{KEY_KPDOT, "Num Del"},
    EvdevName{KEY_LEFTCTRL, "Ctrl"},
    EvdevName{KEY_LEFTSHIFT, "Shift"},
    EvdevName{KEY_LEFTALT, "Alt"},
    EvdevName{KEY_LEFTMETA, "Left Windows"},
    EvdevName{KEY_RIGHTCTRL, "Right Ctrl"},
    EvdevName{KEY_RIGHTSHIFT, "Right Shift"},
    EvdevName{KEY_RIGHTALT, "Right Alt"},
    EvdevName{KEY_RIGHTMETA, "Right Windows"},
    // Keys without a row in the key-name table: named, but they encode as 0.
    EvdevName{KEY_102ND, "Non-US \\"},
    EvdevName{KEY_COMPOSE, "Application"},
    EvdevName{KEY_KPEQUAL, "Num ="},
    EvdevName{KEY_KPCOMMA, "Num ,"},
    EvdevName{KEY_F13, "F13"}, EvdevName{KEY_F14, "F14"}, EvdevName{KEY_F15, "F15"},
    EvdevName{KEY_F16, "F16"}, EvdevName{KEY_F17, "F17"}, EvdevName{KEY_F18, "F18"},
    EvdevName{KEY_F19, "F19"}, EvdevName{KEY_F20, "F20"}, EvdevName{KEY_F21, "F21"},
    EvdevName{KEY_F22, "F22"}, EvdevName{KEY_F23, "F23"}, EvdevName{KEY_F24, "F24"},
    EvdevName{KEY_MUTE, "Mute"},
    EvdevName{KEY_VOLUMEDOWN, "Volume Down"},
    EvdevName{KEY_VOLUMEUP, "Volume Up"},
    EvdevName{KEY_NEXTSONG, "Next Track"},
    EvdevName{KEY_PREVIOUSSONG, "Previous Track"},
    EvdevName{KEY_PLAYPAUSE, "Play/Pause"},
    EvdevName{KEY_STOPCD, "Stop"},
};
// clang-format on

constexpr auto keycodeTable() {
    std::array<KeycodeName, kEvdevNames.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {kEvdevNames[i].evdev + kEvdevToKeycode, kEvdevNames[i].name};
    return rows;
}
constexpr auto kKeycodeNames = keycodeTable();

constexpr bool keycodesUnique() {
    for (std::size_t i = 0; i < kKeycodeNames.size(); ++i)
        for (std::size_t j = i + 1; j < kKeycodeNames.size(); ++j)
            if (kKeycodeNames[i].keycode == kKeycodeNames[j].keycode) return false;
    return true;
}
static_assert(keycodesUnique(), "one name per physical key");

}  // namespace

std::string_view keyNameFromKeycode(std::uint32_t keycode) {
    for (const KeycodeName& row : kKeycodeNames)
        if (row.keycode == keycode) return row.name;
    return {};
}

std::span<const KeycodeName> keycodeNames() { return kKeycodeNames; }

}  // namespace tarvik
