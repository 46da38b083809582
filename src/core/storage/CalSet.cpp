#include "storage/CalSet.h"

#include "storage/StampedRecords.h"

namespace trevik {

CalSet::CalSet(const std::filesystem::path& directory)
    : RecordSet(directory, kFileName, kRecordSize) {}

void CalSet::AfterRead() {
    static_cast<CalendarEntry&>(*this) = decodeCalendarEntry(buffer());
}

void CalSet::BeforeWrite() {
    encodeCalendarEntry(*this, buffer());
}

std::int32_t CalSet::FindById(std::int32_t wanted) {
    return findStampedById(*this, wanted);
}

std::int32_t CalSet::NextId() {
    return largestId(*this, count());
}

std::int32_t CalSet::FindByOrigin(DateTime wantedCreated, std::int32_t wantedOrigin) {
    return findStampedByOrigin(*this, wantedCreated, wantedOrigin);
}

} // namespace trevik
