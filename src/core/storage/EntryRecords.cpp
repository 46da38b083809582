#include "storage/EntryRecords.h"

namespace trevik {

namespace {

void copyFields(CalendarEntry& to, const CalendarEntry& from) {
    to.addressLink = from.addressLink;
    to.comment = from.comment;
    to.type = from.type;
    to.dateFrom = from.dateFrom;
    to.dateTo = from.dateTo;
    to.timeFrom = from.timeFrom;
    to.timeTo = from.timeTo;
    to.alarm = from.alarm;
    to.fileLink = from.fileLink;
    to.repeat = from.repeat;
}

} // namespace

RecordResult AddEntry(const std::filesystem::path& directory, const CalendarEntry& fields,
                      const Clock& clock, std::int32_t installationUid) {
    CalSet set(directory);
    set.Open();
    const std::int32_t id = set.NextId() + 1;
    set.NewRecord();
    copyFields(set, fields);
    set.id = id;
    set.updated = NowToSecond(clock);
    set.originUid = installationUid;
    set.created = clock.now();
    set.Write();
    return {id, true, set.lastError()};
}

RecordResult ChangeEntry(const std::filesystem::path& directory, const CalendarEntry& entry,
                         const Clock& clock) {
    CalSet set(directory);
    set.Open();
    const std::int32_t position = set.FindById(entry.id);
    if (position == 0) {
        return {entry.id, false, set.lastError()};
    }
    set.GoTo(position);
    set.BeginEdit();
    copyFields(set, entry);
    set.updated = NowToSecond(clock);
    set.Write();
    return {entry.id, true, set.lastError()};
}

RecordResult DeleteEntry(const std::filesystem::path& directory, std::int32_t id) {
    CalSet set(directory);
    set.Open();
    const std::int32_t position = set.FindById(id);
    if (position == 0) {
        return {id, false, set.lastError()};
    }
    set.Delete(position);
    return {id, true, set.lastError()};
}

std::optional<CalendarEntry> LoadEntry(const std::filesystem::path& directory, std::int32_t id) {
    CalSet set(directory);
    set.Open();
    if (set.FindById(id) == 0) {
        return std::nullopt;
    }
    return static_cast<const CalendarEntry&>(set);
}

} // namespace trevik
