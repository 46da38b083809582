#pragma once

#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// undelete.tvx in the data directory: a BinHeader of two counts, then the deleted records in
// the order of deletion, each behind its tag byte.
inline constexpr const char* kRecycleBinName = "undelete.tvx";
inline constexpr std::size_t kBinHeaderSize = 8;
inline constexpr std::uint8_t kContactTag = 'A';
inline constexpr std::uint8_t kEntryTag = 'B';

struct BinHeader {
    std::int32_t addressCount = 0;
    std::int32_t calendarCount = 0;
};

// One deleted record as the bin keeps it: id -1, and for an entry no link.
struct BinEntry {
    std::uint8_t tag = kContactTag;
    Contact contact;
    CalendarEntry entry;

    bool isContact() const { return tag == kContactTag; }
    static BinEntry of(const Contact& contact);
    static BinEntry of(const CalendarEntry& entry);
};

struct RecycleBin {
    BinHeader header;
    // The whole entries up to the header's count, or up to the first unknown tag or cut
    // entry, whichever comes first.
    std::vector<BinEntry> entries;
    // Fewer entries than the header announces, or bytes after them.
    bool damaged = false;
};

// The bin's bytes; anything shorter than a header is an empty bin.
RecycleBin parseRecycleBin(std::string_view bytes);
// The bin of `directory`; a missing file is an empty bin. Throws FileError when the file exists
// but cannot be read.
RecycleBin readRecycleBin(const std::filesystem::path& directory);

// Appends copies of records about to be deleted, in order, and says why it could not (empty
// on success). The copies are on disk when it returns. A bin left damaged (by a crash, or
// carried in from elsewhere) is first cut back to its last whole entry.
std::string addToBin(const std::filesystem::path& directory, const std::vector<BinEntry>& entries);
std::string AddAddressToBin(const std::filesystem::path& directory, const Contact& contact);
std::string AddCalendarEntryToBin(const std::filesystem::path& directory,
                                  const CalendarEntry& entry);

// Replaces the bin by an empty one (a header of two zero counts).
std::string EmptyRecycleBin(const std::filesystem::path& directory);

// The bytes of one entry, its tag first.
std::string encodeBinEntry(const BinEntry& entry);

} // namespace trevik
