#pragma once

#include "common/Clock.h"
#include "storage/AddrSet.h"
#include "storage/RecordResult.h"

#include <filesystem>
#include <optional>

namespace trevik {

// Appends a contact made here: a new id, stamped now and with this installation's UID.
RecordResult addContact(const std::filesystem::path& directory, const Contact& texts,
                        const Clock& clock, std::int32_t installationUid);

// Overwrites the nine texts of the contact with `contact.id` and stamps it; the id,
// creation stamp and origin stay.
RecordResult changeContact(const std::filesystem::path& directory, const Contact& contact,
                           const Clock& clock);

// There is no plain delete of a contact: deleteAddress (address/AddressDeletion.h) also clears
// the calendar links to it.

std::optional<Contact> loadContact(const std::filesystem::path& directory, std::int32_t id);

} // namespace trevik
