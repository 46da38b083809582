#include "calendar/AddressLinks.h"

#include "storage/CalSet.h"

namespace trevik {

bool IsAddressLinked(const std::filesystem::path& directory, std::int32_t addressId) {
    CalSet set(directory);
    set.OpenForReading();
    if (set.NoCurrent()) {
        return false;
    }
    set.First();
    while (!set.AtEnd()) {
        if (set.addressLink == addressId) {
            return true;
        }
        set.Next();
    }
    return false;
}

std::string UnlinkAddress(const std::filesystem::path& directory, std::int32_t addressId) {
    CalSet set(directory);
    set.Open();
    if (set.NoCurrent()) {
        return set.lastError();
    }
    set.First();
    while (!set.AtEnd()) {
        if (set.addressLink == addressId) {
            set.BeginEdit();
            set.addressLink = -1;
            set.Write();
            if (!set.lastError().empty()) {
                return set.lastError();
            }
        }
        set.Next();
    }
    return {};
}

} // namespace trevik
