#include "calendar/CalendarRowsModel.h"

#include "platform/StoredText.h"

void CalendarRowsModel::setRows(trevik::CalendarRowList rows, int gridRowCount) {
    beginResetModel();
    rows_ = std::move(rows);
    modelRows_ = std::max(gridRowCount - 1, 1);
    endResetModel();
}

int CalendarRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : modelRows_;
}

int CalendarRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CalendarRowsModel::data(const QModelIndex& index, int role) const {
    const trevik::CalendarRow* row = index.isValid() ? rowAt(index.row()) : nullptr;
    if (row == nullptr) {
        return {};
    }
    if (role == kIsDayHeaderRole) {
        return row->isDayHeader;
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    if (row->isDayHeader) {
        return index.column() == 3 ? fromStored(row->dayText) : QVariant();
    }
    switch (index.column()) {
    case 1:
        return QString::fromStdString(row->timeText);
    case 2:
        return fromStored(row->typeName);
    case 3:
        return fromStored(row->comment);
    case 4:
        return QString(QChar(row->fileMark)).trimmed();
    case 5:
        return QString(QChar(row->addressMark)).trimmed();
    default:
        return {};
    }
}

QVariant CalendarRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case 1:
        return QStringLiteral("Time");
    case 2:
        return QStringLiteral("Type");
    case 3:
        return QStringLiteral("Comment");
    default:
        return QString();
    }
}

Qt::ItemFlags CalendarRowsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled
                           : Qt::ItemIsDropEnabled;
}
