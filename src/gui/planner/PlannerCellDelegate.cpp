#include "planner/PlannerCellDelegate.h"

#include <QApplication>
#include <QPainter>

void PlannerCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString marks = cell.text;
    cell.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (marks.isEmpty()) {
        return;
    }
    const QRect rect = option.rect;
    const int width = cell.fontMetrics.horizontalAdvance(marks);
    const QPalette::ColorRole role =
        option.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(rect);
    painter->setFont(cell.font);
    painter->setPen(option.palette.color(role));
    painter->drawText(
        QPoint(rect.left() + (rect.width() - width) / 2, rect.top() + cell.fontMetrics.ascent()),
        marks);
    painter->restore();
}
