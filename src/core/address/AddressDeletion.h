#pragma once

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
// removes it from the address file. A contact that is gone already is left alone.
AddressDeletion DeleteAddress(const std::filesystem::path& directory, std::int32_t id);

} // namespace trevik
