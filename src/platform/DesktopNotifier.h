// Desktop notifications: where there is no notification area, the device notices go here.
#pragma once

#include <string>

namespace tarvik::platform {

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    virtual void notify(const std::string& title, const std::string& text, int timeoutMs) = 0;
};

}  // namespace tarvik::platform
