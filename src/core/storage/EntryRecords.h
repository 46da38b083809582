#pragma once

#include "common/Clock.h"
#include "storage/BinCopy.h"
#include "storage/CalSet.h"
#include "storage/RecordResult.h"

#include <filesystem>
#include <optional>

namespace trevik {

// Appends an entry made here: a new id, stamped now and with this installation's UID.
RecordResult addEntry(const std::filesystem::path& directory, const CalendarEntry& fields,
                      const Clock& clock, std::int32_t installationUid);

// Overwrites the fields of the entry with `entry.id` and stamps it; the id, creation stamp,
// origin and the flag byte stay.
RecordResult changeEntry(const std::filesystem::path& directory, const CalendarEntry& entry,
                         const Clock& clock);

// Deletes the entry, first keeping a copy in the recycle bin unless told not to. A copy that
// cannot be kept does not stop the deletion; `error` then says so.
RecordResult deleteEntry(const std::filesystem::path& directory, std::int32_t id,
                         BinCopy copy = BinCopy::ToBin);

std::optional<CalendarEntry> loadEntry(const std::filesystem::path& directory, std::int32_t id);

} // namespace trevik
