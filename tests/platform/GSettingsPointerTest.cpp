// The GSettings pointer backend against the real GSettings library and the installed desktop
// schemas, on GSettings' in-memory store: no session bus, no user settings touched.
#include "platform/linux/GSettingsPointerSettings.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "performance/PointerLevels.h"
#include "support/ClassicPointer.h"

namespace tarvik::platform {
namespace {

struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

class GSettingsPointerTest : public ::testing::Test {
protected:
    // Must happen before the first GSettings use in this process.
    static void SetUpTestSuite() { g_setenv("GSETTINGS_BACKEND", "memory", TRUE); }

    void SetUp() override {
        if (!gnomeMouseSchemaInstalled()) {
            GTEST_SKIP() << "the desktop schemas package (gsettings-desktop-schemas) is not installed";
        }
        raw.reset(g_settings_new(GSettingsPointerSettings::kSchema));
        for (const char* key : {"speed", "accel-profile", "double-click"}) {
            g_settings_reset(raw.get(), key);
        }
        backend = GSettingsPointerSettings::create();
        ASSERT_NE(backend, nullptr);
    }

    std::string profile() const {
        gchar* text = g_settings_get_string(raw.get(), "accel-profile");
        std::string value(text);
        g_free(text);
        return value;
    }

    std::unique_ptr<GSettings, Unref> raw;
    std::unique_ptr<GSettingsPointerSettings> backend;
};

TEST_F(GSettingsPointerTest, GnomeHasNoWheelLinesOrPageScrolling) {
    EXPECT_EQ(backend->controls(), (PointerControls{true, false, true, false, true}));
    EXPECT_EQ(backend->getWheelScrollLines().status, PointerStatus::unavailable);
    EXPECT_EQ(backend->setWheelScrollLines(3).status, PointerStatus::unavailable);
    EXPECT_EQ(backend->setWheelScrollLines(kScrollOneScreenLines).status, PointerStatus::unavailable);
}

TEST_F(GSettingsPointerTest, FreshDesktopReadsAsTheMiddleLevelsWithPrecisionOn) {
    EXPECT_EQ(test::classicSpeedOf(backend->getPointerSpeed().value), 10);     // speed 0 is level 6
    EXPECT_TRUE(precisionFromAccelProfile(backend->getAccelProfile().value));  // "default" is adaptive for a mouse
    EXPECT_EQ(backend->getDoubleClickTime().value, 400U);
}

TEST_F(GSettingsPointerTest, SpeedLevelsSpreadEvenlyOverMinusOneToOne) {
    for (int level = kMinPointerLevel; level <= kMaxPointerLevel; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const int speed = *speedFromLevel(level);
        ASSERT_EQ(backend->setPointerSpeed(*desktopSpeedFromLevel(level)).status, PointerStatus::ok);
        EXPECT_DOUBLE_EQ(g_settings_get_double(raw.get(), "speed"), (level - 6) / 5.0);
        EXPECT_EQ(test::classicSpeedOf(backend->getPointerSpeed().value), speed);
    }
    // Values set by GNOME's own slider land on the nearest level.
    const std::pair<double, int> nearest[] = {{-1.0, 1}, {-0.85, 2}, {0.09, 10}, {0.11, 12}, {0.95, 20}};
    for (const auto& [value, speed] : nearest) {
        SCOPED_TRACE("gnome speed " + std::to_string(value));
        g_settings_set_double(raw.get(), "speed", value);
        EXPECT_EQ(test::classicSpeedOf(backend->getPointerSpeed().value), speed);
    }
}

TEST_F(GSettingsPointerTest, SpeedOutsideTheSchemaRangeFailsAndLeavesTheKey) {
    for (const double speed : {1.5, -2.0, std::nan("")}) {
        SCOPED_TRACE(std::to_string(speed));
        EXPECT_EQ(backend->setPointerSpeed(speed).status, PointerStatus::failed);
        EXPECT_DOUBLE_EQ(g_settings_get_double(raw.get(), "speed"), 0.0);
    }
}

TEST_F(GSettingsPointerTest, PrecisionIsTheAccelerationProfile) {
    EXPECT_EQ(backend->setAccelProfile(accelProfileForPrecision(true)).status, PointerStatus::ok);
    EXPECT_EQ(profile(), "default");  // already adaptive: the desktop's own default is kept
    EXPECT_EQ(backend->setAccelProfile(accelProfileForPrecision(false)).status, PointerStatus::ok);
    EXPECT_EQ(profile(), "flat");
    EXPECT_FALSE(precisionFromAccelProfile(backend->getAccelProfile().value));
    EXPECT_EQ(backend->setAccelProfile(test::accelProfileOf({3, 5, 2})).status, PointerStatus::ok);
    EXPECT_EQ(profile(), "adaptive");
    EXPECT_TRUE(precisionFromAccelProfile(backend->getAccelProfile().value));
}

TEST_F(GSettingsPointerTest, DoubleClickTimeIsMilliseconds) {
    EXPECT_EQ(backend->setDoubleClickTime(550).status, PointerStatus::ok);
    EXPECT_EQ(g_settings_get_int(raw.get(), "double-click"), 550);
    EXPECT_EQ(backend->getDoubleClickTime().value, 550U);
    g_settings_set_int(raw.get(), "double-click", 0);
    EXPECT_EQ(backend->getDoubleClickTime().status, PointerStatus::failed);
}

}  // namespace
}  // namespace tarvik::platform
