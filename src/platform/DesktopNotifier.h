// Desktop notifications: where there is no notification area, the device notices go here.
#pragma once

#include <string>

namespace tarvik::platform {

// Balloons of 100 ms vanish before anyone can read them on a Linux desktop (the original
// platform stretched them to its own minimum); the presenters show them at least this long.
inline constexpr int kMinReadableBalloonMs = 4000;
constexpr int readableTimeout(int timeoutMs) {
    return timeoutMs < kMinReadableBalloonMs ? kMinReadableBalloonMs : timeoutMs;
}

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const std::string& title, const std::string& text, int timeoutMs) = 0;
};

}  // namespace tarvik::platform
