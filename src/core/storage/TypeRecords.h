#pragma once

#include "storage/RecordResult.h"
#include "storage/TypeSet.h"

#include <filesystem>
#include <string>
#include <vector>

namespace trevik {

// Appends a type with code MaxCode + 1; the result's id is that code. Refused when that code
// would not fit the record's 16 bits.
RecordResult addType(const std::filesystem::path& directory, const std::string& name);
RecordResult renameType(const std::filesystem::path& directory, std::int32_t code,
                        const std::string& name);
RecordResult deleteType(const std::filesystem::path& directory, std::int32_t code);
// Every type in file order. Throws FileError when the file exists but cannot be read.
std::vector<EntryType> listTypes(const std::filesystem::path& directory);

} // namespace trevik
