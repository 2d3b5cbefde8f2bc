// The notification-area icon through QSystemTrayIcon.
#pragma once

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

#include <memory>

#include "platform/Tray.h"

namespace tarvik::platform {

class QtTray : public Tray {
public:
    explicit QtTray(QIcon icon);
    ~QtTray() override;
    bool available() const override;
    void show(const std::string& tip, TrayListener& listener) override;
    void setMenuText(const std::string& exitText) override;
    void balloon(const std::string& title, const std::string& text, int timeoutMs) override;
    void remove() override;

private:
    QIcon icon_;
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_item_;
    QAction* exitAction_ = nullptr;  // owned by menu_
};

}  // namespace tarvik::platform
