#pragma once

#include "interchange/InterchangeNote.h"
#include "storage/CalendarEntryRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace trevik {

// What an exported entry names beyond itself: its type's name (Windows-1252) and the UID of the
// contact it links to.
struct EntryReferences {
    std::unordered_map<std::int32_t, std::string> typeNames;
    std::unordered_map<std::int32_t, std::string> contactUids;
};

// Entries as one iCalendar object (CR LF lines, folded): a VEVENT for what shows on days, with
// floating local times, all-day dates, RRULE, VALARM, CATEGORIES, ATTACH and X-TREVIK-CONTACT;
// a VTODO for a to-do item. UID carries the identity, LAST-MODIFIED and DTSTAMP the change
// stamp. A repeating entry starts at its first day among the civil days, since ours also show
// before their date.
std::string entriesToICalendar(const std::vector<CalendarEntry>& entries,
                               const EntryReferences& references);

// One entry read from a file, with what the caller resolves against this installation.
struct ReadEntry {
    // Id 0, no type and no link yet.
    CalendarEntry entry;
    std::string uid;
    // The first category (UTF-8), empty for none.
    std::string category;
    // The UID of the linked contact, empty for none.
    std::string contactUid;
};

struct EntriesRead {
    std::vector<ReadEntry> entries;
    InterchangeNotes notes;
};

// The VEVENTs and VTODOs of an iCalendar text (one or more VCALENDARs). Times in a time zone are
// turned into local time; what an entry cannot hold is noted with its UID.
EntriesRead entriesFromICalendar(std::string_view text);

} // namespace trevik
