#pragma once

// Records with chosen identities and stamps, written straight into record files, and exchange
// files built from them byte by byte.

#include "exchange/ExchangeHeader.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevik::test {

inline Contact contactOf(const std::string& name, DateTime created, std::int32_t origin,
                         DateTime updated, std::int32_t id = 0) {
    Contact c;
    c.id = id;
    c.name = name;
    c.home = name + " home";
    c.work = name + " work";
    c.address = name + " road";
    c.email = name + "@example.org";
    c.misc = name + " misc";
    c.created = created;
    c.originUid = origin;
    c.updated = updated;
    return c;
}

inline CalendarEntry entryOf(const std::string& comment, DateTime created, std::int32_t origin,
                             DateTime updated, std::int32_t id = 0) {
    CalendarEntry e;
    e.id = id;
    e.comment = comment;
    e.created = created;
    e.originUid = origin;
    e.updated = updated;
    e.dateFrom = 46363;
    e.timeFrom = 0.375;
    e.repeat = kRepeatNone;
    e.type = -1;
    return e;
}

// Appends the records as they are, ids included.
template <typename Set, typename Record>
void appendRecords(const std::filesystem::path& dir, const std::vector<Record>& records) {
    Set set(dir);
    set.Open();
    for (const Record& record : records) {
        set.NewRecord();
        static_cast<Record&>(set) = record;
        set.Write();
    }
}

inline void appendContacts(const std::filesystem::path& dir, const std::vector<Contact>& records) {
    appendRecords<AddrSet>(dir, records);
}

inline void appendEntries(const std::filesystem::path& dir,
                          const std::vector<CalendarEntry>& records) {
    appendRecords<CalSet>(dir, records);
}

template <typename Set, typename Record>
std::vector<Record> recordsOf(const std::filesystem::path& dir) {
    Set set(dir);
    set.OpenForReading();
    std::vector<Record> out;
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        out.push_back(static_cast<const Record&>(set));
    }
    return out;
}

inline std::vector<Contact> contactsIn(const std::filesystem::path& dir) {
    return recordsOf<AddrSet, Contact>(dir);
}

inline std::vector<CalendarEntry> entriesIn(const std::filesystem::path& dir) {
    return recordsOf<CalSet, CalendarEntry>(dir);
}

// An exchange file: the header (its counts set from the records unless given) and the records.
inline std::string exchangeOf(ExchangeHeader header, const std::vector<Contact>& contacts,
                              const std::vector<CalendarEntry>& entries, bool setCounts = true) {
    if (setCounts) {
        header.addressCount = std::int32_t(contacts.size());
        header.calendarCount = std::int32_t(entries.size());
    }
    std::string bytes(kExchangeHeaderSize, '\0');
    encodeExchangeHeader(header, reinterpret_cast<std::uint8_t*>(bytes.data()));
    for (const Contact& c : contacts) {
        std::string record(kContactRecordSize, '\0');
        encodeContact(c, reinterpret_cast<std::uint8_t*>(record.data()));
        bytes += record;
    }
    for (const CalendarEntry& e : entries) {
        std::string record(kCalendarRecordSize, '\0');
        encodeCalendarEntry(e, reinterpret_cast<std::uint8_t*>(record.data()));
        bytes += record;
    }
    return bytes;
}

} // namespace trevik::test
