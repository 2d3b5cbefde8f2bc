// A tray that records balloons and lets tests click the icon and choose the menu item.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Tray.h"

namespace tarvik::platform {

class FakeTray : public Tray {
public:
    struct Balloon {
        std::string title, text;
        int timeoutMs = 0;
        bool operator==(const Balloon&) const = default;
    };
    bool available() const override { return hasTray; }
    void show(const std::string& shownTip, TrayListener& l) override {
        if (onShow) onShow();
        tip = shownTip;
        listener = &l;
        shown = true;
    }
    void setMenuText(const std::string& text) override { menuText = text; }
    void balloon(const std::string& title, const std::string& text, int timeoutMs) override {
        balloons.push_back({title, text, timeoutMs});
    }
    void remove() override { shown = false; }

    void click() {
        if (listener) listener->trayClicked();
    }
    void chooseExit() {
        if (listener) listener->trayExitChosen();
    }

    bool hasTray = true;
    bool shown = false;
    std::string tip, menuText;
    std::vector<Balloon> balloons;
    TrayListener* listener = nullptr;
    std::function<void()> onShow;  // called first, so a test can log the order of calls
};

}  // namespace tarvik::platform
