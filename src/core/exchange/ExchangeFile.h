#pragma once

#include "exchange/ByteSource.h"
#include "exchange/ExchangeHeader.h"
#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <cstdint>
#include <optional>
#include <string>

namespace trevik {

// An exchange file: its header and the two record blocks behind it. The counts come from
// another machine, so they are never trusted: a negative count is none, and a block holds only
// the whole records the file really has, so reading stops at the last whole record.
class ExchangeFile {
public:
    // Why a file cannot be used at all; empty when it can.
    static std::string problemWith(const ByteSource& source);

    // `source` must hold at least a header (see problemWith).
    explicit ExchangeFile(ByteSource& source);

    const ExchangeHeader& header() const { return header_; }
    // The records announced and the whole records present.
    std::int64_t announcedContacts() const;
    std::int64_t announcedEntries() const;
    std::int64_t presentContacts() const { return presentContacts_; }
    std::int64_t presentEntries() const { return presentEntries_; }

    // The n-th record (0-based) of a block, read from the source; nothing past the present ones.
    std::optional<Contact> contact(std::int64_t n);
    std::optional<CalendarEntry> entry(std::int64_t n);

private:
    ByteSource& source_;
    ExchangeHeader header_;
    std::int64_t calendarStart_ = 0;
    std::int64_t presentContacts_ = 0;
    std::int64_t presentEntries_ = 0;
};

} // namespace trevik
