#pragma once

#include "storage/AddrSet.h"

#include <QAbstractTableModel>

#include <vector>

namespace trevik {
class Locale;
}

// The rows of the address list: one listed contact each, its id kept with it but never shown.
class AddressListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setContacts(std::vector<trevik::Contact> contacts);
    const trevik::Contact& contact(int row) const { return contacts_.at(std::size_t(row)); }
    // The row of the contact with this id, or -1.
    int rowOfId(std::int32_t id) const;
    void sortBy(int column, const trevik::Locale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<trevik::Contact> contacts_;
};
