#include "platform/DesktopNotifications.h"

#ifdef TREVIK_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#endif

QString notificationBody(const QString& text) {
    return text.toHtmlEscaped();
}

bool sendDesktopNotification(const QString& summary, const QString& body) {
#ifdef TREVIK_HAVE_DBUS
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    // Running, or started by the bus on the first call.
    if (daemon == nullptr || !(daemon->isServiceRegistered(service).value() ||
                               daemon->activatableServiceNames().value().contains(service))) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    // Critical: it stays until the user dismisses it, as the alarm notice does.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(2));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("trevik"));
    call << QStringLiteral("Trevik Diary") << 0u << QStringLiteral("appointment-soon") << summary
         << notificationBody(body) << QStringList() << hints << -1;
    // Sent without waiting: the service starts on demand, and no reply is needed.
    return bus.send(call);
#else
    Q_UNUSED(summary);
    Q_UNUSED(body);
    return false;
#endif
}
