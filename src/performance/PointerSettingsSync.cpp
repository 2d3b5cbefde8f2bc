// Reading, writing and restoring the desktop's pointer settings from the record's fields.
#include "performance/PointerSettingsSync.h"

#include <string>

#include "performance/PointerLevels.h"

namespace tarvik {

using platform::PointerResult;
using platform::PointerStatus;

PointerSettingsSync::PointerSettingsSync(platform::PointerSettings& desktop, platform::UserSink& sink)
    : desktop_(desktop), sink_(sink) {}

platform::PointerControls PointerSettingsSync::controls() const { return desktop_.controls(); }

void PointerSettingsSync::readPointerSettings(ConfigRecord& record) {
    readPrecision(record);
    readSpeed(record);
    readWheel(record);
    readDoubleClick(record);
    pointerSettingsRead_ = true;
}

void PointerSettingsSync::readPrecision(ConfigRecord& record) {
    const auto profile = desktop_.getAccelProfile();
    if (profile.status == PointerStatus::unavailable) {
        return;
    }
    // A failed read has no message of its own and counts as precision off.
    reportRead(profile.status, profile.detail, {});
    record.enhancePointerPrecision = profile.status == PointerStatus::ok && precisionFromAccelProfile(profile.value);
}

void PointerSettingsSync::readSpeed(ConfigRecord& record) {
    const auto speed = desktop_.getPointerSpeed();
    if (speed.status == PointerStatus::unavailable) {
        return;
    }
    reportRead(speed.status, speed.detail, kGetMouseSpeedFailed);
    // With no speed to go by the slider stays empty, so nothing is written in its name.
    record.pointerSpeedLevel =
        speed.status == PointerStatus::ok ? static_cast<Byte>(levelFromDesktopSpeed(speed.value)) : 0;
}

void PointerSettingsSync::readWheel(ConfigRecord& record) {
    const auto lines = desktop_.getWheelScrollLines();
    if (lines.status == PointerStatus::unavailable) {
        return;
    }
    reportRead(lines.status, lines.detail, kGetWheelLinesFailed);
    const auto wheel = wheelFromLines(lines.status == PointerStatus::ok ? lines.value : 0);
    const auto controls = desktop_.controls();
    if (controls.scrollOneScreen) {
        record.scrollOneScreen = static_cast<Byte>(wheel.scrollOneScreen);
    }
    if (controls.wheelScrollLines) {
        record.wheelScrollLines = static_cast<Byte>(wheel.lines);
    }
}

void PointerSettingsSync::readDoubleClick(ConfigRecord& record) {
    auto time = desktop_.getDoubleClickTime();
    if (time.status == PointerStatus::unavailable) {
        return;
    }
    if (time.status == PointerStatus::ok && time.value == 0) {
        time = platform::PointerRead<unsigned>::failed("the desktop reports a double-click time of 0 ms");
    }
    reportRead(time.status, time.detail, kGetDoubleClickFailed);
    // A time of 0 would give level 13 from the formula; 0 leaves the slider empty instead.
    record.doubleClickLevel =
        time.status == PointerStatus::ok ? static_cast<Byte>(doubleClickLevelFromTime(time.value)) : 0;
}

void PointerSettingsSync::writePointerSettings(ConfigRecord& record) {
    if (!pointerSettingsRead_) {
        readPointerSettings(record);
    }
    const auto controls = desktop_.controls();
    if (controls.enhancePointerPrecision) {
        report(desktop_.setAccelProfile(accelProfileForPrecision(record.enhancePointerPrecision != 0)),
               kSetMouseFailed);
    }
    if (const auto speed = desktopSpeedFromLevel(record.pointerSpeedLevel); speed && controls.pointerSpeed) {
        report(desktop_.setPointerSpeed(*speed), kSetMouseSpeedFailed);
    }
    // Page scrolling is asked for only where the desktop has it; elsewhere the lines count.
    const WheelSetting wheel{controls.scrollOneScreen ? record.scrollOneScreen : 0, record.wheelScrollLines};
    const auto lines = linesFromWheel(wheel);
    const bool wheelWritable = wheel.scrollOneScreen != 0 ? controls.scrollOneScreen : controls.wheelScrollLines;
    if (lines && wheelWritable) {
        report(desktop_.setWheelScrollLines(*lines), kSetWheelLinesFailed);
    }
    if (const auto time = doubleClickTimeFromLevel(record.doubleClickLevel); time && controls.doubleClick) {
        report(desktop_.setDoubleClickTime(*time), kSetDoubleClickFailed);
    }
}

void PointerSettingsSync::restorePointerDefaults(ConfigRecord& record) {
    const auto controls = desktop_.controls();
    if (controls.enhancePointerPrecision) {
        report(desktop_.setAccelProfile(accelProfileForPrecision(false)), kSetMouseFailed);
    }
    if (controls.pointerSpeed) {
        report(desktop_.setPointerSpeed(kDefaultDesktopSpeed), kSetMouseSpeedFailed);
    }
    if (controls.wheelScrollLines) {
        report(desktop_.setWheelScrollLines(kDefaultWheelLines), kSetWheelLinesFailed);
    }
    if (controls.doubleClick) {
        report(desktop_.setDoubleClickTime(kDefaultDoubleClickMs), kSetDoubleClickFailed);
    }
    record.enhancePointerPrecision = 0;
    record.scrollOneScreen = 0;
    record.pointerSpeedLevel = kDefaultPointerSpeedLevel;
    record.wheelScrollLines = kDefaultWheelLevel;
    record.doubleClickLevel = kDefaultDoubleClickLevel;
}

void PointerSettingsSync::report(const PointerResult& result, std::string_view text) {
    reportRead(result.status, result.detail, text);
}

void PointerSettingsSync::reportRead(PointerStatus status, const std::string& detail, std::string_view text) {
    if (status != PointerStatus::failed) {
        return;
    }
    sink_.trace("pointer settings: " + (text.empty() ? std::string("mouse parameters not read") : std::string(text)) +
                (detail.empty() ? "" : " " + detail));
    if (!text.empty()) {
        sink_.message(std::string(text), std::string(kPointerWarningCaption));
    }
}

}  // namespace tarvik
