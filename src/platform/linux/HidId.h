// The kernel's HID identity text ("HID_ID=0003:000004D9:0000A09F" in a HID device's uevent)
// turned into vendor and product, and into the "VID_04D9&PID_A09F" form device changes carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Hid.h"

namespace tarvik::platform {

// Parses the value "bus:vendor:product" (hex fields). nullopt when malformed, or when the
// vendor or product does not fit 16 bits: cutting it down could make another device look
// like the mouse. The version is left 0; the kernel keeps it elsewhere.
std::optional<HidIdentity> parseHidId(std::string_view value);

// Finds the HID_ID line of a uevent file's text and parses it.
std::optional<HidIdentity> hidIdFromUevent(std::string_view uevent);

// "VID_04D9&PID_A09F": upper-case hex, four digits each.
std::string hardwareId(const HidIdentity& id);

// Parses a sysfs hex attribute such as bcdDevice ("0100\n"); nullopt when it is not 1-4 hex
// digits.
std::optional<std::uint16_t> parseHex16(std::string_view text);

}  // namespace tarvik::platform
