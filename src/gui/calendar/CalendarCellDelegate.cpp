#include "calendar/CalendarCellDelegate.h"

#include "calendar/CalendarRowsModel.h"

#include <QApplication>
#include <QPainter>

void CalendarCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    if (!index.data(CalendarRowsModel::kIsDayHeaderRole).isValid()) {
        return; // the blank row of an empty view
    }
    const QRect cell = option.rect;
    QString text = index.data(Qt::DisplayRole).toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    const int column = index.column();
    painter->save();
    if (index.data(CalendarRowsModel::kIsDayHeaderRole).toBool()) {
        if (column >= 1 && column <= 3) {
            painter->fillRect(cell, QColor(128, 128, 128));
        }
        if (column == 3) {
            QFont bold = option.font;
            bold.setBold(true);
            painter->setFont(bold);
            painter->setPen(Qt::white);
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
        }
        painter->restore();
        return;
    }
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(cell, option.palette.highlight());
    }
    painter->setPen(selected ? option.palette.highlightedText().color()
                             : option.palette.text().color());
    painter->setFont(option.font);
    painter->setClipRect(cell);
    const int textWidth = option.fontMetrics.horizontalAdvance(text);
    if (column == 3) {
        painter->drawText(QRect(cell.right() + 1 - textWidth, cell.top(), textWidth, cell.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    } else if (column != 0) {
        const int left = cell.left() + (cell.width() - textWidth) / 2;
        painter->drawText(QRect(left, cell.top(), textWidth, cell.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
    painter->restore();
}
