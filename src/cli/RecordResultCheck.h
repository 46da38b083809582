#pragma once

#include "CliContext.h"
#include "storage/RecordResult.h"

#include <stdexcept>
#include <string>

namespace trevik::cli {

// A write's outcome for the user: a file that could not be used first, with its reason (exit
// 1), and only then a record that is not there (`what` names it; bad input, exit 2).
inline void checkRecordResult(const RecordResult& result, const std::string& what) {
    if (!result.error.empty()) {
        throw std::runtime_error(result.error);
    }
    if (!result.found) {
        throw UsageError("there is no " + what);
    }
}

} // namespace trevik::cli
