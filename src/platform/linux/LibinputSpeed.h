// The pointer speed as libinput-based desktops store it (-1 slowest .. 0 default .. 1 fastest),
// mapped onto the eleven speed levels: level n is (n - 6) / 5.
#pragma once

namespace tarvik::platform {

// Speed 1-20 (level 1-11) to the desktop's -1..1; speed 10 (level 6) is the desktop's 0.
double libinputSpeedFromSpeed(int speed);
// The nearest level's speed; values outside -1..1 are held to the slowest or fastest.
int speedFromLibinputSpeed(double value);

}  // namespace tarvik::platform
