#include "storage/TypeRecords.h"

#include <limits>

namespace trevik {

RecordResult addType(const std::filesystem::path& directory, const std::string& name) {
    TypeSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {0, false, set.lastError()};
    }
    const std::int32_t largest = set.MaxCode();
    if (largest >= std::numeric_limits<std::int16_t>::max()) {
        return {0, false,
                set.filePath().string() + ": the largest type code, " + std::to_string(largest) +
                    ", is in use; no new code is left"};
    }
    set.NewRecord();
    const std::int32_t code = largest + 1;
    set.code = std::int16_t(code);
    set.name = name;
    set.Write();
    return {code, true, set.lastError()};
}

RecordResult renameType(const std::filesystem::path& directory, std::int32_t code,
                        const std::string& name) {
    TypeSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {code, false, set.lastError()};
    }
    const std::int32_t position = set.FindByCode(code);
    if (position == 0) {
        return {code, false, set.lastError()};
    }
    set.GoTo(position);
    set.BeginEdit();
    set.name = name;
    set.Write();
    return {code, true, set.lastError()};
}

RecordResult deleteType(const std::filesystem::path& directory, std::int32_t code) {
    TypeSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        return {code, false, set.lastError()};
    }
    const std::int32_t position = set.FindByCode(code);
    if (position == 0) {
        return {code, false, set.lastError()};
    }
    set.Delete(position);
    return {code, true, set.lastError()};
}

std::vector<EntryType> listTypes(const std::filesystem::path& directory) {
    std::vector<EntryType> types;
    TypeSet set(directory);
    set.OpenForReading();
    if (set.NoCurrent()) {
        return types;
    }
    set.First();
    while (!set.AtEnd()) {
        types.push_back(set);
        set.Next();
    }
    return types;
}

} // namespace trevik
