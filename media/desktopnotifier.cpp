#include "media/desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace quintarlow {

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // A service that is not running is not started for this: it would keep the caller waiting.
    call.setAutoStartService(false);
    call << QStringLiteral("Quintarlow!") << 0u << QStringLiteral("io.github.quintarlow.Quintarlow")
         << summary << body << QStringList() << QVariantMap() << -1;
    bus.send(call);
}

} // namespace quintarlow
