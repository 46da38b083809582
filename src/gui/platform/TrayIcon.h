#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon. The real one wraps QSystemTrayIcon; tests use a fake that
// records what was installed and sends the clicks.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False where the desktop has no notification area.
    virtual bool isAvailable() const = 0;
    // Shows the icon with its tip; `menu` pops up at a right click.
    virtual void install(const QIcon& icon, const QString& tip, QMenu* menu) = 0;
    virtual void remove() = 0;
    // A desktop notification, so that a user away from the window learns of an event; nothing
    // where the desktop has no notification service.
    virtual void showMessage(const QString& title, const QString& text) = 0;

signals:
    void doubleClicked();
};

class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT
public:
    explicit SystemTrayIcon(QObject* parent = nullptr);
    bool isAvailable() const override;
    void install(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void remove() override;
    // Through the desktop's notification service (org.freedesktop.Notifications) where the
    // session bus has one, else as the tray icon's balloon.
    void showMessage(const QString& title, const QString& text) override;

private:
    QSystemTrayIcon* icon_;
};
