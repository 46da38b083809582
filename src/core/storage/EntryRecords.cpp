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

RecordResult AddEntry(const std::filesystem::path& directory, const CalendarEntry& fields,
                      const Clock& clock, std::int32_t installationUid) {
    return AddStamped<CalSet>(directory, fields, copyFields, clock, installationUid);
}

RecordResult ChangeEntry(const std::filesystem::path& directory, const CalendarEntry& entry,
                         const Clock& clock) {
    return ChangeStamped<CalSet>(directory, entry, copyFields, clock);
}

RecordResult DeleteEntry(const std::filesystem::path& directory, std::int32_t id, BinCopy copy) {
    if (copy == BinCopy::NoCopy) {
        return DeleteStamped<CalSet>(directory, id);
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

std::optional<CalendarEntry> LoadEntry(const std::filesystem::path& directory, std::int32_t id) {
    return LoadStamped<CalSet, CalendarEntry>(directory, id);
}

} // namespace trevik
