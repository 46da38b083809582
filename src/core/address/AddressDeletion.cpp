#include "address/AddressDeletion.h"

#include "calendar/AddressLinks.h"
#include "storage/AddrSet.h"

namespace trevik {

AddressDeletion DeleteAddress(const std::filesystem::path& directory, std::int32_t id) {
    AddressDeletion deletion;
    if (IsAddressLinked(directory, id)) {
        UnlinkAddress(directory, id);
        deletion.unlinkedEntries = true;
    }
    AddrSet set(directory);
    set.Open();
    deletion.result.id = id;
    if (set.NoCurrent()) {
        deletion.result.error = set.lastError();
        return deletion;
    }
    const std::int32_t position = set.FindById(id);
    if (position != 0) {
        deletion.result.found = true;
        // The recycle bin's copy of the contact (AddAddressToBin) is taken here, before
        // the record leaves the file.
        set.Delete(position);
    }
    deletion.result.error = set.lastError();
    return deletion;
}

} // namespace trevik
