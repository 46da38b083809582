#pragma once

#include "CliContext.h"
#include "calendar/OccursOn.h"
#include "settings/Settings.h"

namespace trevik::cli {

// The view rules the window would use: period mode, week start and view from the settings.
inline ViewContext viewContextFromSettings(const CliContext& context) {
    const DisplaySettings display = LoadDisplaySettings(context.settings);
    ViewContext view;
    view.viewCode = display.calendarViewCode;
    view.today = today(context.clock);
    view.datePeriodMode = display.datePeriodMode;
    view.weekStartsMonday = display.weekStartsMonday;
    return view;
}

} // namespace trevik::cli
