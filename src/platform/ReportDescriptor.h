// Parser of HID report descriptors: the usage of the first top-level collection and the
// longest input, output and feature report, as a hidraw node's capabilities; and the same for
// each top-level collection, since one node carries every collection of its interface.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/Hid.h"

namespace tarvik::platform {

struct ParsedDescriptor {
    HidCapabilities capabilities;
    // True when the descriptor declares report ids: hidraw then hands every report over with
    // its id byte first, and without ids it hands over the bare payload.
    bool numberedReports = false;
    // Every top-level collection in descriptor order (up to kMaxCollections): its usage and
    // the longest report of each type declared inside it, id byte included.
    std::vector<HidCapabilities> collections;
};

inline constexpr std::size_t kMaxCollections = 32;

// Report lengths are the longest report of each type over the whole descriptor (a hidraw
// node carries every collection of its interface) in bytes, plus one for the report-id byte
// even when the descriptor has no report ids; 0 when there is no report of that type.
// The input comes from the device, so any byte string is accepted: nullopt when it is
// truncated, unbalanced, declares no collection or has reports too long for 16-bit lengths.
std::optional<ParsedDescriptor> parseReportDescriptor(std::span<const std::uint8_t> bytes);

}  // namespace tarvik::platform
