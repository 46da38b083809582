#pragma once

#include "common/DateTime.h"
#include "settings/Settings.h"

#include <cstdint>

enum class FindMatch { NoMatch = 1, Match = 2 };
enum class Pane { Address, Calendar };

struct FindState {
    FindMatch address = FindMatch::NoMatch;
    FindMatch calendar = FindMatch::NoMatch;
};

// What the window shows and how, owned by the window and read and set by the panes and the
// dialogs that work on them.
struct ViewState {
    // The pane the window's commands act on: the one last clicked or focused.
    Pane activePane = Pane::Calendar;
    FindState findState;
    std::int32_t sortColumn = 0;
    std::int32_t calendarViewCode = trevik::kDayView;
    trevik::DayNumber calendarDate = 0;
    // The grid row (one-based) the calendar's view shows first.
    std::int32_t calendarTopRow = 1;
    bool toolbarVisible = true;
    bool buttonBarVisible = true;
    trevik::DisplaySettings display;
};
