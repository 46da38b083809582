#pragma once

#include <QStyledItemDelegate>

// Draws the calendar grid's cells: grey day headers with the day in bold, centred time,
// type and marks, and the comment right-aligned so that a long one shows its end.
class CalendarCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
