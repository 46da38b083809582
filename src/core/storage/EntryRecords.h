#pragma once

#include "common/Clock.h"
#include "storage/CalSet.h"
#include "storage/RecordResult.h"

#include <filesystem>
#include <optional>

namespace trevik {

// Appends an entry made here: a new id, stamped now and with this installation's UID.
RecordResult AddEntry(const std::filesystem::path& directory, const CalendarEntry& fields,
                      const Clock& clock, std::int32_t installationUid);

// Overwrites the fields of the entry with `entry.id` and stamps it; the id, creation stamp,
// origin and the flag byte stay.
RecordResult ChangeEntry(const std::filesystem::path& directory, const CalendarEntry& entry,
                         const Clock& clock);

RecordResult DeleteEntry(const std::filesystem::path& directory, std::int32_t id);

std::optional<CalendarEntry> LoadEntry(const std::filesystem::path& directory, std::int32_t id);

} // namespace trevik
