#include "Command.h"
#include "CommandFactories.h"
#include "JsonList.h"
#include "Output.h"
#include "OutputFormat.h"
#include "TabSeparated.h"
#include "calendar/YearlyPlanner.h"

#include <cstdio>

namespace trevik::cli {

namespace {

class PlannerCommand final : public Command {
public:
    const char* name() const override { return "planner"; }
    const char* usage() const override { return "planner [YEAR] [--format tsv|json]"; }
    const char* summary() const override {
        return "the yearly planner of YEAR (default this year): MM-DD, the marks and the period "
               "id of every marked day";
    }
    const char* details() const override {
        return "The marked days in date order; a mark is the first letter of a period's type\n"
               "name, or # for a period without a type, one per period that covers the day.\n"
               "TSV fields: MM-DD, marks, the id of the last period in file order.\n"
               "JSON fields: date (\"YYYY-MM-DD\"), marks (string), periodId (number).\n";
    }
    OptionNames options() const override { return {{kFormatOption}, {}}; }
    int run(const Arguments& args, CliContext& context) override {
        args.expectPositional(0, 1);
        const OutputFormat format = outputFormat(args);
        int year = civilFromDayNumber(today(context.clock)).year;
        if (!args.positional().empty()) {
            year = parseId(args.positional()[0], "a year");
            if (year < 1 || year > 9999) {
                throw UsageError("'" + args.positional()[0] + "' is not a year");
            }
        }
        const std::vector<PlannerDay> days = buildPlannerYear(context.dataDir, year);
        JsonList list(context.out);
        for (const PlannerDay& day : days) {
            if (day.marks.empty()) {
                continue;
            }
            char date[16];
            if (format == OutputFormat::Json) {
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, day.month, day.day);
                list.beginObject();
                list.text("date", date);
                list.text("marks", day.marks);
                list.number("periodId", day.periodId);
                list.endObject();
                continue;
            }
            std::snprintf(date, sizeof date, "%02d-%02d", day.month, day.day);
            context.out << date << '\t';
            print(context.out, tsvField(day.marks));
            context.out << '\t' << day.periodId << '\n';
        }
        if (format == OutputFormat::Json) {
            list.finish();
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> makePlannerCommand() {
    return std::make_unique<PlannerCommand>();
}

} // namespace trevik::cli
