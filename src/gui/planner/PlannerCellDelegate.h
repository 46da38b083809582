#pragma once

#include <QStyledItemDelegate>

// Draws a planner day's marks centred at the top of its cell and cut at its edges, never
// elided: in a column 22 pixels wide an ellipsis would hide every mark of a busy day.
class PlannerCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
