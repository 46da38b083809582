#include "address/AddressListModel.h"

#include "address/AddressList.h"
#include "platform/StoredText.h"

#include <array>

namespace {

const std::array<const char*, trevik::kAddressColumnCount> kCaptions = {
    "Name", "Home", "Work", "Fax", "Mobile", "E-mail", "WWW", "Address", "Misc"};

} // namespace

void AddressListModel::setContacts(std::vector<trevik::Contact> contacts) {
    beginResetModel();
    contacts_ = std::move(contacts);
    endResetModel();
}

int AddressListModel::rowOfId(std::int32_t id) const {
    for (std::size_t row = 0; row < contacts_.size(); ++row) {
        if (contacts_[row].id == id) {
            return int(row);
        }
    }
    return -1;
}

void AddressListModel::sortBy(int column, const trevik::Locale& locale) {
    beginResetModel();
    trevik::sortAddressItems(contacts_, column, locale);
    endResetModel();
}

int AddressListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(contacts_.size());
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
