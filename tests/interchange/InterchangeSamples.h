#pragma once

// Records and files shared by the vCard and iCalendar tests.
#include "common/DateTime.h"
#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <cstring>
#include <string>
#include <vector>

namespace trevik::test {

inline DateTime stampAt(int y, int m, int d, int h, int min, int s = 0) {
    return encodeDateTime({y, m, d}, {h, min, s, 0});
}

inline DayNumber day(int y, int m, int d) {
    return dayNumberFromCivil({y, m, d});
}

inline double at(int h, int m) {
    return timeFraction({h, m, 0, 0});
}

inline bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Contacts with every field in use, line breaks and accented letters.
inline std::vector<Contact> sampleContacts() {
    Contact anna;
    anna.id = 1;
    anna.created = stampAt(2024, 1, 2, 10, 11, 12) + 0.000123;
    anna.originUid = 1234567;
    anna.updated = stampAt(2025, 6, 7, 8, 9, 10);
    anna.name = "Anna M\xfcller";
    anna.home = "030 1234";
    anna.work = "030 9876";
    anna.fax = "030 9877";
    anna.mobile = "0170 555 1234";
    anna.email = "anna@example.org";
    anna.www = "https://anna.example.org/";
    anna.address = "Hauptstra\xdf"
                   "e 1\r\n10115 Berlin";
    anna.misc = "Met at the \x80 conference\r\nlikes tea";
    Contact bob;
    bob.id = 2;
    bob.created = stampAt(2023, 3, 4, 5, 6, 7);
    bob.originUid = -42;
    bob.updated = stampAt(2023, 12, 31, 23, 59, 59);
    bob.name = "Smith, Bob";
    bob.email = "bob@example.com";
    return {anna, bob};
}

inline CalendarEntry entryOf(const char* comment, DayNumber from, DayNumber to, double timeFrom,
                             double timeTo, std::int16_t repeat, int n) {
    CalendarEntry e;
    e.id = n;
    e.created = stampAt(2025, 1, 1, 12, 0, 0) + n / 1000.0;
    e.originUid = 777;
    e.updated = stampAt(2025, 2, 3, 4, 5, n % 60);
    e.comment = comment;
    e.dateFrom = from;
    e.dateTo = to;
    e.timeFrom = timeFrom;
    e.timeTo = timeTo;
    e.repeat = repeat;
    return e;
}

// Entries of every kind the views show: dated with and without times, periods, each repeat
// rate (the 31st and 29 February among them), an undated entry with an end time, to-dos.
inline std::vector<CalendarEntry> sampleEntries() {
    std::vector<CalendarEntry> entries = {
        entryOf("Dentist", day(2027, 3, 10), kNoDate, at(9, 30), at(10, 15), kRepeatNone, 1),
        entryOf("Holiday", day(2027, 7, 1), day(2027, 7, 10), kNoTime, kNoTime, kRepeatNone, 2),
        entryOf("Standup", day(2026, 1, 7), kNoDate, at(9, 0), kNoTime, kRepeatWeekly, 3),
        entryOf("Rent", day(2026, 1, 31), kNoDate, kNoTime, kNoTime, kRepeatMonthly, 4),
        entryOf("Leap day", day(2024, 2, 29), kNoDate, kNoTime, kNoTime, kRepeatYearly, 5),
        entryOf("Vitamins", day(2027, 5, 5), kNoDate, at(8, 0), at(8, 5), kRepeatDaily, 6),
        entryOf("Buy milk", kNoDate, kNoDate, kNoTime, kNoTime, kRepeatNone, 7),
        entryOf("Conference", day(2027, 9, 20), day(2027, 9, 22), at(9, 0), at(17, 30), kRepeatNone,
                8),
        entryOf("Call\r\nmum", day(2027, 11, 2), kNoDate, at(18, 0), kNoTime, kRepeatNone, 9),
        entryOf("Pay day", day(2025, 8, 15), kNoDate, kNoTime, kNoTime, kRepeatMonthly, 10),
        entryOf("Anniversary", day(2010, 10, 3), kNoDate, kNoTime, kNoTime, kRepeatYearly, 11),
        entryOf("Lunch", day(2027, 12, 24), kNoDate, at(12, 0), at(13, 0), kRepeatNone, 12),
    };
    entries[0].alarm = at(9, 0);
    entries[0].type = 1;
    entries[0].fileLink = "/home/me/x-ray results.pdf";
    entries[0].addressLink = 1;
    entries[3].alarm = at(7, 30);
    entries[5].type = 2;
    return entries;
}

} // namespace trevik::test
