#include "interchange/CopiedRecords.h"

#include "interchange/Interchange.h"
#include "storage/EntryRecords.h"

#include <set>

namespace trevik {

std::string calendarCopyICalendar(const std::filesystem::path& dataDir, const CalendarRowList& rows,
                                  int top, int bottom) {
    std::set<std::uint32_t> seen;
    std::vector<CalendarEntry> entries;
    for (int gridRow = top; gridRow <= bottom; ++gridRow) {
        const CalendarRow* row = rows.at(gridRow);
        if (row == nullptr || row->isDayHeader || !seen.insert(row->recordId).second) {
            continue;
        }
        // An entry deleted since the grid was filled is simply not copied.
        if (std::optional<CalendarEntry> entry = loadEntry(dataDir, std::int32_t(row->recordId))) {
            entries.push_back(std::move(*entry));
        }
    }
    return entriesToICalendar(entries, loadEntryReferences(dataDir));
}

bool isVCardText(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' ||
                             text.front() == '\n')) {
        text.remove_prefix(1);
    }
    constexpr std::string_view begin = "BEGIN:VCARD";
    if (text.size() < begin.size()) {
        return false;
    }
    for (std::size_t i = 0; i < begin.size(); ++i) {
        const char c = text[i];
        if ((c >= 'a' && c <= 'z' ? char(c - 32) : c) != begin[i]) {
            return false;
        }
    }
    return true;
}

} // namespace trevik
