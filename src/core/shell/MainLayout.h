#pragma once

#include <array>

namespace trevik {

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Box&, const Box&) = default;
};

// What the main window's layout depends on, in pixels.
struct WindowMetrics {
    int clientWidth = 0;
    int clientHeight = 0;
    int windowWidth = 0;
    int addressRatio = 60;
    bool toolbarVisible = true;
    bool buttonBarVisible = true;
    // (row count + fixed rows) x default row height of the calendar grid.
    int gridRowsHeight = 0;
};

// Where the main window's parts are. Buttons are placed inside their button bars; only
// their left and width change.
struct MainLayout {
    Box addressView{0, 92, 0, 0};
    Box calendarView{0, 92, 0, 0};
    Box addressFull{0, 92, 0, 0};
    int findBarTop = 41;
    int findBarWidth = 550;
    int wwwLeft = 650;
    int mainCloseLeft = 746;
    int buttonBarTop = 0;
    int buttonBarWidth = 0;
    int adrButtonBarWidth = 0;
    std::array<Box, 5> addressButtons{};
    int calButtonBarLeft = 0;
    int calButtonBarWidth = 0;
    std::array<Box, 4> calendarButtons{};
    bool navigationVisible = true;
    std::array<Box, 3> navigationButtons{};
    bool calendarWidened = false;
};

inline constexpr int kToolbarHeight = 39;
inline constexpr int kFindBarHeight = 48;
inline constexpr int kButtonBarHeight = 55;
inline constexpr int kMinimumFindBarWidth = 550;

// Runs at every size change of the window.
void FormResize(MainLayout& layout, const WindowMetrics& metrics);
// Gives both panes the height the bars leave and keeps room for the grid's scroll bar.
void LayoutPanes(MainLayout& layout, const WindowMetrics& metrics);
void LayoutAddressButtons(MainLayout& layout);
void LayoutCalendarButtons(MainLayout& layout);
// View > Toolbar: `metrics.toolbarVisible` is the new state.
void applyToolbarVisibility(MainLayout& layout, const WindowMetrics& metrics);

} // namespace trevik
