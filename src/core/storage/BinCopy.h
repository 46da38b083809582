#pragma once

namespace trevik {

// Whether a deletion first keeps a copy of the record in the recycle bin. The Delete commands
// and the removal of outdated entries do; Cut and the yearly planner remove without a copy.
enum class BinCopy { ToBin, NoCopy };

// What a deletion says when the record went but its copy could not be kept.
inline constexpr const char* kNotKeptInBin =
    "was deleted, but could not be kept in the recycle bin: ";

} // namespace trevik
