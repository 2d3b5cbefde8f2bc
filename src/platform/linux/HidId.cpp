// Parsing of the kernel's HID_ID text and formatting of the hardware id of device changes.
#include "platform/linux/HidId.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tarvik::platform {
namespace {

// One hex field of exactly the whole text, no sign or prefix.
std::optional<std::uint32_t> hexField(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::uint16_t> hexField16(std::string_view text, std::size_t maxDigits) {
    const auto value = hexField(text, maxDigits);
    if (!value || *value > 0xFFFF) return std::nullopt;
    return static_cast<std::uint16_t>(*value);
}

}  // namespace

std::optional<HidIdentity> parseHidId(std::string_view value) {
    const auto first = value.find(':');
    const auto second = first == std::string_view::npos ? first : value.find(':', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    if (!hexField(value.substr(0, first), 4)) return std::nullopt;  // bus type
    const auto vendor = hexField16(value.substr(first + 1, second - first - 1), 8);
    const auto product = hexField16(value.substr(second + 1), 8);
    if (!vendor || !product) return std::nullopt;
    return HidIdentity{*vendor, *product, 0};
}

std::optional<HidIdentity> hidIdFromUevent(std::string_view uevent) {
    constexpr std::string_view key = "HID_ID=";
    while (!uevent.empty()) {
        const auto eol = uevent.find('\n');
        const std::string_view line = uevent.substr(0, eol);
        if (line.starts_with(key)) return parseHidId(line.substr(key.size()));
        if (eol == std::string_view::npos) break;
        uevent.remove_prefix(eol + 1);
    }
    return std::nullopt;
}

std::string hardwareId(const HidIdentity& id) {
    char text[sizeof "VID_FFFF&PID_FFFF"];
    std::snprintf(text, sizeof text, "VID_%04X&PID_%04X", unsigned{id.vendor}, unsigned{id.product});
    return text;
}

std::optional<std::uint16_t> parseHex16(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
    return hexField16(text, 4);
}

}  // namespace tarvik::platform
