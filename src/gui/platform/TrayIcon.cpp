#include "platform/TrayIcon.h"

#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QSystemTrayIcon>

bool activationRestoresWindow(QSystemTrayIcon::ActivationReason reason, bool statusNotifierTray) {
    return reason == QSystemTrayIcon::DoubleClick ||
           (statusNotifierTray && reason == QSystemTrayIcon::Trigger);
}

bool statusNotifierTrayInUse() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return true;
    }
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr &&
           bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
}

SystemTrayIcon::SystemTrayIcon(bool statusNotifierTray, QObject* parent)
    : TrayIcon(parent), icon_(new QSystemTrayIcon(this)), statusNotifierTray_(statusNotifierTray) {
    connect(icon_, &QSystemTrayIcon::activated, this, &SystemTrayIcon::iconActivated);
}

void SystemTrayIcon::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (activationRestoresWindow(reason, statusNotifierTray_)) {
        emit restoreRequested();
    }
}

bool SystemTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::install(const QIcon& icon, const QString& tip, QMenu* menu) {
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->setContextMenu(menu);
    icon_->show();
}

void SystemTrayIcon::remove() {
    icon_->hide();
}

void SystemTrayIcon::showMessage(const QString& title, const QString& text) {
    if (sendDesktopNotification(title, text)) {
        return;
    }
    if (icon_->isVisible() && QSystemTrayIcon::supportsMessages()) {
        icon_->showMessage(title, text, QSystemTrayIcon::Information);
    }
}
