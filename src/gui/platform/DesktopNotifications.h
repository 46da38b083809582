#pragma once

#include <QString>

// Sends a notification to the desktop's notification service (org.freedesktop.Notifications on
// the session bus) without waiting for it. False where there is no session bus to send it on,
// or the program was built without Qt D-Bus.
bool sendDesktopNotification(const QString& summary, const QString& body);

// The body as the notification service shows it: the services read a little markup in the
// body, so texts that came from elsewhere (an exchange file, the clipboard) are escaped.
QString notificationBody(const QString& text);
