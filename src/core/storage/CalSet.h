#pragma once

#include "storage/CalendarEntryRecord.h"
#include "storage/RecordSet.h"

#include <cstdint>
#include <string>

namespace trevik {

// CALENDAR.TVD: one 164-byte record per calendar entry.
class CalSet : public RecordSet, public CalendarEntry {
public:
    static constexpr std::int32_t kRecordSize = kCalendarRecordSize;
    static constexpr const char* kFileName = "CALENDAR.TVD";

    explicit CalSet(const std::filesystem::path& directory = {});

    std::int32_t FindById(std::int32_t id);
    // The largest of the record count and every id.
    std::int32_t NextId();
    std::int32_t FindByOrigin(DateTime created, std::int32_t originUid);

protected:
    void AfterRead() override;
    void BeforeWrite() override;
};

} // namespace trevik
