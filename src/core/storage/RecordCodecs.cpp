#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"
#include "storage/StampHeader.h"

#include "common/TextField.h"

namespace trevik {

namespace {
constexpr std::size_t kCommentOffset = 32;
constexpr std::size_t kFileLinkOffset = 97;
} // namespace

Contact decodeContact(const std::uint8_t* record) {
    Contact contact;
    decodeStampHeader(contact, record);
    for (const ContactTextField& field : kContactTexts) {
        contact.*field.member = readTextField(record + field.offset, field.width);
    }
    return contact;
}

void encodeContact(const Contact& contact, std::uint8_t* record) {
    encodeStampHeader(contact, record);
    for (const ContactTextField& field : kContactTexts) {
        writeTextField(record + field.offset, field.width, contact.*field.member);
    }
}

CalendarEntry decodeCalendarEntry(const std::uint8_t* b) {
    CalendarEntry entry;
    decodeStampHeader(entry, b);
    entry.addressLink = loadLE<std::int32_t>(b + 28);
    entry.comment = readTextField(b + kCommentOffset, kCommentWidth);
    entry.type = loadLE<std::int16_t>(b + 62);
    entry.dateFrom = loadLE<std::int32_t>(b + 64);
    entry.dateTo = loadLE<std::int32_t>(b + 68);
    entry.timeFrom = loadLE<double>(b + 72);
    entry.timeTo = loadLE<double>(b + 80);
    entry.alarm = loadLE<double>(b + 88);
    entry.flag = b[96];
    entry.fileLink = readTextField(b + kFileLinkOffset, kFileLinkWidth);
    entry.repeat = loadLE<std::int16_t>(b + 162);
    return entry;
}

void decodeCalendarSchedule(const std::uint8_t* b, CalendarEntry& entry) {
    entry.type = loadLE<std::int16_t>(b + 62);
    entry.dateFrom = loadLE<std::int32_t>(b + 64);
    entry.dateTo = loadLE<std::int32_t>(b + 68);
    entry.timeFrom = loadLE<double>(b + 72);
    entry.timeTo = loadLE<double>(b + 80);
    entry.repeat = loadLE<std::int16_t>(b + 162);
}

void encodeCalendarEntry(const CalendarEntry& entry, std::uint8_t* b) {
    encodeStampHeader(entry, b);
    storeLE(b + 28, entry.addressLink);
    writeTextField(b + kCommentOffset, kCommentWidth, entry.comment);
    storeLE(b + 62, entry.type);
    storeLE(b + 64, entry.dateFrom);
    storeLE(b + 68, entry.dateTo);
    storeLE(b + 72, entry.timeFrom);
    storeLE(b + 80, entry.timeTo);
    storeLE(b + 88, entry.alarm);
    b[96] = entry.flag;
    writeTextField(b + kFileLinkOffset, kFileLinkWidth, entry.fileLink);
    storeLE(b + 162, entry.repeat);
}

} // namespace trevik
