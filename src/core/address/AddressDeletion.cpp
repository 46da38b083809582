#include "address/AddressDeletion.h"

#include "calendar/AddressLinks.h"
#include "exchange/RecycleBin.h"
#include "storage/AddrSet.h"
#include "storage/FileError.h"

namespace trevik {

AddressDeletion deleteAddress(const std::filesystem::path& directory, std::int32_t id,
                              BinCopy copy) {
    AddressDeletion deletion;
    deletion.result.id = id;
    // A contact whose links could not be cleared stays, so no entry is left linked to nothing.
    try {
        if (IsAddressLinked(directory, id)) {
            deletion.result.error = UnlinkAddress(directory, id);
            if (!deletion.result.error.empty()) {
                return deletion;
            }
            deletion.unlinkedEntries = true;
        }
    } catch (const FileError& error) {
        deletion.result.error = error.what();
        return deletion;
    }
    AddrSet set(directory);
    set.Open();
    if (set.NoCurrent()) {
        deletion.result.error = set.lastError();
        return deletion;
    }
    const std::int32_t position = set.FindById(id);
    std::string binError;
    if (position != 0) {
        deletion.result.found = true;
        if (copy == BinCopy::ToBin) {
            binError = AddAddressToBin(directory, static_cast<const Contact&>(set));
        }
        set.Delete(position);
    }
    deletion.result.error = set.lastError();
    if (deletion.result.error.empty() && !binError.empty()) {
        deletion.result.error = std::string("The contact ") + kNotKeptInBin + binError;
    }
    return deletion;
}

} // namespace trevik
