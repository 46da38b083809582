#include "Arguments.h"
#include "Command.h"
#include "Output.h"
#include "ViewSettings.h"
#include "calendar/CalendarView.h"
#include "clipboard/ClipboardLines.h"

#include <map>

namespace trevik::cli {

namespace {

const std::map<std::string, std::int32_t> kViews = {
    {"day", kDayView},   {"week", kWeekView}, {"month", kMonthView},
    {"year", kYearView}, {"todo", kToDoView}, {"anniversaries", kAnniversaryView}};

class ViewCommand final : public Command {
public:
    const char* name() const override { return "view"; }
    const char* usage() const override {
        return "view day|week|month|year|todo|anniversaries [DATE]";
    }
    const char* summary() const override {
        return "the calendar rows the view shows for DATE (default today), one calendar line "
               "each";
    }
    int run(const std::vector<std::string>& words, CliContext& context) override {
        const Arguments args(words, {});
        args.expectPositional(1, 2);
        const auto view = kViews.find(args.positional()[0]);
        if (view == kViews.end()) {
            throw UsageError("unknown view '" + args.positional()[0] + "'");
        }
        ViewContext viewContext = ViewContextFromSettings(context);
        viewContext.viewCode = view->second;
        const DayNumber date =
            args.positional().size() > 1 ? parseIsoDate(args.positional()[1]) : viewContext.today;
        CalendarRowList rows;
        // No grid to fit: a height that holds every row.
        BuildCalendarView(rows, context.dataDir, date, viewContext, 1 << 30, context.locale);
        for (const CalendarRow& row : rows.rows()) {
            print(context.out, CalendarLine(row, "\n"));
        }
        return 0;
    }
};

} // namespace

std::unique_ptr<Command> MakeViewCommand() {
    return std::make_unique<ViewCommand>();
}

} // namespace trevik::cli
