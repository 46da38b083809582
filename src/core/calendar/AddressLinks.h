#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace trevik {

// Whether any calendar entry links to the contact with this id. Throws FileError when the
// calendar file exists but cannot be read.
bool IsAddressLinked(const std::filesystem::path& directory, std::int32_t addressId);

// Clears every calendar entry's link to the contact; nothing else of those entries changes,
// not even their change stamp. Returns why the calendar file could not be changed, or empty.
std::string UnlinkAddress(const std::filesystem::path& directory, std::int32_t addressId);

} // namespace trevik
