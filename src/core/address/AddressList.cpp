#include "address/AddressList.h"

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

} // namespace

bool NameMatchesFilter(std::string_view name, std::string_view filter) {
    return StartsWithIgnoringCase(name, filter);
}

AddressListing RefillAddressList(const std::filesystem::path& directory, std::string_view filter,
                                 const Clock& clock, std::int32_t installationUid) {
    AddressListing listing;
    AddrSet set(directory);
    // The sample goes only into a file this call creates, and only with a stored UID; a data
    // directory where nothing can be created shows an empty book, as there is nothing to read.
    if (!set.OpenForReading() && set.count() == 0 && !set.Open() && set.isOpen() &&
        installationUid != 0) {
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
    if (set.NoCurrent()) {
        return listing;
    }
    listing.contacts.reserve(filter.empty() ? std::size_t(set.count()) : 0);
    set.First();
    while (!set.AtEnd()) {
        if (NameMatchesFilter(set.name, filter)) {
            listing.contacts.push_back(static_cast<const Contact&>(set));
        }
        set.Next();
    }
    listing.matched = !filter.empty() && !listing.contacts.empty();
    return listing;
}

std::vector<Contact> ListContacts(const std::filesystem::path& directory, std::string_view filter) {
    std::vector<Contact> contacts;
    AddrSet set(directory);
    set.OpenForReading();
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        if (NameMatchesFilter(set.name, filter)) {
            contacts.push_back(static_cast<const Contact&>(set));
        }
    }
    return contacts;
}

const std::string& AddressColumnText(const Contact& contact, int column) {
    const std::size_t field = std::min<std::size_t>(std::size_t(std::max(column, 0)), 8);
    return contact.*kContactTexts[field].member;
}

int CompareAddressItems(const Contact& a, const Contact& b, int column, const Locale& locale) {
    return locale.compare(AddressColumnText(a, column), AddressColumnText(b, column));
}

void SortAddressItems(std::vector<Contact>& contacts, int column, const Locale& locale) {
    std::vector<std::string_view> texts;
    texts.reserve(contacts.size());
    for (const Contact& contact : contacts) {
        texts.push_back(AddressColumnText(contact, column));
    }
    const std::vector<std::size_t> order = locale.sortOrder(texts);
    std::vector<Contact> sorted;
    sorted.reserve(contacts.size());
    for (const std::size_t index : order) {
        sorted.push_back(std::move(contacts[index]));
    }
    contacts = std::move(sorted);
}

int NextAddressIndex(int count, int firstSelected) {
    if (count <= 0) {
        return -1;
    }
    const int current = firstSelected < 0 ? 0 : firstSelected;
    return current + 1 >= count ? 0 : current + 1;
}

int PreviousAddressIndex(int count, int firstSelected) {
    if (count <= 0) {
        return -1;
    }
    if (firstSelected <= 0) {
        return count - 1;
    }
    return firstSelected - 1;
}

} // namespace trevik
