#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QMenu;

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
    // The user clicked the icon the way that brings the window back.
    void restoreRequested();
};

// Whether an activation of the icon brings the window back. The X11 tray reports a double
// click (after a single click, which does nothing); a StatusNotifierItem tray (KDE Plasma and
// most current panels) only ever reports a single activation, so there that one restores.
bool activationRestoresWindow(QSystemTrayIcon::ActivationReason reason, bool statusNotifierTray);

// Whether Qt shows the icon through the D-Bus StatusNotifierItem protocol: it does so when a
// StatusNotifierWatcher is registered on the session bus, and always outside X11, where no
// other tray exists. Asked once, when the icon is made, as Qt decides then too.
bool statusNotifierTrayInUse();

class SystemTrayIcon final : public TrayIcon {
    Q_OBJECT
public:
    explicit SystemTrayIcon(bool statusNotifierTray = statusNotifierTrayInUse(),
                            QObject* parent = nullptr);
    bool isAvailable() const override;
    void install(const QIcon& icon, const QString& tip, QMenu* menu) override;
    void remove() override;
    // Through the desktop's notification service (org.freedesktop.Notifications) where the
    // session bus has one, else as the tray icon's balloon.
    void showMessage(const QString& title, const QString& text) override;

private:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);

    QSystemTrayIcon* icon_;
    bool statusNotifierTray_;
};
