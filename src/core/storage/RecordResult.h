#pragma once

#include <cstdint>
#include <string>

namespace trevik {

// What one add, change or delete did: the id (or type code) it wrote, whether the record
// it looked for was there, and why the file could not be used (empty when it could).
struct RecordResult {
    std::int32_t id = 0;
    bool found = false;
    std::string error;

    bool ok() const { return found && error.empty(); }
};

} // namespace trevik
