#include "shell/MainLayout.h"

namespace trevik {

namespace {

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
    layout.calButtonBarLeft = layout.calendarView.left;
    layout.calButtonBarWidth = layout.calendarView.width;
    const int w = (layout.calendarView.width - 64) / 4; // C++ division rounds toward zero
    for (int i = 0; i < 4; ++i) {
        layout.calendarButtons[std::size_t(i)].left = i * w + 3 + 2 * i;
        layout.calendarButtons[std::size_t(i)].width = w;
    }
    layout.navigationVisible = layout.calendarView.width > 50;
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
    const bool rowsFit = layout.calendarView.height >= metrics.gridRowsHeight;
    if (!rowsFit && !layout.calendarWidened) {
        layout.calendarView.width += 15;
        layout.calendarWidened = true;
    } else if (rowsFit && layout.calendarWidened) {
        layout.calendarView.width -= 15;
        layout.calendarWidened = false;
    }
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

void ApplyToolbarVisibility(MainLayout& layout, const WindowMetrics& metrics) {
    const int shift = metrics.toolbarVisible ? 30 : -30;
    layout.findBarTop = metrics.toolbarVisible ? 40 : 10;
    layout.addressView.top += shift;
    layout.calendarView.top += shift;
    LayoutPanes(layout, metrics);
}

} // namespace trevik
