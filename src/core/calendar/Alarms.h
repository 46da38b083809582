#pragma once

#include "calendar/OccursOn.h"
#include "common/DateTime.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevik {

// The comments of the entries that show on `now`'s day and whose alarm is at `now`'s hour
// and minute, in file order. Alarm fields that are no time of day never ring.
std::vector<std::string> DueAlarms(const std::filesystem::path& directory, DateTime now,
                                   const ViewContext& context);

} // namespace trevik
