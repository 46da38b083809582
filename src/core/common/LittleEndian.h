#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace trevik {

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian; this build assumes a little-endian machine");

template <typename T> T loadLE(const std::uint8_t* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

template <typename T> void storeLE(std::uint8_t* at, T value) {
    std::memcpy(at, &value, sizeof value);
}

} // namespace trevik
