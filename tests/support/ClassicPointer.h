// The classic pointer values (speed 1-20, mouse parameters) that the pointer tests' cases are
// written in, carried to and from the desktop's own values through the Advanced page's levels.
#pragma once

#include "performance/PointerLevels.h"

namespace tarvik::test {

// The desktop speed that reads as the level of a classic speed.
inline double desktopSpeedOf(int speed) { return *desktopSpeedFromLevel(levelFromSpeed(speed)); }
// The classic speed of the level a desktop speed reads as.
inline int classicSpeedOf(double desktopSpeed) { return *speedFromLevel(levelFromDesktopSpeed(desktopSpeed)); }

inline platform::AccelProfile accelProfileOf(const MouseParams& params) {
    return accelProfileForPrecision(precisionFromMouseParams(params));
}
inline MouseParams mouseParamsOf(platform::AccelProfile profile) {
    return mouseParamsForPrecision(precisionFromAccelProfile(profile));
}

}  // namespace tarvik::test
