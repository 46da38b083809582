#pragma once

#include "common/DateTime.h"

#include <filesystem>

namespace trevik {

// Removes every one-day entry dated before today: a start date before today, no end date
// and no repeat. Undated entries, periods and repeating entries stay; a damaged date counts
// as none. Returns how many went.
int DeleteOutdatedEntries(const std::filesystem::path& directory, DayNumber today);

} // namespace trevik
