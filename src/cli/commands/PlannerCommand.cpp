#include "Arguments.h"
#include "Command.h"
#include "Output.h"
#include "calendar/YearlyPlanner.h"

#include <cstdio>

namespace trevik::cli {

namespace {

class PlannerCommand final : public Command {
public:
    const char* name() const override { return "planner"; }
    const char* usage() const override { return "planner [YEAR]"; }
    const char* summary() const override {
        return "the yearly planner of YEAR (default this year): MM-DD, the marks and the period "
               "id of every marked day";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(0, 1);
        int year = civilFromDayNumber(today(context.clock)).year;
        if (!args.positional().empty()) {
            year = parseId(args.positional()[0], "a year");
            if (year < 1 || year > 9999) {
                throw UsageError("'" + args.positional()[0] + "' is not a year");
            }
        }
        for (const PlannerDay& day : BuildPlannerYear(context.dataDir, year)) {
            if (day.marks.empty()) {
                continue;
            }
            char date[8];
            std::snprintf(date, sizeof date, "%02d-%02d", day.month, day.day);
            context.out << date << '\t';
            print(context.out, day.marks);
            context.out << '\t' << day.periodId << '\n';
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakePlannerCommand() {
    return std::make_unique<PlannerCommand>();
}

} // namespace trevik::cli
