#pragma once

#include "common/Clock.h"
#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <optional>
#include <string>

namespace trevik {

// What the entry editor's boxes (or trevik-cli's options) hold, texts as stored.
struct EntryInput {
    std::int32_t id = 0;
    std::string comment;
    // Dates are read from their boxes by the caller (the editor's boxes follow the locale).
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    // "h:mm" texts as typed; empty for none.
    std::string timeFrom;
    std::string timeTo;
    std::string alarm;
    std::string fileLink;
    std::int16_t type = -1;
    std::int16_t repeat = kRepeatNone;
    std::int32_t addressLink = -1;
};

enum class EntryField { Comment, TimeFrom, TimeTo, Alarm, FileLink };

// Why an input makes no record: the field to correct and the message to show.
struct InputProblem {
    EntryField field;
    std::string message;
};

struct EntryBuild {
    CalendarEntry entry;
    std::optional<InputProblem> problem;
};

// The record an input makes, with the start date an entry with a time or an alarm gets when
// none was given; or the first problem, in the order the editor's boxes stand.
EntryBuild BuildEntry(const EntryInput& input, const Clock& clock);

// A contact needs a name; every text must fit its field.
std::optional<std::string> contactProblem(const Contact& contact);

} // namespace trevik
