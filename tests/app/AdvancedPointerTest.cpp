// The Advanced page's pointer settings driven by clicks, over the fake desktop: what the page
// shows from the desktop, what OK/Apply and "Default" write, unavailable controls.
#include <gtest/gtest.h>

#include "AdvancedFixture.h"
#include "support/ClassicPointer.h"

namespace tarvik::test {
namespace {

namespace L = layout;
using Op = platform::FakePointerSettings::Op;

constexpr std::uint32_t kPageScrolling = 0xFFFFFFFF;

TEST(AdvancedPointer, PageShowsTheDesktopAndApplyWritesTheLevelsBack) {
    struct Case {
        const char* name;
        int speed;
        std::uint32_t lines;
        unsigned doubleClickMs;
        MouseParams params;
        int speedLevel, wheelLevel, doubleClickLevel, oneScreen, precision;  // shown
        int speedOut;
        std::uint32_t linesOut;
        unsigned doubleClickOut;
        MouseParams paramsOut;  // written by Apply
    };
    const Case cases[] = {
        {"speed 10, 3 lines, 500 ms", 10, 3, 500, {0, 0, 0}, 6, 3, 6, 0, 0, 10, 3, 550, {0, 0, 0}},
        {"speed 1", 1, 3, 500, {0, 0, 0}, 1, 3, 6, 0, 0, 1, 3, 550, {0, 0, 0}},
        {"odd speed 3 comes back one lower", 3, 3, 500, {0, 0, 0}, 2, 3, 6, 0, 0, 2, 3, 550, {0, 0, 0}},
        {"page scrolling kept", 10, kPageScrolling, 500, {0, 0, 0}, 6, 0, 6, 1, 0, 10, kPageScrolling, 550, {0, 0, 0}},
        {"precision with other thresholds", 10, 3, 500, {2, 5, 1}, 6, 3, 6, 0, 1, 10, 3, 550, {6, 10, 1}},
        {"levels beyond 1-11 held", 20, 40, 1200, {0, 0, 0}, 11, 11, 1, 0, 0, 20, 11, 900, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AdvancedRig rig;
        rig.desktop.pointerSpeed = test::desktopSpeedOf(c.speed);
        rig.desktop.lines = c.lines;
        rig.desktop.doubleClickMs = c.doubleClickMs;
        rig.desktop.profile = test::accelProfileOf(c.params);
        rig.open();
        EXPECT_EQ(rig.litSegments(0), c.speedLevel);
        EXPECT_EQ(rig.litSegments(1), c.wheelLevel);
        EXPECT_EQ(rig.litSegments(2), c.doubleClickLevel);
        EXPECT_EQ(rig.record().scrollOneScreen, c.oneScreen);
        EXPECT_EQ(rig.record().enhancePointerPrecision, c.precision);
        rig.apply();
        EXPECT_EQ(test::classicSpeedOf(rig.desktop.pointerSpeed), c.speedOut);
        EXPECT_EQ(rig.desktop.lines, c.linesOut);
        EXPECT_EQ(rig.desktop.doubleClickMs, c.doubleClickOut);
        EXPECT_EQ(test::mouseParamsOf(rig.desktop.profile), c.paramsOut);
        EXPECT_TRUE(rig.messages.shown.empty());
    }
}

TEST(AdvancedPointer, ClicksChangeOnlyTheRecordUntilApply) {
    AdvancedRig rig;
    rig.open();
    rig.desktop.calls.clear();
    rig.click(L::sliderSegment(0, 8));  // speed level 9
    rig.click(L::sliderSegment(1, 0));  // 1 line
    rig.click(L::pointerBox(0));        // precision on
    EXPECT_EQ(rig.litSegments(0), 9);
    EXPECT_EQ(rig.litSegments(1), 1);
    EXPECT_EQ(rig.record().enhancePointerPrecision, 1);
    EXPECT_TRUE(rig.desktop.calls.empty()) << "a click reached the desktop";
    rig.apply();
    EXPECT_EQ(test::classicSpeedOf(rig.desktop.pointerSpeed), 16);
    EXPECT_EQ(rig.desktop.lines, 1u);
    EXPECT_EQ(test::mouseParamsOf(rig.desktop.profile), (MouseParams{6, 10, 1}));
}

TEST(AdvancedPointer, DefaultWrites500MsAtOnceButStoresLevel6) {
    AdvancedRig rig;
    rig.desktop.pointerSpeed = test::desktopSpeedOf(4);
    rig.desktop.lines = kPageScrolling;
    rig.desktop.doubleClickMs = 300;
    rig.desktop.profile = test::accelProfileOf({6, 10, 1});
    rig.open();
    rig.click(L::kPointerDefault);
    EXPECT_EQ(test::classicSpeedOf(rig.desktop.pointerSpeed), 10);
    EXPECT_EQ(rig.desktop.lines, 3u);
    EXPECT_EQ(rig.desktop.doubleClickMs, 500u);
    EXPECT_EQ(test::mouseParamsOf(rig.desktop.profile), (MouseParams{0, 0, 0}));
    EXPECT_EQ(rig.litSegments(2), 6);
    EXPECT_EQ(rig.record().scrollOneScreen, 0);
    rig.apply();
    EXPECT_EQ(rig.desktop.doubleClickMs, 550u);
}

TEST(AdvancedPointer, DesktopIsReadOnceAndUnavailableControlsAreSkippedSilently) {
    AdvancedRig rig;
    rig.desktop.available.doubleClick = false;
    rig.desktop.available.scrollOneScreen = false;
    rig.record().doubleClickLevel = 9;  // as "config.bin" held it
    rig.open();
    EXPECT_EQ(rig.litSegments(2), 0) << "an unavailable slider is drawn faded";
    rig.click(L::sliderSegment(2, 2));
    rig.click(L::pointerBox(1));
    EXPECT_EQ(rig.record().doubleClickLevel, 9);
    EXPECT_EQ(rig.record().scrollOneScreen, 0);
    // Leaving and coming back draws from the record without asking the desktop again.
    rig.desktop.pointerSpeed = test::desktopSpeedOf(20);
    rig.click(centre(L::kBasicTab));
    rig.click(centre(L::kAdvancedTab));
    EXPECT_EQ(rig.litSegments(0), 6);
    rig.desktop.calls.clear();
    rig.apply();
    for (const Op op : rig.desktop.calls) EXPECT_NE(op, Op::setDoubleClickTime);
    EXPECT_TRUE(rig.messages.shown.empty());
}

// Hovering a faded control tells why it takes no clicks; controls the desktop offers have no tip.
TEST(AdvancedPointer, UnavailableControlsSayWhyWhenHovered) {
    AdvancedRig rig;
    rig.desktop.available.doubleClick = false;
    rig.desktop.available.scrollOneScreen = false;
    rig.open();
    struct Case {
        QPoint at;
        const char* tip;
    };
    const Case cases[] = {
        {centre(L::sliderSegment(2, 4)), "Double-Click Speed: not available on this desktop"},
        {centre(L::pointerBoxLabel(1)), "Scroll One Screen: not available on this desktop"},
        {centre(L::sliderSegment(0, 4)), ""},
        {centre(L::pointerBox(0)), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip);
        EXPECT_EQ(rig.page().toolTipAt(c.at.x(), c.at.y()).toStdString(), c.tip);
    }
}

TEST(AdvancedPointer, FailedWriteWarnsAndTheRestGoesOn) {
    AdvancedRig rig;
    rig.open();
    rig.desktop.failing = {Op::setPointerSpeed};
    rig.click(L::sliderSegment(2, 10));
    rig.apply();
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0], (std::pair<std::string, std::string>{"SETMOUSESPEED failed.", "Warning"}));
    EXPECT_EQ(rig.desktop.doubleClickMs, 200u);
}

TEST(AdvancedPointer, ApplyBeforeThePageWasShownKeepsTheDesktopValues) {
    AdvancedRig rig;  // the record's pointer fields are 0, as a fresh "config.bin" holds them
    rig.desktop.pointerSpeed = test::desktopSpeedOf(14);
    rig.desktop.lines = 7;
    rig.desktop.doubleClickMs = 620;
    rig.open(false);
    rig.apply();
    EXPECT_EQ(test::classicSpeedOf(rig.desktop.pointerSpeed), 14);
    EXPECT_EQ(rig.desktop.lines, 7u);
    EXPECT_EQ(rig.desktop.doubleClickMs, 620u);
    EXPECT_TRUE(rig.messages.shown.empty());
}

}  // namespace
}  // namespace tarvik::test
