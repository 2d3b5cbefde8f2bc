// The fire-key, multimedia and Windows-function tables: codes by index, out-of-range
// indexes, and the list texts in the three languages.
#include <gtest/gtest.h>

#include "buttons/ChoiceTables.h"

namespace tarvik {
namespace {

TEST(ChoiceTables, FireKeyCodesAtTheEdgesOfEachGroup) {
    const std::pair<int, std::uint8_t> cases[] = {
        {0, 0x04},  {25, 0x1D}, {26, 0x1E}, {34, 0x26}, {35, 0x27}, {36, 0xE0}, {38, 0xE2},
        {39, 0xE4}, {40, 0xE5}, {41, 0xE6}, {42, 0x3A}, {53, 0x45}, {54, 0xF0}, {57, 0xF3},
        {58, 0xF4}, {60, 0xF6}, {-1, 0},    {61, 0},    {1000, 0},
    };
    for (const auto& [index, code] : cases) EXPECT_EQ(fireKeyCodeOf(index), code) << "index " << index;
    const auto items = fireKeyItems();
    ASSERT_EQ(items.size(), 61u);
    EXPECT_EQ(items[0], "A");
    EXPECT_EQ(items[35], "0");
    EXPECT_EQ(items[39], "R-CTRL");
    EXPECT_EQ(items[40], "R-SHIFT");
    EXPECT_EQ(items[60], "R-Tilt Wheel");
}

TEST(ChoiceTables, MediaUsages) {
    const std::uint8_t usages[] = {0xB5, 0xB6, 0xB7, 0xCD, 0xE2, 0xE9, 0xEA};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(mediaUsageOf(i), usages[i]) << "index " << i;
    EXPECT_EQ(mediaUsageOf(-1), 0);
    EXPECT_EQ(mediaUsageOf(7), 0);
    ASSERT_EQ(mediaItems().size(), 7u);
    EXPECT_EQ(mediaItems()[0].en, "Next");
    EXPECT_EQ(mediaItems()[3].cht, "播放/暫停");
}

TEST(ChoiceTables, WindowsUsagesLowAndHigh) {
    const std::uint16_t usages[] = {0x0183, 0x018A, 0x0192, 0x0194, 0x0221, 0x0223,
                                    0x0224, 0x0225, 0x0226, 0x0227, 0x022A};
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE("index " + std::to_string(i));
        EXPECT_EQ(windowsUsageOf(i), usages[i] & 0xFF);
        EXPECT_EQ(windowsUsageHighOf(i), i <= 3 ? 1 : 2);
    }
    for (int outside : {-1, 11, 255}) {
        EXPECT_EQ(windowsUsageOf(outside), 0);
        EXPECT_EQ(windowsUsageHighOf(outside), 0);
    }
    ASSERT_EQ(windowsItems().size(), 11u);
    EXPECT_EQ(windowsItems()[6].en, "Browser-Back");
    EXPECT_EQ(windowsItems()[10].cht, "瀏覽器-我的最愛");
}

}  // namespace
}  // namespace tarvik
