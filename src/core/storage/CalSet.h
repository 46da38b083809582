#pragma once

#include "common/DateTime.h"
#include "storage/RecordSet.h"

#include <cstdint>
#include <string>

namespace trevik {

enum RepeatRate : std::int16_t {
    kRepeatUnset = -1,
    kRepeatNone = 0,
    kRepeatDaily = 1,
    kRepeatWeekly = 2,
    kRepeatMonthly = 3,
    kRepeatYearly = 4,
};

// One calendar entry. Absent dates are kNoDate, absent times kNoTime, no link or type -1.
struct CalendarEntry {
    std::int32_t id = 0;
    DateTime updated = 0;
    DateTime created = 0;
    std::int32_t originUid = 0;
    std::int32_t addressLink = -1;
    std::string comment;
    std::int16_t type = -1;
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    double timeFrom = kNoTime;
    double timeTo = kNoTime;
    double alarm = kNoTime;
    std::uint8_t flag = 0;
    std::string fileLink;
    std::int16_t repeat = kRepeatUnset;
};

// CALENDAR.TVD: one 164-byte record per calendar entry.
class CalSet : public RecordSet, public CalendarEntry {
public:
    static constexpr std::int32_t kRecordSize = 164;
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
