#include "exchange/BinRestore.h"

#include "storage/AddrSet.h"
#include "storage/CalSet.h"

#include <limits>

namespace trevik {

namespace {

template <typename Set, typename Record>
RestoreResult restore(const std::filesystem::path& directory, const Record& record) {
    RestoreResult result;
    Set set(directory);
    set.Open();
    if (!set.isOpen()) {
        result.record.error = set.lastError();
        return result;
    }
    if (const std::int32_t position = set.FindByOrigin(record.created, record.originUid);
        position > 0) {
        set.GoTo(position);
        result.alreadyHere = true;
        result.record = {set.id, true, {}};
        return result;
    }
    const std::int32_t largest = set.NextId();
    if (largest == std::numeric_limits<std::int32_t>::max()) {
        result.record.error = set.filePath().string() + ": the largest id, " +
                              std::to_string(largest) + ", is in use; no new id is left";
        return result;
    }
    set.NewRecord();
    static_cast<Record&>(set) = record;
    set.id = largest + 1;
    set.Write();
    result.record = {largest + 1, true, set.lastError()};
    return result;
}

} // namespace

RestoreResult restoreFromBin(const std::filesystem::path& directory, const BinEntry& entry) {
    return entry.isContact() ? restore<AddrSet>(directory, entry.contact)
                             : restore<CalSet>(directory, entry.entry);
}

} // namespace trevik
