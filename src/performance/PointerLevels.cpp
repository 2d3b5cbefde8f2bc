// Pointer level conversions.
#include "performance/PointerLevels.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {
constexpr int kMiddleLevel = 6;
constexpr double kLevelsPerUnit = 5.0;  // levels 1 and 11 are five steps from the middle
}  // namespace

std::optional<double> desktopSpeedFromLevel(int level) {
    if (level < kMinPointerLevel || level > kMaxPointerLevel) {
        return std::nullopt;
    }
    return (level - kMiddleLevel) / kLevelsPerUnit;
}

int levelFromDesktopSpeed(double speed) {
    if (std::isnan(speed)) {
        return kMiddleLevel;
    }
    const double held = std::clamp(speed, platform::kSlowestPointerSpeed, platform::kFastestPointerSpeed);
    return static_cast<int>(std::lround(held * kLevelsPerUnit)) + kMiddleLevel;
}

std::optional<int> speedFromLevel(int level) {
    if (level < kMinPointerLevel || level > kMaxPointerLevel) {
        return std::nullopt;
    }
    return level == 1 ? 1 : 2 * level - 2;
}

int levelFromSpeed(int speed) { return std::clamp(speed / 2 + 1, kMinPointerLevel, kMaxPointerLevel); }

WheelSetting wheelFromLines(std::uint32_t lines) {
    if (lines == kScrollOneScreenLines) {
        return {1, 0};
    }
    return {0, std::min(static_cast<int>(lines & 0xFF), kMaxPointerLevel)};
}

std::optional<std::uint32_t> linesFromWheel(WheelSetting wheel) {
    if (wheel.scrollOneScreen != 0) {
        return kScrollOneScreenLines;
    }
    if (wheel.lines < kMinPointerLevel || wheel.lines > kMaxPointerLevel) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(wheel.lines);
}

std::optional<unsigned> doubleClickTimeFromLevel(int level) {
    if (level < kMinPointerLevel || level > kMaxPointerLevel) {
        return std::nullopt;
    }
    return static_cast<unsigned>(970 - 70 * level);
}

int doubleClickLevelFromTime(unsigned milliseconds) {
    // Signed arithmetic: times above 900 ms make the difference negative.
    const long long difference = 900LL - static_cast<long long>(milliseconds);
    return static_cast<int>(std::clamp<long long>(difference / 70 + 1, kMinPointerLevel, kMaxPointerLevel));
}

platform::AccelProfile accelProfileForPrecision(bool enhance) {
    return enhance ? platform::AccelProfile::adaptive : platform::AccelProfile::flat;
}

bool precisionFromAccelProfile(platform::AccelProfile profile) { return profile == platform::AccelProfile::adaptive; }

MouseParams mouseParamsForPrecision(bool enhance) { return enhance ? MouseParams{6, 10, 1} : MouseParams{0, 0, 0}; }

bool precisionFromMouseParams(const MouseParams& params) { return params[2] != 0; }

}  // namespace tarvik
