#include "clipboard/ClipboardCut.h"

#include "clipboard/ClipboardLines.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"

#include <deque>
#include <unordered_map>

namespace trevik {

namespace {

// The positions of the records with the wanted ids, in file order, from one scan. Taking them
// front first deletes what deleting one found record after another would.
template <typename Set>
std::unordered_map<std::int32_t, std::deque<std::int32_t>>
positionsOf(Set& set, const std::vector<std::int32_t>& ids) {
    std::unordered_map<std::int32_t, std::deque<std::int32_t>> positions;
    for (const std::int32_t id : ids) {
        positions.try_emplace(id);
    }
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        if (const auto found = positions.find(set.id); found != positions.end()) {
            found->second.push_back(set.position());
        }
    }
    return positions;
}

std::int32_t takeFirst(std::unordered_map<std::int32_t, std::deque<std::int32_t>>& positions,
                       std::int32_t id) {
    std::deque<std::int32_t>& left = positions[id];
    if (left.empty()) {
        return 0; // gone already: its line is still put on the clipboard
    }
    const std::int32_t position = left.front();
    left.pop_front();
    return position;
}

// One rewrite for every record the cut takes.
void deleteAll(RecordSet& set, const std::vector<std::int32_t>& doomed, ClipboardCut& cut) {
    if (!doomed.empty()) {
        set.DeleteMany(doomed);
    }
    cut.error = set.lastError();
    cut.cut = cut.error.empty() ? int(doomed.size()) : 0;
}

} // namespace

ClipboardCut cutContacts(const std::filesystem::path& directory,
                         const std::vector<Contact>& selected) {
    ClipboardCut cut;
    AddrSet set(directory);
    set.Open();
    if (set.NoCurrent()) {
        cut.error = set.lastError();
        return cut;
    }
    std::vector<std::int32_t> ids;
    for (const Contact& contact : selected) {
        ids.push_back(contact.id);
    }
    auto positions = positionsOf(set, ids);
    std::vector<std::int32_t> doomed;
    for (const Contact& contact : selected) {
        cut.text += addressLine(contact);
        if (const std::int32_t position = takeFirst(positions, contact.id); position != 0) {
            doomed.push_back(position);
        }
    }
    cut.putOnClipboard = true;
    deleteAll(set, doomed, cut);
    return cut;
}

ClipboardCut cutCalendarRows(const std::filesystem::path& directory, const CalendarRowList& rows,
                             int top, int bottom) {
    ClipboardCut cut;
    std::vector<const CalendarRow*> taken;
    for (int gridRow = top; gridRow <= bottom; ++gridRow) {
        const CalendarRow* row = rows.at(gridRow);
        if (row == nullptr) {
            continue;
        }
        if (row->isDayHeader) {
            break;
        }
        taken.push_back(row);
    }
    if (taken.empty()) {
        return cut;
    }
    CalSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        cut.error = set.lastError();
        return cut;
    }
    std::vector<std::int32_t> ids;
    for (const CalendarRow* row : taken) {
        ids.push_back(std::int32_t(row->recordId));
    }
    auto positions = positionsOf(set, ids);
    std::int32_t left = set.count();
    std::vector<std::int32_t> doomed;
    for (const CalendarRow* row : taken) {
        if (left == 0) {
            break; // the calendar file holds nothing more to cut
        }
        cut.text += calendarLine(*row, "\n");
        cut.putOnClipboard = true;
        if (const std::int32_t position = takeFirst(positions, std::int32_t(row->recordId));
            position != 0) {
            doomed.push_back(position);
            --left;
        }
    }
    deleteAll(set, doomed, cut);
    return cut;
}

} // namespace trevik
