#include "storage/ContactRecords.h"

namespace trevik {

namespace {

void copyTexts(Contact& to, const Contact& from) {
    to.name = from.name;
    to.home = from.home;
    to.work = from.work;
    to.fax = from.fax;
    to.mobile = from.mobile;
    to.email = from.email;
    to.www = from.www;
    to.address = from.address;
    to.misc = from.misc;
}

} // namespace

RecordResult AddContact(const std::filesystem::path& directory, const Contact& texts,
                        const Clock& clock, std::int32_t installationUid) {
    AddrSet set(directory);
    set.Open();
    const std::int32_t id = set.NextId() + 1;
    set.NewRecord();
    copyTexts(set, texts);
    set.id = id;
    set.updated = NowToSecond(clock);
    set.originUid = installationUid;
    set.created = clock.now();
    set.Write();
    return {id, true, set.lastError()};
}

RecordResult ChangeContact(const std::filesystem::path& directory, const Contact& contact,
                           const Clock& clock) {
    AddrSet set(directory);
    set.Open();
    const std::int32_t position = set.FindById(contact.id);
    if (position == 0) {
        return {contact.id, false, set.lastError()};
    }
    set.GoTo(position);
    set.BeginEdit();
    copyTexts(set, contact);
    set.updated = NowToSecond(clock);
    set.Write();
    return {contact.id, true, set.lastError()};
}

RecordResult DeleteContact(const std::filesystem::path& directory, std::int32_t id) {
    AddrSet set(directory);
    set.Open();
    const std::int32_t position = set.FindById(id);
    if (position == 0) {
        return {id, false, set.lastError()};
    }
    set.Delete(position);
    return {id, true, set.lastError()};
}

std::optional<Contact> LoadContact(const std::filesystem::path& directory, std::int32_t id) {
    AddrSet set(directory);
    set.Open();
    if (set.FindById(id) == 0) {
        return std::nullopt;
    }
    return static_cast<const Contact&>(set);
}

} // namespace trevik
