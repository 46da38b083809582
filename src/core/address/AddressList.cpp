#include "address/AddressList.h"

#include "storage/RecordStream.h"

#include <algorithm>

namespace trevik {

namespace {

Contact sampleContact() {
    Contact sample;
    sample.name = "Trevik Diary";
    sample.email = "hello@trevik.example";
    sample.www = "https://trevik.example/";
    return sample;
}

// The stored name of a contact record, read in place.
std::string_view nameOf(const std::uint8_t* record) {
    const ContactTextField& field = kContactTexts[0];
    const auto* begin = reinterpret_cast<const char*>(record + field.offset);
    return {begin, std::size_t(std::find(begin, begin + field.width, '\0') - begin)};
}

// Appends the contacts whose names match, in file order; false when there is no address
// file. Only the name of a contact that does not match is looked at.
bool collectMatchingContacts(const std::filesystem::path& directory, std::string_view filter,
                             std::vector<Contact>& contacts) {
    RecordStream stream(directory, AddrSet::kFileName, AddrSet::kRecordSize);
    if (!stream.Open()) {
        return false;
    }
    contacts.reserve(filter.empty() ? std::size_t(stream.count()) : 0);
    while (const std::uint8_t* record = stream.next()) {
        if (nameMatchesFilter(nameOf(record), filter)) {
            contacts.push_back(decodeContact(record));
        }
    }
    return true;
}

} // namespace

bool nameMatchesFilter(std::string_view name, std::string_view filter) {
    return startsWithIgnoringCase(name, filter);
}

ContactBook::Reading readAddressFile(ContactBook& book, const std::filesystem::path& directory,
                                     const Clock& clock, std::int32_t installationUid) {
    ContactBook::Reading reading = book.read(directory);
    if (reading.found) {
        return reading;
    }
    // The sample goes only into a file this call creates, and only with a stored UID; a data
    // directory where nothing can be created shows an empty book, as there is nothing to read.
    AddrSet set(directory);
    if (!set.Open() && set.isOpen() && installationUid != 0) {
        const Contact sample = sampleContact();
        const std::int32_t id = set.NextId() + 1;
        set.NewRecord();
        static_cast<Contact&>(set) = sample;
        set.id = id;
        set.updated = NowToSecond(clock);
        set.originUid = installationUid;
        set.created = clock.now();
        set.Write();
    }
    return reading;
}

AddressListing RefillAddressList(ContactBook& book, ContactBook::Reading reading,
                                 std::string_view filter) {
    book.take(std::move(reading));
    AddressListing listing;
    listing.positions = book.matching(filter);
    listing.matched = !filter.empty() && !listing.positions.empty();
    return listing;
}

std::vector<Contact> listContacts(const std::filesystem::path& directory, std::string_view filter) {
    std::vector<Contact> contacts;
    collectMatchingContacts(directory, filter, contacts);
    return contacts;
}

const std::string& addressColumnText(const Contact& contact, int column) {
    const std::size_t field = std::min<std::size_t>(std::size_t(std::max(column, 0)), 8);
    return contact.*kContactTexts[field].member;
}

int CompareAddressItems(const Contact& a, const Contact& b, int column, const Locale& locale) {
    return locale.compare(addressColumnText(a, column), addressColumnText(b, column));
}

std::vector<std::size_t> sortedPositions(const std::vector<Contact>& contacts, int column,
                                         const Locale& locale) {
    std::vector<std::string_view> texts;
    texts.reserve(contacts.size());
    for (const Contact& contact : contacts) {
        texts.push_back(addressColumnText(contact, column));
    }
    return locale.sortOrder(texts);
}

int nextAddressIndex(int count, int firstSelected) {
    if (count <= 0) {
        return -1;
    }
    const int current = firstSelected < 0 ? 0 : firstSelected;
    return current + 1 >= count ? 0 : current + 1;
}

int previousAddressIndex(int count, int firstSelected) {
    if (count <= 0) {
        return -1;
    }
    if (firstSelected <= 0) {
        return count - 1;
    }
    return firstSelected - 1;
}

} // namespace trevik
