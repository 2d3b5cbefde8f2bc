// Desktop notifications through the freedesktop notification service on the session bus.
#pragma once

#include "platform/DesktopNotifier.h"

namespace tarvik::platform {

class QtDesktopNotifier : public DesktopNotifier {
public:
    void notify(const std::string& title, const std::string& text, int timeoutMs) override;
};

}  // namespace tarvik::platform
