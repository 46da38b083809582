#pragma once

#include "address/AddressList.h"

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

    // Reads the address file for the next refill; throws FileError, and the rows stay.
    trevik::ContactBook::Reading readFile(const std::filesystem::path& directory,
                                          const trevik::Clock& clock,
                                          std::int32_t installationUid) {
        return trevik::readAddressFile(book_, directory, clock, installationUid);
    }
    // Takes a reading of the address file in and lists the contacts whose names start with
    // `filter`, in the order of `sortColumn` (file order when it is negative).
    trevik::AddressListing refill(trevik::ContactBook::Reading reading, std::string_view filter,
                                  int sortColumn, const trevik::Locale& locale);
    const trevik::Contact& contact(int row) const {
        return book_.contacts()[rows_.at(std::size_t(row))];
    }
    // The row of the contact with this id, or -1.
    int rowOfId(std::int32_t id) const;
    // The row that shows the contact at this position of the book, or -1.
    int rowOfPosition(std::uint32_t position) const;
    bool isSortedBy(int column) const { return sortedBy_ == column; }
    void sortBy(int column, const trevik::Locale& locale);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void sortRows(int column, const trevik::Locale& locale);

    trevik::ContactBook book_;
    // The listed contacts, as positions in the book.
    std::vector<std::uint32_t> rows_;
    int sortedBy_ = -1;
};
