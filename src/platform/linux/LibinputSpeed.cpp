// Pointer speed between the eleven levels and libinput's -1..1 scale.
#include "platform/linux/LibinputSpeed.h"

#include <algorithm>
#include <cmath>

#include "performance/PointerLevels.h"

namespace tarvik::platform {
namespace {
constexpr int kMiddleLevel = 6;
constexpr double kLevelsPerUnit = 5.0;  // levels 1 and 11 are five steps from the middle
}  // namespace

double libinputSpeedFromSpeed(int speed) {
    return (levelFromSpeed(speed) - kMiddleLevel) / kLevelsPerUnit;
}

int speedFromLibinputSpeed(double value) {
    if (std::isnan(value)) {
        value = 0.0;
    }
    const double clamped = std::clamp(value, -1.0, 1.0);
    const auto level = static_cast<int>(std::lround(clamped * kLevelsPerUnit)) + kMiddleLevel;
    return *speedFromLevel(std::clamp(level, kMinPointerLevel, kMaxPointerLevel));
}

}  // namespace tarvik::platform
