#include "editor/EntryBuild.h"

#include "editor/EditorValues.h"

namespace trevik {

EntryBuild BuildEntry(const EntryInput& input, const Clock& clock) {
    EntryBuild build;
    const auto fail = [&](EntryField field, std::string message) {
        build.problem = InputProblem{field, std::move(message)};
        return build;
    };
    if (input.comment.empty()) {
        return fail(EntryField::Comment, "Enter all data");
    }
    CalendarEntry& entry = build.entry;
    entry.id = input.id;
    entry.comment = input.comment;
    entry.dateFrom = input.dateFrom;
    entry.dateTo = input.dateTo;
    const struct {
        const std::string& text;
        double& time;
        EntryField field;
    } times[] = {{input.timeFrom, entry.timeFrom, EntryField::TimeFrom},
                 {input.timeTo, entry.timeTo, EntryField::TimeTo},
                 {input.alarm, entry.alarm, EntryField::Alarm}};
    for (const auto& time : times) {
        if (time.text.empty()) {
            time.time = kNoTime;
            continue;
        }
        const std::optional<double> parsed = parseTimeText(time.text);
        if (!parsed) {
            return fail(time.field, "'" + time.text + "' is not a valid time");
        }
        time.time = *parsed;
    }
    // A shorter path would name another file, or none: a link is stored whole or not at all.
    if (input.fileLink.size() > kFileLinkWidth) {
        return fail(EntryField::FileLink, "The file link is too long: a file link holds at most " +
                                              std::to_string(kFileLinkWidth) + " characters.");
    }
    entry.fileLink = input.fileLink;
    entry.type = input.type;
    entry.repeat = input.repeat;
    entry.addressLink = input.addressLink;
    if (entry.dateFrom == kNoDate) {
        entry.dateFrom = defaultDateFrom(
            entry.timeFrom != kNoTime,
            entry.alarm != kNoTime ? std::optional<double>(entry.alarm) : std::nullopt, clock);
    }
    return build;
}

std::optional<std::string> contactProblem(const Contact& contact) {
    if (contact.name.empty()) {
        return "Enter all data";
    }
    for (const ContactTextField& field : kContactTexts) {
        if ((contact.*field.member).size() > field.width) {
            return std::string("The ") + field.caption + " text holds at most " +
                   std::to_string(field.width) + " characters.";
        }
    }
    return std::nullopt;
}

} // namespace trevik
