// Report-descriptor parsing: real-world descriptors from golden files, then malformed and
// hostile inputs that must be refused without reading past the end.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "HexFile.h"
#include "platform/ReportDescriptor.h"

namespace tarvik::platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct GoldenCase {
    const char* file;
    std::uint16_t usagePage, usage, input, output, feature;
    bool numbered;
};

// Lengths include the report-id byte, also for descriptors without report ids.
constexpr GoldenCase kGoldens[] = {
    {"boot_mouse", 0x0001, 0x0002, 4, 0, 0, false},         {"keyboard_multi_report", 0x0001, 0x0006, 9, 2, 0, true},
    {"mouse_command", 0xFF00, 0xFF00, 33, 33, 9, false},    {"mouse_event", 0xFF01, 0xFF01, 8, 0, 0, true},
    {"push_pop_long_item", 0x000C, 0x0001, 9, 0, 5, false},
};

void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.file; }

class GoldenDescriptor : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenDescriptor, GivesCapabilities) {
    const GoldenCase& c = GetParam();
    const auto parsed = parseReportDescriptor(test::readHexFile(test::descriptorFile(c.file)));
    ASSERT_TRUE(parsed.has_value());
    const HidCapabilities& caps = parsed->capabilities;
    EXPECT_EQ(caps.usagePage, c.usagePage);
    EXPECT_EQ(caps.usage, c.usage);
    EXPECT_EQ(caps.inputReportLength, c.input);
    EXPECT_EQ(caps.outputReportLength, c.output);
    EXPECT_EQ(caps.featureReportLength, c.feature);
    EXPECT_EQ(parsed->numberedReports, c.numbered);
}

// Cutting a descriptor anywhere must never read past the cut (checked under sanitizers).
TEST_P(GoldenDescriptor, EveryTruncationIsSafe) {
    const Bytes full = test::readHexFile(test::descriptorFile(GetParam().file));
    for (std::size_t n = 0; n < full.size(); ++n) {
        const Bytes cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
        (void)parseReportDescriptor(cut);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenDescriptor, testing::ValuesIn(kGoldens),
                         [](const auto& info) { return std::string(info.param.file); });

struct BytesCase {
    const char* name;
    Bytes bytes;
};

TEST(ReportDescriptor, RefusesMalformedInput) {
    const BytesCase cases[] = {
        {"empty", {}},
        {"short item cut in its data", {0x06, 0x00}},
        {"four-byte item cut", {0x05, 0x01, 0x0B, 0x01, 0x00}},
        {"long item header cut", {0xFE, 0x05}},
        {"long item data cut", {0xFE, 0x05, 0x10, 0x00, 0x00}},
        {"end collection without collection", {0xC0}},
        {"collection never closed", {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01}},
        {"no collection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}},
        {"report id 0", {0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0}},
        {"report id above 255", {0x09, 0x01, 0xA1, 0x01, 0x86, 0x00, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0}},
        {"pop without push", {0x09, 0x01, 0xA1, 0x01, 0xB4, 0xC0}},
        {"push overflow", {0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0xA4, 0x09, 0x01, 0xA1, 0x01, 0xC0}},
        {"size times count overflows",
         {0x09, 0x01, 0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0xC0}},
        {"report longer than 16-bit lengths", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0xC0}},
        {"report growing past 16-bit lengths",
         {0x09, 0x01, 0xA1, 0x01, 0x76, 0x00, 0x80, 0x95, 0x08, 0xB1, 0x02, 0xB1, 0x02, 0xC0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(parseReportDescriptor(c.bytes).has_value());
    }
}

struct LengthCase {
    const char* name;
    Bytes bytes;
    std::uint16_t input;
};

TEST(ReportDescriptor, RoundsReportsUpToBytesPlusIdByte) {
    const LengthCase cases[] = {
        {"one bit", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x01, 0x95, 0x01, 0x81, 0x02, 0xC0}, 2},
        {"nine bits", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x03, 0x95, 0x03, 0x81, 0x02, 0xC0}, 3},
        {"zero-count item is no report", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x00, 0x81, 0x02, 0xC0}, 0},
        {"longest report that fits", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x96, 0xFE, 0xFF, 0x81, 0x02, 0xC0}, 0xFFFF},
        {"largest of several report ids",
         {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x85, 0x01, 0x95, 0x02, 0x81, 0x02, 0x85,
          0x02, 0x95, 0x05, 0x81, 0x02, 0x85, 0x01, 0x95, 0x02, 0x81, 0x02, 0xC0},
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto parsed = parseReportDescriptor(c.bytes);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->capabilities.inputReportLength, c.input);
    }
}

TEST(ReportDescriptor, RandomBytesNeverCrash) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20000; ++round) {
        Bytes bytes(random() % 64);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        (void)parseReportDescriptor(bytes);
    }
}

}  // namespace
}  // namespace tarvik::platform
