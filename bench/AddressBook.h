#pragma once

// The address books the find-box benchmarks read: random eight-letter names, a phone number,
// an e-mail address and a two-line postal address per contact.

#include "storage/AddrSet.h"
#include "support/TempDir.h"

#include <random>
#include <string>

namespace trevik::bench {

inline void writeAddressBook(const std::filesystem::path& dir, int contacts) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('a', 'z');
    AddrSet set(dir);
    set.Open();
    for (int i = 1; i <= contacts; ++i) {
        set.NewRecord();
        set.id = i;
        std::string name(8, ' ');
        for (char& c : name) {
            c = char(letter(random));
        }
        name[0] = char(name[0] - 32);
        set.name = name + " " + std::to_string(i);
        set.home = "030 " + std::to_string(100000 + i);
        set.email = name + "@example.org";
        set.address = "Street " + std::to_string(i) + "\r\nTown";
        set.Write();
    }
}

// An address book in a temporary data directory of its own.
class AddressBook {
public:
    explicit AddressBook(int contacts) { writeAddressBook(dir_.path(), contacts); }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

inline const AddressBook& addressBook() {
    static const AddressBook instance(10000);
    return instance;
}

inline const AddressBook& largeAddressBook() {
    static const AddressBook instance(200000);
    return instance;
}

} // namespace trevik::bench
