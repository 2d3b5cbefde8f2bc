// Modal message boxes through QMessageBox.
#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace tarvik::platform {

class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void show(const std::string& text, const std::string& caption) override;

private:
    QWidget* owner_;
};

}  // namespace tarvik::platform
