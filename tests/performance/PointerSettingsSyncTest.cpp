// Tests of the Advanced page's pointer logic against an in-memory desktop: read once, levels
// held to 1-11, fields holding 0 and unavailable controls skipped, failures as warnings.
#include "performance/PointerSettingsSync.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/FakePointerSettings.h"
#include "platform/fake/RecordingSink.h"
#include "support/ClassicPointer.h"

namespace tarvik {
namespace {

using Op = platform::FakePointerSettings::Op;
using Message = platform::RecordingSink::Message;

struct Fields {
    int precision, screen, speed, lines, doubleClick;
    bool operator==(const Fields&) const = default;
};

Fields fieldsOf(const ConfigRecord& record) {
    return {record.enhancePointerPrecision, record.scrollOneScreen, record.pointerSpeedLevel, record.wheelScrollLines,
            record.doubleClickLevel};
}

class PointerSyncTest : public ::testing::Test {
protected:
    bool called(Op op) const { return std::ranges::find(desktop.calls, op) != desktop.calls.end(); }

    platform::FakePointerSettings desktop;
    platform::RecordingSink sink;
    PointerSettingsSync sync{desktop, sink};
    ConfigRecord record;
};

TEST_F(PointerSyncTest, Speed10ThreeLines500msShowsSixThreeSixAndWritesBack550ms) {
    sync.readPointerSettings(record);
    EXPECT_EQ(fieldsOf(record), (Fields{0, 0, 6, 3, 6}));
    sync.writePointerSettings(record);
    EXPECT_EQ(test::classicSpeedOf(desktop.pointerSpeed), 10);
    EXPECT_EQ(desktop.lines, 3U);
    EXPECT_EQ(desktop.doubleClickMs, 550U);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PointerSyncTest, DefaultWrites500msButStoresLevelSix) {
    desktop.profile = test::accelProfileOf({6, 10, 1});
    desktop.pointerSpeed = test::desktopSpeedOf(20);
    desktop.lines = 0xFFFFFFFF;
    desktop.doubleClickMs = 300;
    sync.readPointerSettings(record);
    sync.restorePointerDefaults(record);
    EXPECT_EQ(test::mouseParamsOf(desktop.profile), (MouseParams{0, 0, 0}));
    EXPECT_EQ(test::classicSpeedOf(desktop.pointerSpeed), 10);
    EXPECT_EQ(desktop.lines, 3U);
    EXPECT_EQ(desktop.doubleClickMs, 500U);
    EXPECT_EQ(fieldsOf(record), (Fields{0, 0, 6, 3, 6}));
    sync.writePointerSettings(record);
    EXPECT_EQ(desktop.doubleClickMs, 550U);
}

TEST_F(PointerSyncTest, ReadHoldsLevelsToElevenPositionsAndWritesBack) {
    struct Case {
        int speed;
        std::uint32_t lines;
        unsigned ms;
        Fields shown;
        int speedBack;
        std::uint32_t linesBack;
        unsigned msBack;
    };
    const Case cases[] = {
        {1, 1, 900, {0, 0, 1, 1, 1}, 1, 1, 900},
        {3, 11, 200, {0, 0, 2, 11, 11}, 2, 11, 200},  // odd speeds come back one lower
        {40, 40, 1500, {0, 0, 11, 11, 1}, 20, 11, 900},
        {0, 0xFFFFFFFF, 100, {0, 1, 1, 0, 11}, 1, 0xFFFFFFFF, 200},  // page scrolling is kept
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("speed " + std::to_string(c.speed) + " lines " + std::to_string(c.lines));
        platform::FakePointerSettings fresh;
        fresh.pointerSpeed = test::desktopSpeedOf(c.speed);
        fresh.lines = c.lines;
        fresh.doubleClickMs = c.ms;
        PointerSettingsSync freshSync{fresh, sink};
        ConfigRecord fields;
        freshSync.readPointerSettings(fields);
        EXPECT_EQ(fieldsOf(fields), c.shown);
        freshSync.writePointerSettings(fields);
        EXPECT_EQ(test::classicSpeedOf(fresh.pointerSpeed), c.speedBack);
        EXPECT_EQ(fresh.lines, c.linesBack);
        EXPECT_EQ(fresh.doubleClickMs, c.msBack);
    }
}

TEST_F(PointerSyncTest, PrecisionOnWithOtherThresholdsWritesSixTenOne) {
    desktop.profile = test::accelProfileOf({3, 5, 2});
    sync.readPointerSettings(record);
    EXPECT_EQ(record.enhancePointerPrecision, 1);
    sync.writePointerSettings(record);
    EXPECT_EQ(test::mouseParamsOf(desktop.profile), (MouseParams{6, 10, 1}));
}

TEST_F(PointerSyncTest, FirstWriteReadsTheDesktopSoAnUnseenRecordChangesNothing) {
    // An all-zero record (no config.bin, page never shown) must not turn settings off.
    desktop.profile = test::accelProfileOf({6, 10, 1});
    desktop.pointerSpeed = test::desktopSpeedOf(14);
    desktop.lines = 5;
    desktop.doubleClickMs = 430;
    sync.writePointerSettings(record);
    EXPECT_TRUE(sync.pointerSettingsRead());
    EXPECT_EQ(test::mouseParamsOf(desktop.profile), (MouseParams{6, 10, 1}));
    EXPECT_EQ(test::classicSpeedOf(desktop.pointerSpeed), 14);
    EXPECT_EQ(desktop.lines, 5U);
    EXPECT_EQ(desktop.doubleClickMs, 480U);  // 430 ms has no position of its own: level 7

    desktop.calls.clear();
    record.pointerSpeedLevel = 2;
    sync.writePointerSettings(record);
    EXPECT_FALSE(called(Op::getPointerSpeed));  // read once per process
    EXPECT_EQ(test::classicSpeedOf(desktop.pointerSpeed), 2);
}

TEST_F(PointerSyncTest, FailedReadsWarnAndLeaveEmptyLevelsThatAreNeverWritten) {
    desktop.failing = {Op::getAccelProfile, Op::getPointerSpeed, Op::getWheelScrollLines, Op::getDoubleClickTime};
    sync.readPointerSettings(record);
    EXPECT_EQ(fieldsOf(record), (Fields{0, 0, 0, 0, 0}));
    EXPECT_EQ(sink.messages, (std::vector<Message>{{"GETMOUSESPEED failed.", "Warning"},
                                                   {"GETWHEELSCROLLLINES failed.", "Warning"},
                                                   {"GetDoubleClickTime failed.", "Warning"}}));
    desktop.calls.clear();
    sync.writePointerSettings(record);
    EXPECT_EQ(desktop.calls, std::vector<Op>{Op::setAccelProfile});
}

TEST_F(PointerSyncTest, ZeroDoubleClickTimeIsAFailureNotLevelThirteen) {
    desktop.doubleClickMs = 0;
    sync.readPointerSettings(record);
    EXPECT_EQ(record.doubleClickLevel, 0);
    EXPECT_EQ(sink.messages, (std::vector<Message>{{"GetDoubleClickTime failed.", "Warning"}}));
}

TEST_F(PointerSyncTest, EachFailedWriteWarnsAndTheSequenceGoesOn) {
    const std::pair<Op, const char*> cases[] = {
        {Op::setAccelProfile, "SETMOUSE failed."},
        {Op::setPointerSpeed, "SETMOUSESPEED failed."},
        {Op::setWheelScrollLines, "SETWHEELSCROLLLINES failed."},
        {Op::setDoubleClickTime, "SPI_SETDOUBLECLICKTIME failed."},
    };
    for (const auto& [op, text] : cases) {
        SCOPED_TRACE(text);
        for (const bool viaDefault : {false, true}) {
            platform::FakePointerSettings fresh;
            platform::RecordingSink messages;
            fresh.failing = {op};
            PointerSettingsSync freshSync{fresh, messages};
            ConfigRecord fields;
            freshSync.readPointerSettings(fields);
            viaDefault ? freshSync.restorePointerDefaults(fields) : freshSync.writePointerSettings(fields);
            EXPECT_EQ(messages.messages, (std::vector<Message>{{text, "Warning"}}));
            EXPECT_EQ(std::ranges::count_if(fresh.calls,
                                            [](Op o) {
                                                return o == Op::setAccelProfile || o == Op::setPointerSpeed ||
                                                       o == Op::setWheelScrollLines || o == Op::setDoubleClickTime;
                                            }),
                      4);
        }
    }
}

TEST_F(PointerSyncTest, UnavailableControlsAreSkippedSilentlyAndKeepTheirFields) {
    // A desktop like GNOME: no wheel lines, no page scrolling.
    desktop.available = {true, false, true, false, true};
    record.wheelScrollLines = 7;
    record.scrollOneScreen = 1;
    sync.readPointerSettings(record);
    EXPECT_EQ(fieldsOf(record), (Fields{0, 1, 6, 7, 6}));
    sync.writePointerSettings(record);
    sync.restorePointerDefaults(record);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_FALSE(called(Op::setWheelScrollLines));
    EXPECT_EQ(sync.controls(), desktop.available);
}

TEST_F(PointerSyncTest, ScrollOneScreenOnADesktopWithoutItWritesTheLines) {
    // A desktop like KDE: wheel lines but no page scrolling; a stored tick must not block them.
    desktop.available = {true, false, true, true, true};
    sync.readPointerSettings(record);
    record.scrollOneScreen = 1;
    record.wheelScrollLines = 8;
    sync.writePointerSettings(record);
    EXPECT_EQ(desktop.lines, 8U);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PointerSyncTest, NothingAvailableTouchesNothing) {
    platform::NoPointerSettings none;
    PointerSettingsSync noneSync{none, sink};
    record.pointerSpeedLevel = 4;
    noneSync.readPointerSettings(record);
    noneSync.writePointerSettings(record);
    noneSync.restorePointerDefaults(record);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(noneSync.controls(), platform::PointerControls{});
}

}  // namespace
}  // namespace tarvik
