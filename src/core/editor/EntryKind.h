#pragma once

#include <string>

namespace trevik {

// Which of an entry's date, end date, time, end time and alarm are filled in.
struct EntryPresence {
    bool date = false;
    bool dateTo = false;
    bool time = false;
    bool timeTo = false;
    bool alarm = false;
};

// The entry's kind as the editor names it ("Date Entry", "Planner", "To Do List", ...); empty
// for a combination that has no name.
std::string entryKindText(const EntryPresence& presence);

// A date and an end date and nothing else: a period, whose times and alarm cannot be set.
bool isPlannerKind(const EntryPresence& presence);

} // namespace trevik
