#include "editor/EntryKind.h"

#include <array>

namespace trevik {

namespace {

struct KindRow {
    EntryPresence presence;
    const char* text;
};

constexpr std::array<KindRow, 12> kKinds = {{
    {{true, false, false, false, false}, "Date Entry"},
    {{true, true, false, false, false}, "Planner"},
    {{true, false, true, false, false}, "Date and Time"},
    {{true, false, true, true, false}, "Date and Time Period"},
    {{true, false, true, false, true}, "Date and Time with Alarm"},
    {{true, false, true, true, true}, "Date and Time Period with Alarm"},
    {{false, false, true, false, false}, "Time Entry"},
    {{false, false, true, true, false}, "Time Period Entry"},
    {{false, false, true, false, true}, "Time Entry with Alarm"},
    {{false, false, true, true, true}, "Time Period with Alarm"},
    {{false, false, false, false, true}, "Alarm"},
    {{false, false, false, false, false}, "To Do List"},
}};

bool same(const EntryPresence& a, const EntryPresence& b) {
    return a.date == b.date && a.dateTo == b.dateTo && a.time == b.time && a.timeTo == b.timeTo &&
           a.alarm == b.alarm;
}

} // namespace

std::string entryKindText(const EntryPresence& presence) {
    for (const KindRow& row : kKinds) {
        if (same(row.presence, presence)) {
            return row.text;
        }
    }
    return {};
}

bool isPlannerKind(const EntryPresence& presence) {
    return entryKindText(presence) == "Planner";
}

} // namespace trevik
