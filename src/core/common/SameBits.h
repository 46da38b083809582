#pragma once

#include <bit>
#include <cstdint>

namespace trevik {

// Creation stamps identify records across installations, so they match by their exact
// eight bytes, not by floating-point equality.
inline bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace trevik
