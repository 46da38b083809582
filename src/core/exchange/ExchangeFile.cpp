#include "exchange/ExchangeFile.h"

#include <algorithm>
#include <array>

namespace trevik {

namespace {

std::int64_t wholeRecords(std::int64_t size, std::int64_t start, std::int64_t recordSize) {
    return size > start ? (size - start) / recordSize : 0;
}

} // namespace

std::string ExchangeFile::problemWith(const ByteSource& source) {
    if (source.size() < std::int64_t(kExchangeHeaderSize)) {
        return "is not an exchange file: it holds " + std::to_string(source.size()) +
               " bytes, fewer than the " + std::to_string(kExchangeHeaderSize) +
               " of an exchange file's header";
    }
    return {};
}

ExchangeFile::ExchangeFile(ByteSource& source) : source_(source) {
    std::array<std::uint8_t, kExchangeHeaderSize> bytes{};
    if (source_.read(0, bytes.data(), bytes.size())) {
        header_ = decodeExchangeHeader(bytes.data());
    } else {
        header_.addressCount = 0;
        header_.calendarCount = 0;
    }
    const std::int64_t size = source_.size();
    const std::int64_t start = std::int64_t(kExchangeHeaderSize);
    presentContacts_ =
        std::min(announcedContacts(), wholeRecords(size, start, std::int64_t(kContactRecordSize)));
    calendarStart_ = start + announcedContacts() * std::int64_t(kContactRecordSize);
    presentEntries_ = std::min(
        announcedEntries(), wholeRecords(size, calendarStart_, std::int64_t(kCalendarRecordSize)));
}

std::int64_t ExchangeFile::announcedContacts() const {
    return std::max<std::int64_t>(header_.addressCount, 0);
}

std::int64_t ExchangeFile::announcedEntries() const {
    return std::max<std::int64_t>(header_.calendarCount, 0);
}

std::optional<Contact> ExchangeFile::contact(std::int64_t n) {
    if (n < 0 || n >= presentContacts_) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kContactRecordSize> record{};
    if (!source_.read(std::int64_t(kExchangeHeaderSize) + n * std::int64_t(kContactRecordSize),
                      record.data(), record.size())) {
        return std::nullopt;
    }
    return decodeContact(record.data());
}

std::optional<CalendarEntry> ExchangeFile::entry(std::int64_t n) {
    if (n < 0 || n >= presentEntries_) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kCalendarRecordSize> record{};
    if (!source_.read(calendarStart_ + n * std::int64_t(kCalendarRecordSize), record.data(),
                      record.size())) {
        return std::nullopt;
    }
    return decodeCalendarEntry(record.data());
}

} // namespace trevik
