// org.freedesktop.Notifications.Notify, sent without waiting for the answer so a slow or
// missing notification daemon never blocks the interface thread.
#include "platform/qt/QtDesktopNotifier.h"

#include "platform/DesktopNotifier.h"

#ifdef TARVIK_HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#endif

namespace tarvik::platform {

void QtDesktopNotifier::notify(const std::string& title, const std::string& text, int timeoutMs) {
#ifdef TARVIK_HAVE_QTDBUS
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Tarvik") << 0u << QStringLiteral("tarvik") << QString::fromStdString(title)
         << QString::fromStdString(text) << QStringList() << QVariantMap() << readableTimeout(timeoutMs);
    QDBusConnection::sessionBus().send(call);
#else
    (void)title;
    (void)text;
    (void)timeoutMs;
#endif
}

}  // namespace tarvik::platform
