// QMessageBox with an OK button; the application's name when no caption is given, and the
// warning icon for a box captioned "Warning".
#include "platform/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvik::platform {

void QtMessageBox::show(const std::string& text, const std::string& caption) {
    const QString title = caption.empty() ? QApplication::applicationName() : QString::fromStdString(caption);
    if (caption == "Warning") QMessageBox::warning(owner_, title, QString::fromStdString(text), QMessageBox::Ok);
    else QMessageBox::information(owner_, title, QString::fromStdString(text), QMessageBox::Ok);
}

}  // namespace tarvik::platform
