// Desktop notifications on a private session bus: what reaches a notification service, and
// that nothing is sent where there is none.
#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <QVariantMap>

// Stands in for the desktop's notification service.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Received {
        QString app;
        QString summary;
        QString body;
        QVariantMap hints;
    };
    std::vector<Received> received;

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        received.push_back({app, summary, body, hints});
        return uint(received.size());
    }
};

class DesktopNotificationsTest : public QObject {
    Q_OBJECT

private slots:
    void aNotificationReachesTheServiceWithItsTextEscaped() {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "run under dbus-run-session");
        const QString name = QStringLiteral("org.freedesktop.Notifications");
        // No service on the bus: nothing is sent, so the caller can show it another way.
        QVERIFY(!sendDesktopNotification(QStringLiteral("Alarm"), QStringLiteral("Tea")));

        NotificationService service;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(name));
        QVERIFY(sendDesktopNotification(QStringLiteral("Alarm"),
                                        QStringLiteral("Tea & cake <img src=\"x\">")));
        QTRY_COMPARE(service.received.size(), std::size_t(1));
        const NotificationService::Received& got = service.received[0];
        QCOMPARE(got.app, QStringLiteral("Trevik Diary"));
        QCOMPARE(got.summary, QStringLiteral("Alarm"));
        // The service reads markup in the body; a comment's own text stays text.
        QCOMPARE(got.body, QStringLiteral("Tea &amp; cake &lt;img src=&quot;x&quot;&gt;"));
        QCOMPARE(got.hints.value(QStringLiteral("urgency")).toInt(), 2);
        bus.unregisterService(name);
    }
};

QTEST_GUILESS_MAIN(DesktopNotificationsTest)
#include "DesktopNotificationsTest.moc"
