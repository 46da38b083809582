#pragma once

#include <cstdint>
#include <filesystem>

namespace trevik::cli {

// Whether the record a command's input names is there. A file that exists but cannot be used
// throws with its name and the reason, so that a held or broken file is never taken for a
// missing record; a file that does not exist holds nothing and is not created by the look-up.
bool contactExists(const std::filesystem::path& directory, std::int32_t id);
bool typeExists(const std::filesystem::path& directory, std::int32_t code);

} // namespace trevik::cli
