// Pointer level conversions.
#include "performance/PointerLevels.h"

#include <algorithm>

namespace tarvik {

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

std::array<int, 3> mouseParamsForPrecision(bool enhance) {
    return enhance ? std::array{6, 10, 1} : std::array{0, 0, 0};
}

bool precisionFromMouseParams(const std::array<int, 3>& params) { return params[2] != 0; }

}  // namespace tarvik
