// An iCalendar file from anywhere: every entry read fits its record, and writing it again and
// reading that back gives the same schedule.
#include "FuzzChecks.h"
#include "interchange/FieldText.h"
#include "interchange/ICalendar.h"

#include <cstring>
#include <string>

using namespace trevik;

namespace {

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool timeOk(double t) {
    return t == kNoTime || isTimeOfDay(t);
}

bool dateOk(DayNumber d) {
    return d == kNoDate || isCivilDay(d);
}

// A category as the import makes it a type's name.
std::string typeName(const std::string& category) {
    std::vector<std::string> ignored;
    return withoutOuterBlanks(fieldText(category, 30, false, "category", ignored));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const EntriesRead read = entriesFromICalendar(text);
    std::vector<CalendarEntry> entries;
    EntryReferences references;
    for (const ReadEntry& item : read.entries) {
        const CalendarEntry& e = item.entry;
        FUZZ_CHECK(!e.comment.empty() && e.comment.size() <= kCommentWidth);
        FUZZ_CHECK(e.fileLink.size() <= kFileLinkWidth);
        FUZZ_CHECK(dateOk(e.dateFrom) && dateOk(e.dateTo));
        FUZZ_CHECK(timeOk(e.timeFrom) && timeOk(e.timeTo) && timeOk(e.alarm));
        FUZZ_CHECK(e.repeat >= kRepeatUnset && e.repeat <= kRepeatYearly);
        entries.push_back(e);
        if (const std::string name = typeName(item.category); !name.empty()) {
            entries.back().type = std::int16_t(entries.size());
            references.typeNames.emplace(entries.back().type, name);
        }
    }
    const EntriesRead again = entriesFromICalendar(entriesToICalendar(entries, references));
    FUZZ_CHECK(again.entries.size() == entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CalendarEntry& a = entries[i];
        const CalendarEntry& b = again.entries[i].entry;
        FUZZ_CHECK(a.comment == b.comment && a.fileLink == b.fileLink);
        FUZZ_CHECK(typeName(read.entries[i].category) == typeName(again.entries[i].category));
        FUZZ_CHECK(a.dateFrom == b.dateFrom && a.dateTo == b.dateTo && a.repeat == b.repeat);
        FUZZ_CHECK(sameBits(a.timeFrom, b.timeFrom) && sameBits(a.timeTo, b.timeTo) &&
                   sameBits(a.alarm, b.alarm));
        FUZZ_CHECK(sameBits(a.created, b.created) && a.originUid == b.originUid);
    }
    return 0;
}
