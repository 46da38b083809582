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

RecordResult AddContact(const std::filesystem::path& directory, const Contact& texts,
                        const Clock& clock, std::int32_t installationUid) {
    return AddStamped<AddrSet>(directory, texts, copyTexts, clock, installationUid);
}

RecordResult ChangeContact(const std::filesystem::path& directory, const Contact& contact,
                           const Clock& clock) {
    return ChangeStamped<AddrSet>(directory, contact, copyTexts, clock);
}

std::optional<Contact> LoadContact(const std::filesystem::path& directory, std::int32_t id) {
    return LoadStamped<AddrSet, Contact>(directory, id);
}

} // namespace trevik
