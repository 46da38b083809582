// The iCalendar side, on libical. The entry's schedule is first put in the terms both sides
// share (a start, an end, a frequency, an alarm offset); what those terms cannot say exactly is
// kept for our own reading in X-TREVIK-SCHEDULE, used only while the standard properties still
// say what it says (another program may have moved the event since).
#include "interchange/ICalendar.h"

#include "calendar/OccursOn.h"
#include "editor/EntryBuild.h"
#include "interchange/FieldText.h"
#include "interchange/LocalTime.h"
#include "interchange/RecordUid.h"
#include "interchange/Stamp.h"

#include <libical/ical.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <strings.h>

namespace trevik {

namespace {

constexpr const char* kScheduleProperty = "X-TREVIK-SCHEDULE";
constexpr const char* kContactProperty = "X-TREVIK-CONTACT";
constexpr int kNoSecond = -1;

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

// The schedule in the terms of the format.
struct Standard {
    bool todo = false;
    DayNumber startDay = kNoDate;
    int startSecond = kNoSecond; // none: all day
    DayNumber endDay = kNoDate;  // none: no end; all day: the day after the last
    int endSecond = kNoSecond;
    int freq = 0; // a RepeatRate, 0 for none
    bool hasAlarm = false;
    int alarmOffset = 0; // seconds from the start (midnight for all day)
    friend bool operator==(const Standard&, const Standard&) = default;
};

// The entry's own schedule fields, as X-TREVIK-SCHEDULE keeps them bit for bit.
struct RawSchedule {
    DayNumber dateFrom = kNoDate;
    DayNumber dateTo = kNoDate;
    double timeFrom = kNoTime;
    double timeTo = kNoTime;
    double alarm = kNoTime;
    std::int16_t repeat = kRepeatNone;
    std::uint8_t flag = 0;
};

RawSchedule rawOf(const CalendarEntry& entry) {
    return {entry.dateFrom, entry.dateTo, entry.timeFrom, entry.timeTo,
            entry.alarm,    entry.repeat, entry.flag};
}

bool sameRaw(const RawSchedule& a, const RawSchedule& b) {
    const auto same = [](double x, double y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    return a.dateFrom == b.dateFrom && a.dateTo == b.dateTo && same(a.timeFrom, b.timeFrom) &&
           same(a.timeTo, b.timeTo) && same(a.alarm, b.alarm) && a.repeat == b.repeat &&
           a.flag == b.flag;
}

int secondsOf(double time) {
    const TimeOfDay t = timeOfDayFromFraction(time);
    return t.hour * 3600 + t.minute * 60 + t.second;
}

double timeOfSeconds(int seconds) {
    return timeFraction({seconds / 3600, seconds / 60 % 60, seconds % 60, 0});
}

// The first civil day on which a repeating dated entry shows.
DayNumber firstOccurrence(DayNumber dateFrom, int repeat) {
    switch (repeat) {
    case kRepeatDaily:
        return kFirstCivilDay;
    case kRepeatWeekly:
        return kFirstCivilDay + ((dayOfWeek(dateFrom) - dayOfWeek(kFirstCivilDay)) % 7 + 7) % 7;
    case kRepeatMonthly:
    case kRepeatYearly: {
        const CivilDate start = civilFromDayNumber(dateFrom);
        for (int year = kFirstCivilYear; year <= kFirstCivilYear + 8; ++year) {
            for (int month = 1; month <= 12; ++month) {
                if ((repeat == kRepeatYearly && month != start.month) ||
                    !isValidCivilDate(year, month, start.day)) {
                    continue;
                }
                return dayNumberFromCivil({year, month, start.day});
            }
        }
        return dateFrom;
    }
    default:
        return dateFrom;
    }
}

Standard standardOf(const RawSchedule& raw) {
    CalendarEntry probe;
    probe.dateFrom = raw.dateFrom;
    probe.dateTo = raw.dateTo;
    probe.timeFrom = raw.timeFrom;
    probe.timeTo = raw.timeTo;
    probe.repeat = raw.repeat;
    const Schedule s = scheduleOf(probe);
    Standard st;
    const int from = s.timeFrom == kNoTime ? kNoSecond : secondsOf(s.timeFrom);
    const int to = s.timeTo == kNoTime ? kNoSecond : secondsOf(s.timeTo);
    const auto times = [&] {
        if (from != kNoSecond) {
            st.startSecond = from;
            if (to != kNoSecond && to >= from) {
                st.endDay = st.startDay;
                st.endSecond = to;
            }
        } else {
            st.endDay = st.startDay + 1;
        }
    };
    if (s.dateFrom != kNoDate && s.dateTo != kNoDate) {
        const DayNumber lo = std::min(s.dateFrom, s.dateTo);
        const DayNumber hi = std::max(s.dateFrom, s.dateTo);
        st.startDay = lo;
        if (from != kNoSecond && to != kNoSecond && (hi > lo || to >= from)) {
            st.startSecond = from;
            st.endDay = hi;
            st.endSecond = to;
        } else {
            st.endDay = hi + 1;
        }
    } else if (s.dateFrom != kNoDate) {
        st.freq = s.repeat >= kRepeatDaily && s.repeat <= kRepeatYearly ? s.repeat : 0;
        st.startDay = st.freq != 0 ? firstOccurrence(s.dateFrom, st.freq) : s.dateFrom;
        times();
    } else if (s.timeTo != kNoTime || s.repeat == kRepeatDaily) {
        st.freq = kRepeatDaily;
        st.startDay = kFirstCivilDay;
        times();
    } else {
        st.todo = true;
        return st;
    }
    if (isTimeOfDay(raw.alarm)) {
        st.hasAlarm = true;
        st.alarmOffset = secondsOf(raw.alarm) - std::max(st.startSecond, 0);
    }
    return st;
}

// The fields a standard schedule makes, with what they cannot hold added to `losses`.
RawSchedule rawOf(const Standard& st, std::vector<std::string>& losses) {
    RawSchedule raw;
    if (st.todo) {
        return raw;
    }
    raw.dateFrom = st.startDay;
    raw.repeat = std::int16_t(st.freq);
    if (st.startSecond == kNoSecond) {
        const DayNumber span = st.endDay == kNoDate ? 1 : st.endDay - st.startDay;
        if (span > 1) {
            if (st.freq == 0) {
                raw.dateTo = st.endDay - 1;
            } else {
                losses.push_back("a repeating span of days: only its first day repeats");
            }
        }
    } else {
        raw.timeFrom = timeOfSeconds(st.startSecond);
        if (st.endDay != kNoDate) {
            if (st.endDay == st.startDay) {
                raw.timeTo = timeOfSeconds(st.endSecond);
            } else if (st.freq == 0 && st.endDay > st.startDay) {
                raw.dateTo = st.endDay;
                raw.timeTo = timeOfSeconds(st.endSecond);
            } else {
                losses.push_back("it repeats and ends on a later day: its end time was left out");
            }
        }
    }
    if (st.hasAlarm) {
        const long long at = (long long)std::max(st.startSecond, 0) + st.alarmOffset;
        if (at >= 0 && at < 86400) {
            raw.alarm = timeOfSeconds(int(at));
        } else {
            losses.push_back("its alarm is not on the entry's day: the alarm was left out");
        }
    }
    return raw;
}

std::string numberText(double value) {
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string scheduleText(const RawSchedule& raw) {
    return std::to_string(raw.dateFrom) + ";" + std::to_string(raw.dateTo) + ";" +
           numberText(raw.timeFrom) + ";" + numberText(raw.timeTo) + ";" + numberText(raw.alarm) +
           ";" + std::to_string(raw.repeat) + ";" + std::to_string(raw.flag);
}

// Only values a record can sensibly hold are taken from the file.
std::optional<RawSchedule> parseSchedule(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t at = 0;
    while (parts.size() < 8) {
        const std::size_t end = text.find(';', at);
        parts.push_back(text.substr(at, end == std::string_view::npos ? text.npos : end - at));
        if (end == std::string_view::npos) {
            break;
        }
        at = end + 1;
    }
    if (parts.size() != 7) {
        return std::nullopt;
    }
    RawSchedule raw;
    const auto integer = [](std::string_view part, auto& value) {
        const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
        return result.ec == std::errc() && result.ptr == part.data() + part.size();
    };
    const auto time = [](std::string_view part, double& value) {
        const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
        return result.ec == std::errc() && result.ptr == part.data() + part.size() &&
               (value == kNoTime || isTimeOfDay(value));
    };
    int repeat = 0;
    int flag = 0;
    if (!integer(parts[0], raw.dateFrom) || !integer(parts[1], raw.dateTo) ||
        !time(parts[2], raw.timeFrom) || !time(parts[3], raw.timeTo) ||
        !time(parts[4], raw.alarm) || !integer(parts[5], repeat) || !integer(parts[6], flag)) {
        return std::nullopt;
    }
    const auto dateOk = [](DayNumber day) { return day == kNoDate || isCivilDay(day); };
    if (!dateOk(raw.dateFrom) || !dateOk(raw.dateTo) || repeat < kRepeatUnset ||
        repeat > kRepeatYearly || flag < 0 || flag > 255) {
        return std::nullopt;
    }
    raw.repeat = std::int16_t(repeat);
    raw.flag = std::uint8_t(flag);
    return raw;
}

// ---- Writing

icaltimetype dateOf(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    icaltimetype t = icaltime_null_date();
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    return t;
}

icaltimetype floatingOf(DayNumber day, int second) {
    icaltimetype t = icaltime_null_time();
    const CivilDate date = civilFromDayNumber(day);
    t.year = date.year;
    t.month = date.month;
    t.day = date.day;
    t.hour = second / 3600;
    t.minute = second / 60 % 60;
    t.second = second % 60;
    t.is_date = 0;
    return t;
}

icaltimetype utcOf(DateTime local) {
    return icaltime_from_timet_with_zone(std::time_t(utcSecondsOfLocal(local)), 0,
                                         icaltimezone_get_utc_timezone());
}

std::string fileUrl(const std::string& link) {
    if (link.empty() || link[0] != '/') {
        return link;
    }
    std::string url = "file://";
    static const char* hex = "0123456789ABCDEF";
    for (const char byte : link) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || std::strchr("/-._~", c) != nullptr;
        if (plain) {
            url += char(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

// Only a file URL of a path is a path: any other (another host's, or one whose decoding starts
// elsewhere) is kept as the URL it is, so that writing it again gives the same link.
std::string linkOfUrl(std::string_view whole) {
    std::string_view url = whole;
    if (!url.starts_with("file://")) {
        return std::string(url);
    }
    url.remove_prefix(7);
    if (!url.starts_with('/') && !url.starts_with("%2F") && !url.starts_with("%2f")) {
        return std::string(whole);
    }
    std::string link;
    for (std::size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '%' && i + 2 < url.size()) {
            const auto value = [](char c) {
                return c >= '0' && c <= '9'   ? c - '0'
                       : c >= 'a' && c <= 'f' ? c - 'a' + 10
                       : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                              : -1;
            };
            const int high = value(url[i + 1]);
            const int low = value(url[i + 2]);
            if (high >= 0 && low >= 0) {
                link += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        link += url[i];
    }
    return link;
}

void addX(icalcomponent* component, const char* name, const std::string& value) {
    icalproperty* property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

// libical writes a category's commas as they are, as if they parted categories; a type name
// with a comma would come back as two. Its commas are marked with a character no stored text
// holds (a private-use one: the diary's texts are Windows-1252) and escaped in the written file.
constexpr std::string_view kCommaMark = "\xEE\x80\x80"; // U+E000

std::string replacedAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

icalcomponent* componentOf(const CalendarEntry& entry, const EntryReferences& references) {
    const RawSchedule raw = rawOf(entry);
    const Standard st = standardOf(raw);
    icalcomponent* c = icalcomponent_new(st.todo ? ICAL_VTODO_COMPONENT : ICAL_VEVENT_COMPONENT);
    const std::string uid = recordUid(entry.created, entry.originUid);
    icalcomponent_add_property(c, icalproperty_new_uid(uid.c_str()));
    if (isCivilDay(dayNumberOf(entry.updated))) {
        icalcomponent_add_property(c, icalproperty_new_dtstamp(utcOf(entry.updated)));
        icalcomponent_add_property(c, icalproperty_new_lastmodified(utcOf(entry.updated)));
    }
    const std::string summary = exportedText(entry.comment);
    icalcomponent_add_property(c, icalproperty_new_summary(summary.c_str()));
    if (!st.todo) {
        const bool allDay = st.startSecond == kNoSecond;
        icalcomponent_add_property(
            c, icalproperty_new_dtstart(allDay ? dateOf(st.startDay)
                                               : floatingOf(st.startDay, st.startSecond)));
        if (st.endDay != kNoDate) {
            icalcomponent_add_property(
                c, icalproperty_new_dtend(allDay ? dateOf(st.endDay)
                                                 : floatingOf(st.endDay, st.endSecond)));
        }
        if (st.freq != 0) {
            icalrecurrencetype rule;
            icalrecurrencetype_clear(&rule);
            rule.freq = st.freq == kRepeatDaily     ? ICAL_DAILY_RECURRENCE
                        : st.freq == kRepeatWeekly  ? ICAL_WEEKLY_RECURRENCE
                        : st.freq == kRepeatMonthly ? ICAL_MONTHLY_RECURRENCE
                                                    : ICAL_YEARLY_RECURRENCE;
            icalcomponent_add_property(c, icalproperty_new_rrule(rule));
        }
        if (st.hasAlarm) {
            icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icaltriggertype trigger;
            trigger.time = icaltime_null_time();
            trigger.duration = icaldurationtype_from_int(st.alarmOffset);
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_property(alarm, icalproperty_new_description(summary.c_str()));
            icalcomponent_add_component(c, alarm);
        }
    }
    if (const auto type = references.typeNames.find(entry.type);
        type != references.typeNames.end() && !type->second.empty()) {
        icalcomponent_add_property(
            c, icalproperty_new_categories(
                   replacedAll(exportedText(type->second), ",", kCommaMark).c_str()));
    }
    if (!entry.fileLink.empty()) {
        icalattach* attach = icalattach_new_from_url(fileUrl(exportedText(entry.fileLink)).c_str());
        icalcomponent_add_property(c, icalproperty_new_attach(attach));
        icalattach_unref(attach);
    }
    if (const auto contact = references.contactUids.find(entry.addressLink);
        entry.addressLink >= 0 && contact != references.contactUids.end()) {
        addX(c, kContactProperty, contact->second);
    }
    std::vector<std::string> ignored;
    if (!sameRaw(rawOf(st, ignored), raw)) {
        addX(c, kScheduleProperty, scheduleText(raw));
    }
    return c;
}

// ---- Reading

// A time of the file as a local day and second: floating times are local already, times in
// UTC or a zone are converted (and noted).
struct LocalPoint {
    DayNumber day = kNoDate;
    int second = kNoSecond;
};

std::optional<LocalPoint> localPointOf(icaltimetype t, icalproperty* property,
                                       std::vector<std::string>& losses, bool& zoneNoted) {
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) {
        return std::nullopt;
    }
    if (t.is_date) {
        if (!isValidCivilDate(t.year, t.month, t.day) || t.year < kFirstCivilYear ||
            t.year > kLastCivilYear) {
            return std::nullopt;
        }
        return LocalPoint{dayNumberFromCivil({t.year, t.month, t.day}), kNoSecond};
    }
    const char* tzid = nullptr;
    if (property) {
        if (icalparameter* p = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
            tzid = icalparameter_get_tzid(p);
        }
    }
    if (t.zone == nullptr && !icaltime_is_utc(t)) {
        if (tzid && !zoneNoted) {
            losses.push_back(std::string("the time zone ") + tzid +
                             " is not described in the file: its times were taken as local");
            zoneNoted = true;
        }
        const auto stamp = localStamp(t.year, t.month, t.day, t.hour, t.minute, t.second);
        if (!stamp) {
            return std::nullopt;
        }
        return LocalPoint{dayNumberOf(*stamp), secondsOf(*stamp)};
    }
    if (t.year < kFirstCivilYear || t.year > kLastCivilYear) {
        return std::nullopt;
    }
    const auto seconds =
        icaltime_as_timet_with_zone(t, t.zone ? t.zone : icaltimezone_get_utc_timezone());
    const auto local = localOfUtcSeconds(std::int64_t(seconds));
    if (!local) {
        return std::nullopt;
    }
    if (!zoneNoted) {
        losses.push_back(std::string("its times in ") + (tzid ? tzid : "UTC") +
                         " were converted to local time");
        zoneNoted = true;
    }
    return LocalPoint{dayNumberOf(*local), secondsOf(*local)};
}

int freqOf(icalrecurrencetype_frequency freq) {
    switch (freq) {
    case ICAL_DAILY_RECURRENCE:
        return kRepeatDaily;
    case ICAL_WEEKLY_RECURRENCE:
        return kRepeatWeekly;
    case ICAL_MONTHLY_RECURRENCE:
        return kRepeatMonthly;
    case ICAL_YEARLY_RECURRENCE:
        return kRepeatYearly;
    default:
        return 0;
    }
}

int listSize(const short* list, int size) {
    int n = 0;
    while (n < size && list[n] != ICAL_RECURRENCE_ARRAY_MAX) {
        ++n;
    }
    return n;
}

// The frequency of the first RRULE, with every part our repeat rates cannot say noted.
int frequencyOf(icalcomponent* c, DayNumber start, std::vector<std::string>& losses) {
    icalproperty* property = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY);
    int freq = 0;
    if (property) {
        const icalrecurrencetype rule = icalproperty_get_rrule(property);
        freq = freqOf(rule.freq);
        icalrecurrencetype copy = rule;
        const char* ruleText = icalrecurrencetype_as_string(&copy);
        const std::string text = ruleText ? ruleText : "";
        const auto cannot = [&](const std::string& what, const char* kept) {
            losses.push_back("its recurrence " + text + " cannot be expressed (" + what +
                             "): " + kept);
        };
        if (freq == 0) {
            cannot("more often than daily", "it does not repeat here");
        } else {
            const char* kept = "it repeats at the plain rate, without end";
            if (rule.interval > 1) {
                cannot("INTERVAL", kept);
            }
            if (rule.count > 0) {
                cannot("COUNT", kept);
            }
            if (!icaltime_is_null_time(rule.until)) {
                cannot("UNTIL", kept);
            }
            const CivilDate date = civilFromDayNumber(start);
            const int days = listSize(rule.by_day, ICAL_BY_DAY_SIZE);
            const bool dayIsStart =
                days == 1 && icalrecurrencetype_day_position(rule.by_day[0]) == 0 &&
                int(icalrecurrencetype_day_day_of_week(rule.by_day[0])) - 1 == dayOfWeek(start);
            if (days > 0 && !(freq == kRepeatWeekly && dayIsStart)) {
                cannot("BYDAY", kept);
            }
            const int monthDays = listSize(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE);
            if (monthDays > 0 &&
                !(monthDays == 1 && rule.by_month_day[0] == date.day && freq >= kRepeatMonthly)) {
                cannot("BYMONTHDAY", kept);
            }
            const int months = listSize(rule.by_month, ICAL_BY_MONTH_SIZE);
            if (months > 0 &&
                !(months == 1 && rule.by_month[0] == date.month && freq == kRepeatYearly)) {
                cannot("BYMONTH", kept);
            }
            if (listSize(rule.by_year_day, ICAL_BY_YEARDAY_SIZE) > 0 ||
                listSize(rule.by_week_no, ICAL_BY_WEEKNO_SIZE) > 0 ||
                listSize(rule.by_set_pos, ICAL_BY_SETPOS_SIZE) > 0 ||
                listSize(rule.by_hour, ICAL_BY_HOUR_SIZE) > 0 ||
                listSize(rule.by_minute, ICAL_BY_MINUTE_SIZE) > 0 ||
                listSize(rule.by_second, ICAL_BY_SECOND_SIZE) > 0) {
                cannot("BYYEARDAY, BYWEEKNO, BYSETPOS or a time part", kept);
            }
        }
        if (icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY)) {
            losses.push_back("its second recurrence rule was left out");
        }
    }
    if (icalcomponent_get_first_property(c, ICAL_EXDATE_PROPERTY)) {
        losses.push_back("the dates it skips (EXDATE) were left out: it shows on them too");
    }
    if (icalcomponent_get_first_property(c, ICAL_RDATE_PROPERTY)) {
        losses.push_back("its extra dates (RDATE) were left out");
    }
    if (icalcomponent_get_first_property(c, ICAL_EXRULE_PROPERTY)) {
        losses.push_back("its exception rule (EXRULE) was left out");
    }
    return freq;
}

std::string firstText(icalcomponent* c, icalproperty_kind kind) {
    icalproperty* property = icalcomponent_get_first_property(c, kind);
    if (!property) {
        return {};
    }
    const char* text = icalproperty_get_value_as_string(property);
    return text ? text : "";
}

std::string xValue(icalcomponent* c, const char* name) {
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        const char* x = icalproperty_get_x_name(p);
        if (x && strcasecmp(x, name) == 0) {
            const char* value = icalproperty_get_x(p);
            return value ? value : "";
        }
    }
    return {};
}

std::optional<DateTime> stampOf(icalcomponent* c, icalproperty_kind kind) {
    icalproperty* property = icalcomponent_get_first_property(c, kind);
    if (!property) {
        return std::nullopt;
    }
    const icaltimetype t = icalvalue_get_datetime(icalproperty_get_value(property));
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) {
        return std::nullopt;
    }
    const char* text = icaltime_as_ical_string(t);
    return text ? parseStamp(text) : std::nullopt;
}

// The end of an unfinished event or to-do, if the text stops inside one: the text up to where
// it began, with the outer components closed, so that no half entry is read.
std::string wholeComponents(std::string_view text, bool& cut) {
    std::vector<std::pair<std::string, std::size_t>> open;
    std::size_t at = 0;
    cut = false;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line = text.substr(at, next - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ' ||
                                 line.back() == '\t')) {
            line.remove_suffix(1);
        }
        const auto upper = [](std::string_view s) {
            std::string u(s);
            for (char& ch : u) {
                ch = char(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
            }
            return u;
        };
        if (line.size() > 6 && upper(line.substr(0, 6)) == "BEGIN:") {
            open.emplace_back(upper(line.substr(6)), at);
        } else if (line.size() > 4 && upper(line.substr(0, 4)) == "END:" && !open.empty() &&
                   open.back().first == upper(line.substr(4))) {
            open.pop_back();
        }
        at = next;
    }
    if (open.empty()) {
        return std::string(text);
    }
    std::size_t keep = text.size();
    std::size_t outer = open.size();
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (open[i].first == "VEVENT" || open[i].first == "VTODO" || open[i].first == "VJOURNAL") {
            keep = open[i].second;
            outer = i;
            cut = true;
            break;
        }
    }
    std::string whole(text.substr(0, keep));
    if (!whole.empty() && whole.back() != '\n') {
        whole += "\r\n";
    }
    for (std::size_t i = outer; i-- > 0;) {
        whole += "END:" + open[i].first + "\r\n";
    }
    return whole;
}

void readComponent(icalcomponent* c, EntriesRead& read) {
    const icalcomponent_kind kind = icalcomponent_isa(c);
    const char* uidText = icalcomponent_get_uid(c);
    const std::string uid = uidText ? std::string(uidText).substr(0, 4096) : std::string();
    const char* summaryText = icalcomponent_get_summary(c);
    // Leading and trailing blanks do not survive libical's writing, so they are not taken in.
    std::string summary = summaryText ? summaryText : "";
    summary.erase(0, summary.find_first_not_of(" \t"));
    const std::string noteName = summary.substr(0, 60);
    const auto skip = [&](const std::string& reason) {
        read.notes.skipped.push_back({uid, noteName, reason});
    };
    if (kind == ICAL_VJOURNAL_COMPONENT) {
        skip("a journal entry has no place here");
        return;
    }
    if (icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY)) {
        skip("a changed occurrence of a repeating entry: the series is kept as it was");
        return;
    }
    std::vector<std::string> losses;
    bool zoneNoted = false;
    Standard st;
    if (kind == ICAL_VTODO_COMPONENT) {
        st.todo = true;
        if (icalcomponent_get_first_property(c, ICAL_DUE_PROPERTY) ||
            icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY)) {
            losses.push_back("its start and due dates were left out: a to-do here has no date");
        }
    } else {
        icalproperty* startProperty = icalcomponent_get_first_property(c, ICAL_DTSTART_PROPERTY);
        const auto start = startProperty ? localPointOf(icalcomponent_get_dtstart(c), startProperty,
                                                        losses, zoneNoted)
                                         : std::nullopt;
        if (!start) {
            skip("it has no start date that can be read");
            return;
        }
        st.startDay = start->day;
        st.startSecond = start->second;
        icalproperty* endProperty = icalcomponent_get_first_property(c, ICAL_DTEND_PROPERTY);
        if (endProperty || icalcomponent_get_first_property(c, ICAL_DURATION_PROPERTY)) {
            if (const auto end =
                    localPointOf(icalcomponent_get_dtend(c), endProperty, losses, zoneNoted)) {
                if (st.startSecond == kNoSecond) {
                    st.endDay = end->day;
                } else if (end->second != kNoSecond &&
                           (end->day > st.startDay ||
                            (end->day == st.startDay && end->second >= st.startSecond))) {
                    st.endDay = end->day;
                    st.endSecond = end->second;
                }
            }
        }
        st.freq = frequencyOf(c, st.startDay, losses);
        int alarms = 0;
        for (icalcomponent* alarm = icalcomponent_get_first_component(c, ICAL_VALARM_COMPONENT);
             alarm; alarm = icalcomponent_get_next_component(c, ICAL_VALARM_COMPONENT)) {
            icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
            if (!trigger) {
                continue;
            }
            if (++alarms > 1) {
                losses.push_back("its alarms after the first were left out");
                break;
            }
            const icaltriggertype t = icalproperty_get_trigger(trigger);
            const int base = std::max(st.startSecond, 0);
            if (!icaltime_is_null_time(t.time)) {
                bool ignored = true;
                const auto at = localPointOf(t.time, trigger, losses, ignored);
                if (at && at->day == st.startDay && at->second != kNoSecond) {
                    st.hasAlarm = true;
                    st.alarmOffset = at->second - base;
                } else {
                    losses.push_back("its alarm is not on the entry's day: the alarm was left out");
                }
                continue;
            }
            long long offset = icaldurationtype_as_int(t.duration);
            icalparameter* related =
                icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
            if (related && icalparameter_get_related(related) == ICAL_RELATED_END) {
                const long long end = st.endDay == kNoDate
                                          ? 0
                                          : (long long)(st.endDay - st.startDay) * 86400 +
                                                (st.endSecond == kNoSecond ? 0 : st.endSecond) -
                                                base;
                offset += end;
            }
            if (offset < -86400 * 2 || offset > 86400 * 2) {
                losses.push_back("its alarm is not on the entry's day: the alarm was left out");
                continue;
            }
            st.hasAlarm = true;
            st.alarmOffset = int(offset);
        }
    }
    if (summary.empty()) {
        skip("it has no summary");
        return;
    }
    RawSchedule raw = rawOf(st, losses);
    if (const std::string saved = xValue(c, kScheduleProperty); !saved.empty()) {
        if (const auto ours = parseSchedule(saved); ours && standardOf(*ours) == st) {
            raw = *ours;
            losses.clear();
        }
    }
    ReadEntry item;
    item.uid = uid;
    EntryInput input;
    input.comment = fieldText(summary, kCommentWidth, true, "summary", losses);
    input.comment.erase(0, input.comment.find_first_not_of(' '));
    // Nor do trailing ones.
    input.comment.erase(input.comment.find_last_not_of(' ') + 1);
    // A shorter path would name another file, or none: a link is taken whole or not at all.
    if (icalproperty* attach = icalcomponent_get_first_property(c, ICAL_ATTACH_PROPERTY)) {
        icalattach* a = icalproperty_get_attach(attach);
        if (a && icalattach_get_is_url(a) && icalattach_get_url(a)) {
            std::vector<std::string> linkLosses;
            // A link is written as it stands unless it is a path, and libical drops the outer
            // blanks of what it reads: they are not taken in, before decoding or after.
            const std::string link = withoutOuterBlanks(
                fieldText(linkOfUrl(withoutOuterBlanks(icalattach_get_url(a), true)), 1000, false,
                          "attachment", linkLosses));
            if (link.size() > kFileLinkWidth) {
                losses.push_back("its attachment's address is longer than " +
                                 std::to_string(kFileLinkWidth) + " characters and was left out");
            } else {
                input.fileLink = link;
                losses.insert(losses.end(), linkLosses.begin(), linkLosses.end());
            }
        } else {
            losses.push_back("an attachment held in the file itself was left out");
        }
        if (icalcomponent_get_next_property(c, ICAL_ATTACH_PROPERTY)) {
            losses.push_back("its attachments after the first were left out");
        }
    }
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_CATEGORIES_PROPERTY)) {
        // The parser has already split the list at its commas, one category a property; a
        // comma left in a name was escaped in the file and belongs to it.
        const char* value = icalproperty_get_categories(p);
        const std::string name = value ? value : "";
        if (name.empty()) {
            continue;
        }
        if (item.category.empty()) {
            item.category = name;
        } else {
            losses.push_back("the category " + name + " was left out");
        }
    }
    item.contactUid = xValue(c, kContactProperty);
    input.dateFrom = raw.dateFrom;
    input.dateTo = raw.dateTo;
    input.repeat = raw.repeat;
    class NoClock final : public Clock {
    public:
        DateTime now() const override { return 0; }
        std::int64_t unixSeconds() const override { return 0; }
    } noClock;
    EntryBuild build = BuildEntry(input, noClock);
    if (build.problem) {
        skip(build.problem->message);
        return;
    }
    CalendarEntry& entry = build.entry;
    entry.dateFrom = raw.dateFrom;
    entry.timeFrom = raw.timeFrom;
    entry.timeTo = raw.timeTo;
    entry.alarm = raw.alarm;
    entry.flag = raw.flag;
    const RecordIdentity identity = identityFromUid(
        uid.empty() ? "event:" + summary + ";" + firstText(c, ICAL_DTSTART_PROPERTY) : uid);
    entry.created = identity.created;
    entry.originUid = identity.originUid;
    std::optional<DateTime> updated = stampOf(c, ICAL_LASTMODIFIED_PROPERTY);
    if (!updated) {
        updated = stampOf(c, ICAL_DTSTAMP_PROPERTY);
    }
    if (!updated) {
        updated = stampOf(c, ICAL_CREATED_PROPERTY);
    }
    entry.updated = updated.value_or(double(kFirstCivilDay));
    item.entry = std::move(entry);
    for (const std::string& loss : losses) {
        read.notes.lossy.push_back({uid, noteName, loss});
    }
    read.entries.push_back(std::move(item));
}

void readAll(icalcomponent* root, EntriesRead& read) {
    const icalcomponent_kind kind = icalcomponent_isa(root);
    if (kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT ||
        kind == ICAL_VJOURNAL_COMPONENT) {
        readComponent(root, read);
        return;
    }
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_XROOT_COMPONENT) {
        return;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT)) {
        readAll(c, read);
    }
}

void quietErrors() {
    icalerror_set_errors_are_fatal(0);
}

} // namespace

std::string entriesToICalendar(const std::vector<CalendarEntry>& entries,
                               const EntryReferences& references) {
    quietErrors();
    ComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Trevik Diary//EN"));
    for (const CalendarEntry& entry : entries) {
        icalcomponent_add_component(calendar.get(), componentOf(entry, references));
    }
    char* text = icalcomponent_as_ical_string_r(calendar.get());
    std::string result = text ? text : "";
    icalmemory_free_buffer(text);
    return replacedAll(std::move(result), kCommaMark, "\\,");
}

EntriesRead entriesFromICalendar(std::string_view text) {
    quietErrors();
    EntriesRead read;
    bool cut = false;
    const std::string whole = wholeComponents(text.substr(0, text.find('\0')), cut);
    ComponentPtr root(icalparser_parse_string(whole.c_str()));
    if (root) {
        readAll(root.get(), read);
    }
    if (cut) {
        read.notes.skipped.push_back({{}, {}, "the file ends inside an entry"});
    }
    return read;
}

} // namespace trevik
