#pragma once

#include "common/DateTime.h"
#include "storage/BinCopy.h"

#include <filesystem>
#include <string>

namespace trevik {

// Removes every one-day entry dated before today: a start date before today, no end date
// and no repeat. Undated entries, periods and repeating entries stay; a damaged date counts
// as none. Each goes to the recycle bin first (unless told not to). Returns how many went;
// when the file cannot be changed it stops there and `error` (if given) says why. Copies that
// cannot be kept in the bin do not stop the deletion; `error` then says so.
int DeleteOutdatedEntries(const std::filesystem::path& directory, DayNumber today,
                          std::string* error = nullptr, BinCopy copy = BinCopy::ToBin);

} // namespace trevik
