#include "RecordLookup.h"

#include "storage/AddrSet.h"
#include "storage/TypeSet.h"

#include <stdexcept>

namespace trevik::cli {

namespace {

template <typename Set, typename Find>
bool recordExists(const std::filesystem::path& directory, Find find) {
    Set set(directory);
    if (!std::filesystem::exists(std::filesystem::symlink_status(set.filePath()))) {
        return false;
    }
    set.Open();
    if (!set.lastError().empty()) {
        throw std::runtime_error(set.lastError());
    }
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
