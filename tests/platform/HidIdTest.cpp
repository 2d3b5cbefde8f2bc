// The kernel's HID_ID text: well-formed and malformed lines, and the hardware-id text that
// device changes are matched by.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/linux/HidId.h"

namespace tarvik::platform {
namespace {

struct HidIdCase {
    const char* text;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> expected;  // vendor, product
};

TEST(HidId, ParsesTheValue) {
    const HidIdCase cases[] = {
        {"0003:000004D9:0000A09F", {{0x04D9, 0xA09F}}},
        {"0003:000004d9:0000a09f", {{0x04D9, 0xA09F}}},
        {"0005:0000046D:0000B01A", {{0x046D, 0xB01A}}},  // Bluetooth
        {"0003:04D9:A09F", {{0x04D9, 0xA09F}}},          // short fields are still hex
        {"0003:100004D9:0000A09F", std::nullopt},        // vendor beyond 16 bits: never cut down to 04D9
        {"0003:000004D9:0001A09F", std::nullopt},
        {"0003:000004D9", std::nullopt},
        {"0003:000004D9:", std::nullopt},
        {"0003::0000A09F", std::nullopt},
        {":000004D9:0000A09F", std::nullopt},
        {"0003:0x04D9:0000A09F", std::nullopt},
        {"0003:-00004D9:0000A09F", std::nullopt},
        {"0003:000004D9:0000A09F ", std::nullopt},
        {"0003:000004D9:0000A09F:1", std::nullopt},
        {"0003:0000000004D9:0000A09F", std::nullopt},  // more than eight digits
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto id = parseHidId(c.text);
        ASSERT_EQ(id.has_value(), c.expected.has_value());
        if (!id) continue;
        EXPECT_EQ(id->vendor, c.expected->first);
        EXPECT_EQ(id->product, c.expected->second);
    }
}

TEST(HidId, FindsTheLineInAUevent) {
    const struct {
        const char* uevent;
        bool found;
    } cases[] = {
        {"DRIVER=hid-generic\nHID_ID=0003:000004D9:0000A09F\nHID_NAME=Mouse\n", true},
        {"HID_ID=0003:000004D9:0000A09F", true},                                  // last line without newline
        {"DRIVER=hid-generic\nHID_NAME=HID_ID=0003:000004D9:0000A09F\n", false},  // not at line start
        {"DRIVER=hid-generic\nHID_ID=garbage\n", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.uevent);
        const auto id = hidIdFromUevent(c.uevent);
        ASSERT_EQ(id.has_value(), c.found);
        if (id) {
            EXPECT_EQ(hardwareId(*id), "VID_04D9&PID_A09F");
        }
    }
}

TEST(HidId, HardwareIdIsUpperCaseFourDigits) {
    EXPECT_EQ(hardwareId({0x04D9, 0xA09F, 0}), "VID_04D9&PID_A09F");
    EXPECT_EQ(hardwareId({0x000A, 0x0001, 0x1234}), "VID_000A&PID_0001");
}

TEST(HidId, ParsesHexAttributes) {
    const struct {
        const char* text;
        std::optional<std::uint16_t> value;
    } cases[] = {
        {"0100\n", 0x0100},        {"a09f", 0xA09F},       {"1", 0x1},
        {"", std::nullopt},        {"\n", std::nullopt},   {"10000\n", std::nullopt},
        {"01 00\n", std::nullopt}, {"zz\n", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseHex16(c.text), c.value);
    }
}

}  // namespace
}  // namespace tarvik::platform
