// A vCard file from anywhere: every contact read has a name and texts that fit their fields,
// and writing it again and reading that back gives the same contact.
#include "FuzzChecks.h"
#include "interchange/VCard.h"

#include <cstring>
#include <string>

using namespace trevik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ContactsRead read = contactsFromVCard(text);
    for (const Contact& contact : read.contacts) {
        FUZZ_CHECK(!contact.name.empty());
        for (const ContactTextField& field : kContactTexts) {
            FUZZ_CHECK((contact.*field.member).size() <= field.width);
        }
    }
    const ContactsRead again = contactsFromVCard(contactsToVCard(read.contacts));
    FUZZ_CHECK(again.contacts.size() == read.contacts.size());
    for (std::size_t i = 0; i < read.contacts.size(); ++i) {
        const Contact& a = read.contacts[i];
        const Contact& b = again.contacts[i];
        FUZZ_CHECK(std::memcmp(&a.created, &b.created, sizeof a.created) == 0);
        FUZZ_CHECK(a.originUid == b.originUid);
        for (const ContactTextField& field : kContactTexts) {
            FUZZ_CHECK(a.*field.member == b.*field.member);
        }
    }
    return 0;
}
