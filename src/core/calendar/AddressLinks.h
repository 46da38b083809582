#pragma once

#include <cstdint>
#include <filesystem>

namespace trevik {

// Whether any calendar entry links to the contact with this id.
bool IsAddressLinked(const std::filesystem::path& directory, std::int32_t addressId);

// Clears every calendar entry's link to the contact; nothing else of those entries changes,
// not even their change stamp.
void UnlinkAddress(const std::filesystem::path& directory, std::int32_t addressId);

} // namespace trevik
