#pragma once

#include "common/LittleEndian.h"

#include <cstdint>

namespace trevik {

// The head that address and calendar records share: the local id at byte 4, the creation
// stamp at 8, the creating installation's UID at 16 and the change stamp at 20.
template <typename Stamped> void decodeStampHeader(Stamped& record, const std::uint8_t* bytes) {
    record.id = loadLE<std::int32_t>(bytes + 4);
    record.created = loadLE<double>(bytes + 8);
    record.originUid = loadLE<std::int32_t>(bytes + 16);
    record.updated = loadLE<double>(bytes + 20);
}

template <typename Stamped> void encodeStampHeader(const Stamped& record, std::uint8_t* bytes) {
    storeLE(bytes + 4, record.id);
    storeLE(bytes + 8, record.created);
    storeLE(bytes + 16, record.originUid);
    storeLE(bytes + 20, record.updated);
}

} // namespace trevik
