// The notification-area icon: tip, info balloons and the one-item menu.
#pragma once

#include <string>

namespace tarvik::platform {

// What the user did with the icon; the owner decides what it means.
class TrayListener {
public:
    virtual ~TrayListener() = default;
    virtual void trayClicked() = 0;     // left button up or double click
    virtual void trayExitChosen() = 0;  // the menu's only item
};

class Tray {
public:
    virtual ~Tray() = default;
    // False where the desktop has no notification area; then nothing shows the icon.
    virtual bool available() const = 0;
    virtual void show(const std::string& tip, TrayListener& listener) = 0;
    virtual void setMenuText(const std::string& exitText) = 0;
    // An information balloon on the icon, replacing the one shown.
    virtual void balloon(const std::string& title, const std::string& text, int timeoutMs) = 0;
    virtual void remove() = 0;
};

}  // namespace tarvik::platform
