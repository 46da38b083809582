#pragma once

#include <cstdint>
#include <filesystem>

namespace trevik {

// How many calendar entries carry the type `code`. Throws FileError when the calendar file
// exists but cannot be read.
int countEntriesOfType(const std::filesystem::path& directory, std::int32_t code);

} // namespace trevik
