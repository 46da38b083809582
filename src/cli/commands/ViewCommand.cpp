#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "TabSeparated.h"
#include "ViewSettings.h"
#include "calendar/CalendarView.h"
#include "common/Cp1252.h"

#include <map>

namespace trevik::cli {

namespace {

const std::map<std::string, std::int32_t> kViews = {
    {"day", kDayView},   {"week", kWeekView}, {"month", kMonthView},
    {"year", kYearView}, {"todo", kToDoView}, {"anniversaries", kAnniversaryView}};

// One stored text as a field, escaped where it must be and in UTF-8.
void appendField(std::string& line, const std::string& stored) {
    if (isPlainTsvField(stored)) {
        appendCp1252AsUtf8(line, stored);
    } else {
        appendCp1252AsUtf8(line, tsvField(stored));
    }
}

// The rows as calendarLine writes them, each text escaped: built straight into one buffer
// that goes out in large writes, as a year can hold 150,000 rows.
void printTsv(std::ostream& out, const CalendarRowList& rows) {
    constexpr std::size_t kChunk = 1 << 16;
    std::string buffer;
    buffer.reserve(kChunk + 512);
    for (const CalendarRow& row : rows.rows()) {
        if (row.isDayHeader) {
            buffer += "\t\t";
            appendField(buffer, row.dayText);
            buffer += "\t\n";
        } else {
            appendField(buffer, row.timeText);
            buffer += '\t';
            appendField(buffer, row.typeName);
            buffer += '\t';
            appendField(buffer, row.comment);
            buffer += '\t';
            buffer += row.fileMark;
            buffer += '\t';
            buffer += row.addressMark;
            buffer += '\n';
        }
        if (buffer.size() >= kChunk) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), std::streamsize(buffer.size()));
}

void printJson(std::ostream& out, const CalendarRowList& rows) {
    JsonList list(out);
    for (const CalendarRow& row : rows.rows()) {
        list.beginObject();
        if (row.isDayHeader) {
            list.text("row", "day");
            list.text("text", row.dayText);
        } else {
            list.text("row", "entry");
            list.number("id", row.recordId);
            list.text("time", row.timeText);
            list.text("type", row.typeName);
            list.text("comment", row.comment);
            list.text("fileLink", row.fileLink);
            list.idOrNull("contactId", row.addressId);
        }
        list.endObject();
    }
    list.finish();
}

class ViewCommand final : public Command {
public:
    const char* name() const override { return "view"; }
    const char* usage() const override {
        return "view day|week|month|year|todo|anniversaries [DATE] [--format tsv|json]";
    }
    const char* summary() const override {
        return "the calendar rows the view shows for DATE (default today), one calendar line "
               "each";
    }
    const char* details() const override {
        return "Rows in the window's order: a day header, then the entries shown on that day.\n"
               "TSV fields of a day header: empty, empty, the day, empty. Of an entry: time,\n"
               "type, comment, F when it links a file, A when it links a contact (else a blank).\n"
               "JSON fields: row (\"day\" or \"entry\"); a day has text (the day header); an "
               "entry\n"
               "has id (number), time, type, comment, fileLink (strings) and contactId (number,\n"
               "null without a link).\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(1, 2);
        const auto view = kViews.find(args.positional()[0]);
        if (view == kViews.end()) {
            throw UsageError("unknown view '" + args.positional()[0] + "'");
        }
        const OutputFormat format = outputFormat(args);
        ViewContext viewContext = viewContextFromSettings(context);
        viewContext.viewCode = view->second;
        const DayNumber date =
            args.positional().size() > 1 ? parseIsoDate(args.positional()[1]) : viewContext.today;
        CalendarRowList rows;
        // No grid to fit: a height that holds every row.
        BuildCalendarView(rows, context.dataDir, date, viewContext, 1 << 30, context.locale);
        if (format == OutputFormat::Json) {
            printJson(context.out, rows);
        } else {
            printTsv(context.out, rows);
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makeViewCommand() {
    return std::make_unique<ViewCommand>();
}

} // namespace trevik::cli
