// English names of physical keyboard keys, from the keycode the window system reports (evdev
// code + 8 on X11 and Wayland), independent of the keyboard layout.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvik {

// X11 and Wayland number keys as the kernel's evdev code plus 8.
inline constexpr std::uint32_t kEvdevToKeycode = 8;

struct KeycodeName {
    std::uint32_t keycode;  // evdev code + 8
    std::string_view name;
};

// The name of the key with this keycode: a name of the key-name table where the key has one
// ("Ctrl", "Right Ctrl", "Num 1", ...), another English name for keys it lacks (they encode
// as 0), and "" for a keycode that names no key.
std::string_view keyNameFromKeycode(std::uint32_t keycode);

// Every named key, for tests and for listing.
std::span<const KeycodeName> keycodeNames();

}  // namespace tarvik
