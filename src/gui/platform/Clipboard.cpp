#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void QtClipboard::put(const ClipboardContent& content) {
    auto* mime = new QMimeData;
    mime->setText(content.text);
    for (const auto& [type, bytes] : content.formats) {
        mime->setData(type, bytes);
    }
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard takes it over
}

QString QtClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

QByteArray QtClipboard::data(const QString& mimeType) const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr ? mime->data(mimeType) : QByteArray();
}

Clipboard& systemClipboard() {
    static QtClipboard clipboard;
    return clipboard;
}
