#include "shell/MainLayout.h"

#include <gtest/gtest.h>

using namespace trevik;

namespace {

WindowMetrics metrics(int width, int height) {
    WindowMetrics m;
    m.clientWidth = width;
    m.clientHeight = height;
    m.windowWidth = width + 8;
    return m;
}

} // namespace

TEST(MainLayout, RatioSixtyAtWidthThousandSplitsTheClientArea) {
    MainLayout layout;
    FormResize(layout, metrics(1000, 600));
    EXPECT_EQ(layout.addressView, (Box{0, 92, 600, 460}));
    EXPECT_EQ(layout.calendarView, (Box{600, 92, 400, 460}));
    EXPECT_EQ(layout.addressFull, layout.addressView);
    EXPECT_EQ(layout.buttonBarTop, 535);
    EXPECT_EQ(layout.buttonBarWidth, 1008);
    EXPECT_EQ(layout.findBarWidth, 1000);
    EXPECT_EQ(layout.mainCloseLeft, 915);
    EXPECT_EQ(layout.wwwLeft, 835);
}

TEST(MainLayout, PaneButtonsShareTheirPanesWidth) {
    MainLayout layout;
    FormResize(layout, metrics(1000, 600));
    EXPECT_EQ(layout.adrButtonBarWidth, 600);
    const int w = 116; // (600 - 20) / 5
    const int addressLefts[] = {2, w + 4, 2 * w + 6, 3 * w + 8, 4 * w + 10};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(layout.addressButtons[i].left, addressLefts[i]);
        EXPECT_EQ(layout.addressButtons[i].width, w);
    }
    EXPECT_EQ(layout.calButtonBarLeft, 600);
    EXPECT_EQ(layout.calButtonBarWidth, 400);
    const int c = 84; // (400 - 64) / 4
    const int calendarLefts[] = {3, c + 5, 2 * c + 7, 3 * c + 9};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.calendarButtons[i].left, calendarLefts[i]);
        EXPECT_EQ(layout.calendarButtons[i].width, c);
    }
    EXPECT_TRUE(layout.navigationVisible);
    EXPECT_EQ(layout.navigationButtons[0], (Box{4 * c + 11, 0, 15, 0}));
    EXPECT_EQ(layout.navigationButtons[1], (Box{4 * c + 27, 0, 14, 0}));
    EXPECT_EQ(layout.navigationButtons[2], (Box{4 * c + 42, 0, 15, 0}));
}

TEST(MainLayout, PaneHeightFollowsTheBarsShown) {
    const struct {
        bool toolbar;
        bool buttonBar;
        int allowance;
    } cases[] = {{true, true, 140}, {false, true, 110}, {true, false, 100}, {false, false, 70}};
    for (const auto& c : cases) {
        MainLayout layout;
        WindowMetrics m = metrics(800, 500);
        m.toolbarVisible = c.toolbar;
        m.buttonBarVisible = c.buttonBar;
        LayoutPanes(layout, m);
        EXPECT_EQ(layout.addressView.height, 500 - c.allowance);
        EXPECT_EQ(layout.calendarView.height, 500 - c.allowance);
        EXPECT_EQ(layout.addressFull.height, 500 - c.allowance);
    }
}

TEST(MainLayout, HidingAndShowingTheToolbarMovesFindBarAndPanes) {
    MainLayout layout;
    WindowMetrics m = metrics(1000, 600);
    FormResize(layout, m);
    m.toolbarVisible = false;
    applyToolbarVisibility(layout, m);
    EXPECT_EQ(layout.findBarTop, 10);
    EXPECT_EQ(layout.addressView.top, 62);
    EXPECT_EQ(layout.calendarView.top, 62);
    EXPECT_EQ(layout.addressFull.top, 62);
    EXPECT_EQ(layout.addressView.height, 490);
    m.toolbarVisible = true;
    applyToolbarVisibility(layout, m);
    EXPECT_EQ(layout.findBarTop, 40);
    EXPECT_EQ(layout.addressView.top, 92);
    EXPECT_EQ(layout.addressView.height, 460);
}

TEST(MainLayout, ANarrowWindowKeepsA550PixelFindBarAndItsButtons) {
    MainLayout layout;
    FormResize(layout, metrics(500, 400));
    EXPECT_EQ(layout.findBarWidth, 550);
    EXPECT_EQ(layout.mainCloseLeft, 746);
    EXPECT_EQ(layout.wwwLeft, 650);
    FormResize(layout, metrics(550, 400));
    EXPECT_EQ(layout.findBarWidth, 550);
    EXPECT_EQ(layout.mainCloseLeft, 746);
    FormResize(layout, metrics(551, 400));
    EXPECT_EQ(layout.findBarWidth, 551);
    EXPECT_EQ(layout.mainCloseLeft, 466);
    EXPECT_EQ(layout.wwwLeft, 386);
}

TEST(MainLayout, AGridOfFiftyPixelsOrLessHidesItsNavigationButtons) {
    MainLayout layout;
    WindowMetrics m = metrics(125, 400);
    m.addressRatio = 60; // 75 for the list, 50 for the grid
    FormResize(layout, m);
    EXPECT_EQ(layout.calendarView.width, 50);
    EXPECT_FALSE(layout.navigationVisible);
    EXPECT_EQ(layout.calendarButtons[1].left, -3 + 5); // w = (50 - 64) / 4 = -3
    m.clientWidth = 128;
    FormResize(layout, m);
    EXPECT_EQ(layout.calendarView.width, 52);
    EXPECT_TRUE(layout.navigationVisible);
}

TEST(MainLayout, TheGridWidensOnceWhenItsRowsDoNotFit) {
    MainLayout layout;
    WindowMetrics m = metrics(1000, 600);
    FormResize(layout, m);
    m.gridRowsHeight = 17 * 40; // taller than the 460-pixel grid
    LayoutPanes(layout, m);
    EXPECT_TRUE(layout.calendarWidened);
    EXPECT_EQ(layout.calendarView.width, 415);
    LayoutPanes(layout, m);
    EXPECT_EQ(layout.calendarView.width, 415);
    m.gridRowsHeight = 17 * 5;
    LayoutPanes(layout, m);
    EXPECT_FALSE(layout.calendarWidened);
    EXPECT_EQ(layout.calendarView.width, 400);
}

TEST(MainLayout, OtherRatiosAndAnOffsetList) {
    MainLayout layout;
    WindowMetrics m = metrics(999, 600);
    m.addressRatio = 33;
    FormResize(layout, m);
    EXPECT_EQ(layout.addressView.width, 329); // 999 * 33 / 100, remainder dropped
    EXPECT_EQ(layout.calendarView.left, 329);
    EXPECT_EQ(layout.calendarView.width, 670);
}

TEST(MainLayout, AResizeKeepsTheWidenedStateTrueToTheGrid) {
    MainLayout layout;
    WindowMetrics m = metrics(1000, 600);
    m.gridRowsHeight = 17 * 40; // taller than the 460-pixel grid
    FormResize(layout, m);
    LayoutPanes(layout, m);
    ASSERT_TRUE(layout.calendarWidened);
    // Wider, rows still too tall: the new grid is widened again, not left at its plain width.
    m.clientWidth = 1010;
    m.windowWidth = 1010;
    FormResize(layout, m);
    EXPECT_TRUE(layout.calendarWidened);
    EXPECT_EQ(layout.calendarView.width, 404 + 15);
    // Taller, so the rows fit: the widening is gone and the grid ends at the window's edge.
    m.clientHeight = 900;
    FormResize(layout, m);
    EXPECT_FALSE(layout.calendarWidened);
    EXPECT_EQ(layout.calendarView.width, 404);
    LayoutPanes(layout, m);
    EXPECT_EQ(layout.calendarView.width, 404);
}

TEST(MainLayout, TheNavigationButtonsStayInsideTheWindowWhileTheGridIsWidened) {
    for (const int width : {710, 1000, 1920}) {
        MainLayout layout;
        WindowMetrics m = metrics(width, 600);
        FormResize(layout, m);
        m.gridRowsHeight = 17 * 40; // a rebuild made more rows than fit
        LayoutPanes(layout, m);
        ASSERT_TRUE(layout.calendarWidened);
        const Box& last = layout.navigationButtons[2];
        EXPECT_LE(layout.calButtonBarLeft + last.left + last.width, width) << width;
    }
}
