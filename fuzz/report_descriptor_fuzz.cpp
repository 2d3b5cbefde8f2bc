// Fuzz target of the HID report-descriptor parser: a device can send any bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tarvik::platform::parseReportDescriptor(std::span<const std::uint8_t>(data, size));
    return 0;
}
