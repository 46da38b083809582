#pragma once

#include "common/DateTime.h"

#include <filesystem>
#include <string>

namespace trevik {

// Removes every one-day entry dated before today: a start date before today, no end date
// and no repeat. Undated entries, periods and repeating entries stay; a damaged date counts
// as none. Returns how many went; when the file cannot be changed it stops there and `error`
// (if given) says why.
int DeleteOutdatedEntries(const std::filesystem::path& directory, DayNumber today,
                          std::string* error = nullptr);

} // namespace trevik
