#pragma once

#include "storage/BinCopy.h"
#include "storage/RecordResult.h"

#include <cstdint>
#include <filesystem>

namespace trevik {

struct AddressDeletion {
    // Calendar entries linked to the contact had their links cleared.
    bool unlinkedEntries = false;
    RecordResult result;
};

// Deletes a contact as the address pane does: first clears every calendar link to it, then
// keeps a copy in the recycle bin (unless told not to) and removes it from the address file. A
// contact that is gone already is left alone. A copy that cannot be kept does not stop the
// deletion; `result.error` then says so.
AddressDeletion deleteAddress(const std::filesystem::path& directory, std::int32_t id,
                              BinCopy copy = BinCopy::ToBin);

} // namespace trevik
