#pragma once

#include "common/Locale.h"
#include "storage/ContactRecord.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace trevik {

// The address file's contacts as last read, kept between refills of the list: reading again
// decodes only the records whose bytes changed, so a find-box keystroke costs one read and
// one compare of the file rather than a decode of every contact.
class ContactBook {
public:
    // What a read found different from the book, not yet taken in.
    struct Reading {
        bool found = false;                     // false: there is no address file
        std::size_t count = 0;                  // the records the file holds
        std::vector<std::uint32_t> changedAt;   // the positions whose bytes differ from the book's
        std::vector<std::uint8_t> changedBytes; // those records, one after another
    };

    // Reads the address file whole under its shared lock and compares it with the book.
    // Throws FileError when the file exists but cannot be read; the book stays as it was.
    Reading read(const std::filesystem::path& directory);
    // Takes in a reading made of this book, before any other: only the records that changed
    // are decoded.
    void take(Reading reading);

    const std::vector<Contact>& contacts() const { return contacts_; }
    // Counts the takes that changed a contact, so that what is derived from the contacts
    // (a sort order) knows when to derive it again.
    std::uint64_t revision() const { return revision_; }
    // The positions of the contacts whose names start with `filter` in any letter case, in
    // file order.
    std::vector<std::uint32_t> matching(std::string_view filter) const;
    // Orders positions by a column with the locale's comparison; equal texts keep file order.
    void sortPositions(std::vector<std::uint32_t>& positions, int column, const Locale& locale);

private:
    std::vector<std::uint8_t> bytes_; // the records the contacts were decoded from
    std::vector<Contact> contacts_;
    std::uint64_t revision_ = 0;
    // Each contact's place in the order of a column, made again only when the contacts or the
    // column change: a keystroke sorts its rows by these numbers, not by collating texts.
    std::vector<std::size_t> ranks_;
    int ranksColumn_ = -1;
    std::uint64_t ranksRevision_ = 0;
};

} // namespace trevik
