#pragma once

#include "calendar/CalendarRows.h"

#include <QAbstractTableModel>

// The calendar grid's cells: the texts of the built rows, in the display role so that a
// screen reader reads them; the delegate only paints them.
class CalendarRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kIsDayHeaderRole = Qt::UserRole + 1;
    static constexpr int kColumnCount = 6;

    using QAbstractTableModel::QAbstractTableModel;

    // `gridRowCount` counts the title row: the model shows gridRowCount - 1 rows, so an
    // empty view keeps one blank row.
    void setRows(trevik::CalendarRowList rows, int gridRowCount);
    const trevik::CalendarRowList& rows() const { return rows_; }
    // The built row shown in a model row, or null for the blank row of an empty view.
    const trevik::CalendarRow* rowAt(int modelRow) const { return rows_.at(modelRow + 1); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    trevik::CalendarRowList rows_;
    int modelRows_ = 1;
};
