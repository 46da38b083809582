#pragma once

#include "interchange/InterchangeNote.h"
#include "storage/ContactRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// Contacts as vCard 3.0 text (CR LF lines, folded), one card per contact, in order. The UID
// carries the contact's global identity, REV its change stamp; ids are not carried.
std::string contactsToVCard(const std::vector<Contact>& contacts);

struct ContactsRead {
    // Id 0; identity and change stamp from UID and REV.
    std::vector<Contact> contacts;
    InterchangeNotes notes;
};

// The cards of a vCard 2.1, 3.0 or 4.0 text, any number of them. What a contact cannot hold is
// noted with the card's UID; a card that makes no contact (no name) is noted as skipped.
ContactsRead contactsFromVCard(std::string_view text);

} // namespace trevik
