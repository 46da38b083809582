#pragma once

// Lookups and changes shared by the address and calendar files, whose records carry a local
// id, a creation stamp, the creating installation's UID and a change stamp.

#include "common/Clock.h"
#include "common/SameBits.h"
#include "storage/RecordResult.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace trevik {

template <typename Set> std::int32_t findStampedById(Set& set, std::int32_t wanted) {
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        if (set.id == wanted) {
            return set.position();
        }
    }
    return 0;
}

template <typename Set>
std::int32_t findStampedByOrigin(Set& set, DateTime created, std::int32_t originUid) {
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        if (sameBits(set.created, created) && set.originUid == originUid) {
            return set.position();
        }
    }
    return -1;
}

// The largest of `floor` and every id.
template <typename Set> std::int32_t largestId(Set& set, std::int32_t floor) {
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        floor = std::max(floor, set.id);
    }
    return floor;
}

// Appends a record made here: a new id, stamped now and with this installation's UID.
// `copyFields(set, fields)` sets the record's own fields.
template <typename Set, typename Fields, typename CopyFields>
RecordResult addStamped(const std::filesystem::path& directory, const Fields& fields,
                        CopyFields copyFields, const Clock& clock, std::int32_t installationUid) {
    Set set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {0, false, set.lastError()};
    }
    const std::int32_t largest = set.NextId();
    if (largest == std::numeric_limits<std::int32_t>::max()) {
        return {0, false,
                set.filePath().string() + ": the largest id, " + std::to_string(largest) +
                    ", is in use; no new id is left"};
    }
    const std::int32_t id = largest + 1;
    set.NewRecord();
    copyFields(set, fields);
    set.id = id;
    set.updated = NowToSecond(clock);
    set.originUid = installationUid;
    set.created = clock.now();
    set.Write();
    return {id, true, set.lastError()};
}

// Overwrites the own fields of the record with `record.id` and stamps it; its id, creation
// stamp and origin stay.
template <typename Set, typename Fields, typename CopyFields>
RecordResult changeStamped(const std::filesystem::path& directory, const Fields& record,
                           CopyFields copyFields, const Clock& clock) {
    Set set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {record.id, false, set.lastError()};
    }
    const std::int32_t position = set.FindById(record.id);
    if (position == 0) {
        return {record.id, false, set.lastError()};
    }
    set.GoTo(position);
    set.BeginEdit();
    copyFields(set, record);
    set.updated = NowToSecond(clock);
    set.Write();
    return {record.id, true, set.lastError()};
}

template <typename Set>
RecordResult deleteStamped(const std::filesystem::path& directory, std::int32_t id) {
    Set set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {id, false, set.lastError()};
    }
    const std::int32_t position = set.FindById(id);
    if (position == 0) {
        return {id, false, set.lastError()};
    }
    set.Delete(position);
    return {id, true, set.lastError()};
}

// Throws FileError when the file exists but cannot be read.
template <typename Set, typename Record>
std::optional<Record> loadStamped(const std::filesystem::path& directory, std::int32_t id) {
    Set set(directory);
    set.OpenForReading();
    if (set.FindById(id) == 0) {
        return std::nullopt;
    }
    return static_cast<const Record&>(set);
}

} // namespace trevik
