#include "platform/ShellOpener.h"

#include <QDesktopServices>

bool DesktopShellOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
