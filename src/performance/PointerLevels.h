// Conversions between the Advanced page's pointer levels (positions 1-11 of its sliders) and
// the desktop's own values: pointer speed, acceleration profile, wheel lines, double-click time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/PointerSettings.h"

namespace tarvik {

constexpr int kMinPointerLevel = 1;
constexpr int kMaxPointerLevel = 11;

// The wheel scrolls one screen per notch instead of a number of lines.
using platform::kScrollOneScreenLines;

// What "Default" writes to the desktop and then stores as levels. The double-click time it
// writes (500 ms) and the level it stores (6, that is 550 ms) differ, as users know it. The
// speed written is level 6 (speed 10 on the classic scale), the desktop's own default.
constexpr double kDefaultDesktopSpeed = 0.0;
constexpr std::uint32_t kDefaultWheelLines = 3;
constexpr unsigned kDefaultDoubleClickMs = 500;
constexpr int kDefaultPointerSpeedLevel = 6;
constexpr int kDefaultWheelLevel = 3;
constexpr int kDefaultDoubleClickLevel = 6;

// Pointer speed on the desktop's -1..1 scale: level n is (n - 6) / 5, so level 6 is the
// desktop's default 0 and levels 1 and 11 meet the ends. Nullopt for a level outside 1-11.
std::optional<double> desktopSpeedFromLevel(int level);
// The nearest level: values outside -1..1 give level 1 or 11, a value that is not a number
// (an unreadable file) the desktop's default, level 6.
int levelFromDesktopSpeed(double speed);

// The classic speed scale 1-20 the levels are defined on (the cases of the tests are written
// in it): level 1 is speed 1, level n > 1 is speed 2n - 2 (2, 4, ... 20).
// Nullopt for a level of 0 (nothing loaded yet) so that no invalid speed is written.
std::optional<int> speedFromLevel(int level);
// Speed ÷ 2 + 1, held to 1-11.
int levelFromSpeed(int speed);

struct WheelSetting {
    int scrollOneScreen = 0;  // 1 when the wheel scrolls by screens
    int lines = 0;            // the slider level; 0 leaves the slider empty
    bool operator==(const WheelSetting&) const = default;
};
// 0xFFFFFFFF means scrolling by screens (lines 0); otherwise the low 8 bits of the lines,
// with more than 11 held to 11.
WheelSetting wheelFromLines(std::uint32_t lines);
// 0xFFFFFFFF when scrolling by screens, else the lines; nullopt for level 0, which would
// turn the wheel off.
std::optional<std::uint32_t> linesFromWheel(WheelSetting wheel);

// Double-click time: level n is 970 - 70n ms (900 ms for level 1 ... 200 ms for level 11).
// Nullopt for a level outside 1-11, so that no time outside 200-900 ms is written.
std::optional<unsigned> doubleClickTimeFromLevel(int level);
// (900 - time) ÷ 70 + 1, held to 1-11: times above 900 ms give 1, below 200 ms give 11.
int doubleClickLevelFromTime(unsigned milliseconds);

// "Enhance Pointer Precision" is the adaptive profile; off is flat.
platform::AccelProfile accelProfileForPrecision(bool enhance);
bool precisionFromAccelProfile(platform::AccelProfile profile);

// The classic mouse parameters (threshold 1, threshold 2, acceleration) of "Enhance Pointer
// Precision": acceleration 0 means off.
using MouseParams = std::array<int, 3>;
MouseParams mouseParamsForPrecision(bool enhance);
bool precisionFromMouseParams(const MouseParams& params);

}  // namespace tarvik
