#pragma once

#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <cstdint>
#include <string>

// The records tests store, with the fields they are about and the record's defaults for the
// rest.
namespace trevik::test {

inline Contact contactRecord(std::string name, std::string email = {}, std::string www = {},
                             std::string fax = {}) {
    Contact contact;
    contact.name = std::move(name);
    contact.email = std::move(email);
    contact.www = std::move(www);
    contact.fax = std::move(fax);
    return contact;
}

inline CalendarEntry entryRecord(std::string comment, DayNumber from = kNoDate,
                                 std::int32_t addressLink = -1, std::string fileLink = {},
                                 std::int16_t repeat = kRepeatUnset) {
    CalendarEntry entry;
    entry.comment = std::move(comment);
    entry.dateFrom = from;
    entry.addressLink = addressLink;
    entry.fileLink = std::move(fileLink);
    entry.repeat = repeat;
    return entry;
}

} // namespace trevik::test
