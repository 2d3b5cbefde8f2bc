// Tests of the conversions between pointer levels and the desktop's pointer values.
#include "performance/PointerLevels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvik {
namespace {

TEST(PointerLevelsTest, SpeedBothWays) {
    // speed read -> level shown -> speed written back
    const std::array<std::array<int, 3>, 6> cases = {{
        {10, 6, 10},
        {1, 1, 1},
        {3, 2, 2},
        {20, 11, 20},
        {0, 1, 1},
        {40, 11, 20},
    }};
    for (const auto& [speed, level, written] : cases) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        EXPECT_EQ(levelFromSpeed(speed), level);
        EXPECT_EQ(speedFromLevel(level), written);
    }
    EXPECT_EQ(speedFromLevel(0), std::nullopt);  // a record never loaded writes nothing
    EXPECT_EQ(speedFromLevel(12), std::nullopt);
}

TEST(PointerLevelsTest, DesktopSpeedBothWays) {
    for (int level = kMinPointerLevel; level <= kMaxPointerLevel; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        EXPECT_DOUBLE_EQ(*desktopSpeedFromLevel(level), (level - 6) / 5.0);
        EXPECT_EQ(levelFromDesktopSpeed(*desktopSpeedFromLevel(level)), level);
    }
    EXPECT_EQ(desktopSpeedFromLevel(0), std::nullopt);
    EXPECT_EQ(desktopSpeedFromLevel(12), std::nullopt);
    // Values the desktop's own slider sets land on the nearest level; the ends hold.
    const std::pair<double, int> reads[] = {
        {-0.85, 2}, {0.09, 6}, {0.11, 7}, {0.95, 11}, {-3.0, 1}, {2.5, 11}, {std::nan(""), 6},
    };
    for (const auto& [speed, level] : reads) {
        SCOPED_TRACE("desktop speed " + std::to_string(speed));
        EXPECT_EQ(levelFromDesktopSpeed(speed), level);
    }
}

TEST(PointerLevelsTest, WheelBothWays) {
    EXPECT_EQ(wheelFromLines(3), (WheelSetting{0, 3}));
    EXPECT_EQ(wheelFromLines(kScrollOneScreenLines), (WheelSetting{1, 0}));
    EXPECT_EQ(wheelFromLines(0), (WheelSetting{0, 0}));    // failed read: empty slider
    EXPECT_EQ(wheelFromLines(40), (WheelSetting{0, 11}));  // no position beyond 11
    EXPECT_EQ(linesFromWheel({0, 3}), 3U);
    EXPECT_EQ(linesFromWheel({1, 0}), kScrollOneScreenLines);  // page scrolling is kept
    EXPECT_EQ(linesFromWheel({0, 0}), std::nullopt);           // never turns the wheel off
}

TEST(PointerLevelsTest, DoubleClickBothWays) {
    // time read -> level shown; the 500 ms default shows 6, which writes back as 550 ms
    const std::pair<unsigned, int> reads[] = {
        {500, 6}, {900, 1}, {200, 11}, {550, 6}, {901, 1}, {1000, 1}, {5000, 1}, {100, 11}, {0, 11},
    };
    for (const auto& [time, level] : reads) {
        SCOPED_TRACE(std::to_string(time) + " ms");
        EXPECT_EQ(doubleClickLevelFromTime(time), level);
    }
    EXPECT_EQ(doubleClickTimeFromLevel(6), 550U);
    EXPECT_EQ(doubleClickTimeFromLevel(1), 900U);
    EXPECT_EQ(doubleClickTimeFromLevel(11), 200U);
    EXPECT_EQ(doubleClickTimeFromLevel(0), std::nullopt);  // not 970 ms
    EXPECT_EQ(doubleClickTimeFromLevel(13), std::nullopt);
}

TEST(PointerLevelsTest, PrecisionWritesSixTenOne) {
    EXPECT_EQ(mouseParamsForPrecision(true), (std::array{6, 10, 1}));
    EXPECT_EQ(mouseParamsForPrecision(false), (std::array{0, 0, 0}));
    EXPECT_TRUE(precisionFromMouseParams({4, 12, 2}));
    EXPECT_FALSE(precisionFromMouseParams({6, 10, 0}));
}

}  // namespace
}  // namespace tarvik
