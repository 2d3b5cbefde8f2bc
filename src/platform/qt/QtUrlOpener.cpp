// Web addresses as given; a plain path is opened as a local file.
#include "platform/qt/QtUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarvik::platform {

bool QtUrlOpener::open(const std::string& url) {
    const QString text = QString::fromStdString(url);
    const QUrl target = text.startsWith('/') ? QUrl::fromLocalFile(text) : QUrl(text);
    return QDesktopServices::openUrl(target);
}

}  // namespace tarvik::platform
