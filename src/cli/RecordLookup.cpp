#include "RecordLookup.h"

#include "storage/AddrSet.h"
#include "storage/TypeSet.h"

namespace trevik::cli {

namespace {

template <typename Set, typename Find>
bool recordExists(const std::filesystem::path& directory, Find find) {
    // Read-only: a lookup neither creates a missing file nor needs write access.
    Set set(directory);
    set.OpenForReading();
    return find(set) != 0;
}

} // namespace

bool contactExists(const std::filesystem::path& directory, std::int32_t id) {
    return recordExists<AddrSet>(directory, [id](AddrSet& set) { return set.FindById(id); });
}

bool typeExists(const std::filesystem::path& directory, std::int32_t code) {
    return recordExists<TypeSet>(directory, [code](TypeSet& set) { return set.FindByCode(code); });
}

} // namespace trevik::cli
