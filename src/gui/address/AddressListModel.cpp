#include "address/AddressListModel.h"

#include "address/AddressList.h"
#include "platform/StoredText.h"

#include <algorithm>
#include <array>

namespace {

const std::array<const char*, trevik::kAddressColumnCount> kCaptions = {
    "Name", "Home", "Work", "Fax", "Mobile", "E-mail", "WWW", "Address", "Misc"};

} // namespace

trevik::AddressListing AddressListModel::refill(trevik::ContactBook::Reading reading,
                                                std::string_view filter, int sortColumn,
                                                const trevik::Locale& locale) {
    beginResetModel();
    trevik::AddressListing listing = trevik::RefillAddressList(book_, std::move(reading), filter);
    rows_ = listing.positions;
    sortedBy_ = -1;
    if (sortColumn >= 0) {
        sortRows(sortColumn, locale);
    }
    endResetModel();
    return listing;
}

int AddressListModel::rowOfId(std::int32_t id) const {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (contact(int(row)).id == id) {
            return int(row);
        }
    }
    return -1;
}

int AddressListModel::rowOfPosition(std::uint32_t position) const {
    const auto found = std::find(rows_.begin(), rows_.end(), position);
    return found == rows_.end() ? -1 : int(found - rows_.begin());
}

void AddressListModel::sortBy(int column, const trevik::Locale& locale) {
    beginResetModel();
    sortRows(column, locale);
    endResetModel();
}

void AddressListModel::sortRows(int column, const trevik::Locale& locale) {
    book_.sortPositions(rows_, column, locale);
    sortedBy_ = column;
}

int AddressListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int AddressListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : trevik::kAddressColumnCount;
}

QVariant AddressListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    // One line per contact: the postal address and notes show their line breaks as blanks.
    QString text = fromStored(trevik::addressColumnText(contact(index.row()), index.column()));
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QVariant AddressListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= trevik::kAddressColumnCount) {
        return {};
    }
    return QString::fromLatin1(kCaptions[std::size_t(section)]);
}
