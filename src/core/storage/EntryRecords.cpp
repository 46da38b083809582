#include "storage/EntryRecords.h"

#include "exchange/RecycleBin.h"
#include "storage/StampedRecords.h"

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

RecordResult addEntry(const std::filesystem::path& directory, const CalendarEntry& fields,
                      const Clock& clock, std::int32_t installationUid) {
    return addStamped<CalSet>(directory, fields, copyFields, clock, installationUid);
}

RecordResult changeEntry(const std::filesystem::path& directory, const CalendarEntry& entry,
                         const Clock& clock) {
    return changeStamped<CalSet>(directory, entry, copyFields, clock);
}

RecordResult deleteEntry(const std::filesystem::path& directory, std::int32_t id, BinCopy copy) {
    if (copy == BinCopy::NoCopy) {
        return deleteStamped<CalSet>(directory, id);
    }
    CalSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {id, false, set.lastError()};
    }
    const std::int32_t position = set.FindById(id);
    if (position == 0) {
        return {id, false, set.lastError()};
    }
    const std::string binError =
        AddCalendarEntryToBin(directory, static_cast<const CalendarEntry&>(set));
    set.Delete(position);
    RecordResult result{id, true, set.lastError()};
    if (result.error.empty() && !binError.empty()) {
        result.error = std::string("The entry ") + kNotKeptInBin + binError;
    }
    return result;
}

std::optional<CalendarEntry> loadEntry(const std::filesystem::path& directory, std::int32_t id) {
    return loadStamped<CalSet, CalendarEntry>(directory, id);
}

} // namespace trevik
