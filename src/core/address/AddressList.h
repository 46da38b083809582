#pragma once

#include "address/ContactBook.h"
#include "common/Clock.h"
#include "common/Locale.h"
#include "storage/AddrSet.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace trevik {

// Columns of the address list: Name, Home, Work, Fax, Mobile, E-mail, WWW, Address, Misc.
inline constexpr int kAddressColumnCount = 9;

struct AddressListing {
    // The positions in the book of the listed contacts, in file order.
    std::vector<std::uint32_t> positions;
    // The filter was not empty and found at least one contact.
    bool matched = false;
};

// Reads the address file for a refill of the list. On the very first use (no address file
// yet) the sample contact is written; as an append does not move the file's position, it
// shows from the next refill on. Throws FileError when the file exists but cannot be read.
ContactBook::Reading readAddressFile(ContactBook& book, const std::filesystem::path& directory,
                                     const Clock& clock, std::int32_t installationUid);
// Takes the reading into the book and lists the contacts whose names start with `filter` in
// any letter case.
AddressListing RefillAddressList(ContactBook& book, ContactBook::Reading reading,
                                 std::string_view filter);

// The contacts whose names start with `filter` in any letter case, in file order; an empty
// filter lists all. Unlike the refill, a missing file gets no sample contact. Throws FileError
// when the file exists but cannot be read.
std::vector<Contact> listContacts(const std::filesystem::path& directory, std::string_view filter);

bool nameMatchesFilter(std::string_view name, std::string_view filter);

const std::string& addressColumnText(const Contact& contact, int column);

// Orders two listed contacts by a column with the locale's case-sensitive comparison.
int CompareAddressItems(const Contact& a, const Contact& b, int column, const Locale& locale);
// The positions of all the contacts in the order of a column; equal texts keep file order.
std::vector<std::size_t> sortedPositions(const std::vector<Contact>& contacts, int column,
                                         const Locale& locale);

// The full view's Next and Prev targets: the index to select, or -1 for an empty list.
// `firstSelected` is -1 when nothing is selected.
int nextAddressIndex(int count, int firstSelected);
int previousAddressIndex(int count, int firstSelected);

} // namespace trevik
