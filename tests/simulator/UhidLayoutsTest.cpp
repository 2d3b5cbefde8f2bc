// The virtual mouse's report descriptors parse into the collections discovery looks for: the
// command collection alone and unnumbered, the event collection numbered, and in the composite
// layout behind three keyboard collections on one node.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ReportDescriptor.h"
#include "simulator/UhidLayouts.h"

namespace tarvik::simulator {
namespace {

struct Expected {
    std::uint16_t usagePage, usage, feature, input, output;
};

struct Case {
    UhidLayout layout;
    std::size_t interfaceIndex;
    bool numbered;
    std::vector<Expected> collections;
};

const Expected kCommand{0xFF00, 0xFF00, 9, 33, 33};
const Expected kEvent{0xFF01, 0xFF01, 0, 5, 0};

TEST(UhidLayouts, DescriptorsGiveEveryTopLevelCollectionWithItsLengths) {
    const Case cases[] = {
        {UhidLayout::Split, 0, false, {kCommand}},
        {UhidLayout::Split, 1, true, {kEvent}},
        {UhidLayout::Composite, 0, false, {{0x0001, 0x0002, 0, 5, 0}}},
        {UhidLayout::Composite,
         1,
         true,
         {{0x0001, 0x0006, 0, 9, 0}, {0x000C, 0x0001, 0, 3, 0}, {0x0001, 0x0080, 0, 2, 0}, kEvent}},
        {UhidLayout::Composite, 2, false, {kCommand}},
    };
    for (const Case& c : cases) {
        const auto interfaces = uhidInterfaces(c.layout);
        ASSERT_LT(c.interfaceIndex, interfaces.size());
        const UhidInterface& i = interfaces[c.interfaceIndex];
        SCOPED_TRACE(std::string(i.name));
        const auto parsed = platform::parseReportDescriptor(i.descriptor);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(parsed->numberedReports, c.numbered);
        ASSERT_EQ(parsed->collections.size(), c.collections.size());
        for (std::size_t k = 0; k < c.collections.size(); ++k) {
            const auto& got = parsed->collections[k];
            const Expected& want = c.collections[k];
            SCOPED_TRACE(k);
            EXPECT_EQ(got.usagePage, want.usagePage);
            EXPECT_EQ(got.usage, want.usage);
            EXPECT_EQ(got.featureReportLength, want.feature);
            EXPECT_EQ(got.inputReportLength, want.input);
            EXPECT_EQ(got.outputReportLength, want.output);
        }
        EXPECT_EQ(i.command, c.collections.front().usagePage == 0xFF00);
        EXPECT_EQ(i.event, c.collections.back().usagePage == 0xFF01);
    }
}

}  // namespace
}  // namespace tarvik::simulator
