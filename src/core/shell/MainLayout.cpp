#include "shell/MainLayout.h"

namespace trevik {

namespace {

// How much wider the grid grows while its rows do not fit its height.
constexpr int kWidening = 15;

int paneHeightAllowance(const WindowMetrics& metrics) {
    if (metrics.toolbarVisible && metrics.buttonBarVisible) {
        return 140;
    }
    if (metrics.buttonBarVisible) {
        return 110;
    }
    if (metrics.toolbarVisible) {
        return 100;
    }
    return 70;
}

// The grid is wider by kWidening exactly while its rows do not fit its height.
void widenWhileRowsDoNotFit(MainLayout& layout, const WindowMetrics& metrics) {
    const bool rowsFit = layout.calendarView.height >= metrics.gridRowsHeight;
    if (!rowsFit && !layout.calendarWidened) {
        layout.calendarView.width += kWidening;
        layout.calendarWidened = true;
    } else if (rowsFit && layout.calendarWidened) {
        layout.calendarView.width -= kWidening;
        layout.calendarWidened = false;
    }
}

} // namespace

void LayoutAddressButtons(MainLayout& layout) {
    layout.adrButtonBarWidth = layout.addressView.width;
    const int w = (layout.addressView.width - 20) / 5;
    for (int i = 0; i < 5; ++i) {
        layout.addressButtons[std::size_t(i)].left = i * w + 2 * (i + 1);
        layout.addressButtons[std::size_t(i)].width = w;
    }
}

void LayoutCalendarButtons(MainLayout& layout) {
    // The widened grid reaches past the window's edge; its buttons stay inside.
    const int width = layout.calendarView.width - (layout.calendarWidened ? kWidening : 0);
    layout.calButtonBarLeft = layout.calendarView.left;
    layout.calButtonBarWidth = width;
    const int w = (width - 64) / 4; // C++ division rounds toward zero
    for (int i = 0; i < 4; ++i) {
        layout.calendarButtons[std::size_t(i)].left = i * w + 3 + 2 * i;
        layout.calendarButtons[std::size_t(i)].width = w;
    }
    layout.navigationVisible = width > 50;
    layout.navigationButtons[0].left = 4 * w + 11;
    layout.navigationButtons[0].width = 15;
    layout.navigationButtons[1].left = 4 * w + 27;
    layout.navigationButtons[1].width = 14;
    layout.navigationButtons[2].left = 4 * w + 42;
    layout.navigationButtons[2].width = 15;
}

void LayoutPanes(MainLayout& layout, const WindowMetrics& metrics) {
    const int height = metrics.clientHeight - paneHeightAllowance(metrics);
    layout.addressView.height = height;
    layout.calendarView.height = height;
    widenWhileRowsDoNotFit(layout, metrics);
    layout.buttonBarWidth = metrics.windowWidth;
    LayoutAddressButtons(layout);
    LayoutCalendarButtons(layout);
    layout.addressFull.left = layout.addressView.left;
    layout.addressFull.top = layout.addressView.top;
    layout.addressFull.height = layout.addressView.height;
}

void FormResize(MainLayout& layout, const WindowMetrics& metrics) {
    LayoutPanes(layout, metrics);
    layout.buttonBarTop = metrics.clientHeight - 65;
    layout.addressView.width =
        (metrics.clientWidth - layout.addressView.left) * metrics.addressRatio / 100;
    layout.calendarView.left = layout.addressView.left + layout.addressView.width;
    layout.calendarView.width = metrics.clientWidth - layout.calendarView.left;
    layout.findBarWidth = layout.calendarView.left + layout.calendarView.width;
    // The width just made is the plain one: widened again only if the rows still do not fit.
    layout.calendarWidened = false;
    widenWhileRowsDoNotFit(layout, metrics);
    if (layout.findBarWidth <= kMinimumFindBarWidth) {
        layout.findBarWidth = kMinimumFindBarWidth;
    } else {
        layout.mainCloseLeft = layout.findBarWidth - 85;
        layout.wwwLeft = layout.mainCloseLeft - 80;
    }
    LayoutAddressButtons(layout);
    LayoutCalendarButtons(layout);
    layout.addressFull.width = layout.addressView.width;
}

void applyToolbarVisibility(MainLayout& layout, const WindowMetrics& metrics) {
    const int shift = metrics.toolbarVisible ? 30 : -30;
    layout.findBarTop = metrics.toolbarVisible ? 40 : 10;
    layout.addressView.top += shift;
    layout.calendarView.top += shift;
    LayoutPanes(layout, metrics);
}

} // namespace trevik
