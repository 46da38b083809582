#include "storage/ContactRecords.h"

#include "storage/StampedRecords.h"

namespace trevik {

namespace {

void copyTexts(Contact& to, const Contact& from) {
    for (const ContactTextField& field : kContactTexts) {
        to.*field.member = from.*field.member;
    }
}

} // namespace

RecordResult addContact(const std::filesystem::path& directory, const Contact& texts,
                        const Clock& clock, std::int32_t installationUid) {
    return addStamped<AddrSet>(directory, texts, copyTexts, clock, installationUid);
}

RecordResult changeContact(const std::filesystem::path& directory, const Contact& contact,
                           const Clock& clock) {
    return changeStamped<AddrSet>(directory, contact, copyTexts, clock);
}

std::optional<Contact> loadContact(const std::filesystem::path& directory, std::int32_t id) {
    return loadStamped<AddrSet, Contact>(directory, id);
}

} // namespace trevik
