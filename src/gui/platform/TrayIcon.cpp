#include "platform/TrayIcon.h"

#include "platform/DesktopNotifications.h"

#include <QSystemTrayIcon>

SystemTrayIcon::SystemTrayIcon(QObject* parent)
    : TrayIcon(parent), icon_(new QSystemTrayIcon(this)) {
    connect(icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick) {
                    emit doubleClicked();
                }
            });
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
