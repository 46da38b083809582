#include "storage/AddrSet.h"

#include "storage/StampedRecords.h"

namespace trevik {

AddrSet::AddrSet(const std::filesystem::path& directory)
    : RecordSet(directory, kFileName, kRecordSize) {}

void AddrSet::AfterRead() {
    static_cast<Contact&>(*this) = decodeContact(buffer());
}

void AddrSet::BeforeWrite() {
    encodeContact(*this, buffer());
}

std::int32_t AddrSet::FindById(std::int32_t wanted) {
    return findStampedById(*this, wanted);
}

std::int32_t AddrSet::NextId() {
    return largestId(*this, 0);
}

std::int32_t AddrSet::FindByOrigin(DateTime wantedCreated, std::int32_t wantedOrigin) {
    return findStampedByOrigin(*this, wantedCreated, wantedOrigin);
}

} // namespace trevik
