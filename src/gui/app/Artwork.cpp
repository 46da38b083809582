#include "app/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A small desk-calendar page: a red binding band over a white sheet with a "T".
QPixmap calendarPage(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal m = size / 16.0;
    const QRectF sheet(m, 2 * m, size - 2 * m, size - 3 * m);
    p.setPen(QPen(QColor(40, 60, 90), qMax(1.0, m * 0.8)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, 2 * m, 2 * m);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(sheet.left() + 0.5 * m, sheet.top() + 0.5 * m, sheet.width() - m, 3.5 * m));
    p.setPen(QColor(30, 50, 80));
    QFont font;
    font.setBold(true);
    font.setPixelSize(int(8 * m));
    p.setFont(font);
    p.drawText(QRectF(sheet.left(), sheet.top() + 4 * m, sheet.width(), sheet.height() - 4 * m),
               Qt::AlignCenter, QStringLiteral("T"));
    return pixmap;
}

} // namespace

QIcon trevikIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64}) {
        icon.addPixmap(calendarPage(size));
    }
    return icon;
}

QPixmap splashPicture() {
    QPixmap pixmap(400, 267);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 400, 267);
    sky.setColorAt(0, QColor(24, 56, 96));
    sky.setColorAt(1, QColor(32, 128, 140));
    p.fillRect(pixmap.rect(), sky);

    p.drawPixmap(36, 52, calendarPage(112));

    p.setPen(Qt::white);
    QFont title;
    title.setPixelSize(40);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(168, 60, 220, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Trevik"));
    title.setPixelSize(30);
    title.setBold(false);
    p.setFont(title);
    p.drawText(QRect(168, 106, 220, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Diary"));

    QFont small;
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(220, 235, 240));
    p.drawText(QRect(36, 200, 340, 20), Qt::AlignLeft,
               QStringLiteral("Addresses, calendar and alarms in one place"));
    p.drawText(QRect(36, 222, 340, 20), Qt::AlignLeft,
               QStringLiteral("Version %1").arg(QStringLiteral(TREVIK_VERSION)));
    return pixmap;
}
