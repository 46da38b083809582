#pragma once

#include "calendar/ViewCodes.h"
#include "common/DateTime.h"
#include "storage/CalSet.h"

#include <cstdint>

namespace trevik {

// What decides whether an entry shows on a day besides the entry itself.
struct ViewContext {
    std::int32_t viewCode = kDayView;
    DayNumber today = 0;
    // 0 periods only in the yearly planner, 1 first and last day, 2 every day.
    std::int32_t datePeriodMode = 2;
    bool weekStartsMonday = false;
};

// The type an entry gets in memory when it is shown as a to-do item.
inline constexpr std::int16_t kToDoType = -2;

// Whether the entry shows on `day`. A to-do item (no dates, no times) gets kToDoType.
// A damaged date or time field counts as absent, and no day outside the civil days
// (kFirstCivilDay..kLastCivilDay) shows anything.
bool OccursOn(CalendarEntry& entry, DayNumber day, const ViewContext& context);

// Calls `visit(day)` in ascending order for every day of [first, last] on which OccursOn
// would be true, without trying each day in turn; any int32 range is fine. `entry.type` is updated
// as OccursOn would.
template <typename Visit>
void forEachOccurrence(CalendarEntry& entry, DayNumber first, DayNumber last,
                       const ViewContext& context, Visit visit);

} // namespace trevik

#include "calendar/OccursOnDetail.h"
