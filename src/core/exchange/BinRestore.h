#pragma once

#include "exchange/RecycleBin.h"
#include "storage/RecordResult.h"

#include <filesystem>

namespace trevik {

struct RestoreResult {
    // The id the record has here: the new one, or the one it had already.
    RecordResult record;
    // A record of the same global identity is here already; nothing was written.
    bool alreadyHere = false;
};

// Puts a bin entry back at once, as an update's bin pass would add it: a new local id, every
// other field as the bin holds it (an entry without its contact link). The copy stays in the
// bin. A record whose identity is here already is not added a second time.
RestoreResult restoreFromBin(const std::filesystem::path& directory, const BinEntry& entry);

} // namespace trevik
