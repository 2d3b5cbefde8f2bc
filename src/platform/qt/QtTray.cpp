// QSystemTrayIcon-backed tray: left click and double click show the window, the context menu
// holds the one "Exit" item.
#include "platform/qt/QtTray.h"

#include "platform/DesktopNotifier.h"

namespace tarvik::platform {

QtTray::QtTray(QIcon icon) : icon_(std::move(icon)), menu_(std::make_unique<QMenu>()) {
    exitAction_ = menu_->addAction(QStringLiteral("Exit"));
}

QtTray::~QtTray() = default;

bool QtTray::available() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

void QtTray::show(const std::string& tip, TrayListener& listener) {
    icon_item_ = std::make_unique<QSystemTrayIcon>(icon_);
    icon_item_->setToolTip(QString::fromStdString(tip));
    icon_item_->setContextMenu(menu_.get());
    QObject::connect(icon_item_.get(), &QSystemTrayIcon::activated, icon_item_.get(),
                     [&listener](QSystemTrayIcon::ActivationReason reason) {
                         if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                             listener.trayClicked();
                     });
    QObject::connect(exitAction_, &QAction::triggered, icon_item_.get(), [&listener] { listener.trayExitChosen(); });
    icon_item_->show();
}

void QtTray::setMenuText(const std::string& exitText) { exitAction_->setText(QString::fromStdString(exitText)); }

void QtTray::balloon(const std::string& title, const std::string& text, int timeoutMs) {
    if (!icon_item_) return;
    icon_item_->showMessage(QString::fromStdString(title), QString::fromStdString(text), QSystemTrayIcon::Information,
                            readableTimeout(timeoutMs));
}

void QtTray::remove() {
    if (icon_item_) icon_item_->hide();
    icon_item_.reset();
}

}  // namespace tarvik::platform
