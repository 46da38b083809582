// How the main window places its bars and panes as it and its bars change size.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>

using namespace trevik;

namespace {

constexpr int kFindBarButtonWidth = 92;
constexpr int kFindBarGap = 4;

} // namespace

WindowMetrics TMainForm::metrics() const {
    WindowMetrics m;
    m.clientWidth = Client->width();
    m.clientHeight = Client->height();
    m.windowWidth = width();
    m.addressRatio = view_.display.addressRatio;
    m.toolbarVisible = view_.toolbarVisible;
    m.buttonBarVisible = view_.buttonBarVisible;
    m.gridRowsHeight = calendarPane->rowsHeight();
    return m;
}

void TMainForm::applyLayout() {
    ToolBar1->setGeometry(0, 0, Client->width(), kToolbarHeight);
    FindBar->setGeometry(0, layout_.findBarTop, layout_.findBarWidth, kFindBarHeight);
    placeFindBarButtons();
    ButtonBar->setGeometry(0, layout_.buttonBarTop, layout_.buttonBarWidth, kButtonBarHeight);
    addressPane->applyLayout(layout_);
    calendarPane->applyLayout(layout_, Client->width());
}

int TMainForm::findBarButtonWidth() const {
    return std::max({kFindBarButtonWidth, WWW->sizeHint().width(), MainClose->sizeHint().width()});
}

void TMainForm::placeFindBarButtons() {
    // The stored places let Close reach past the window and WWW cover Close: both keep them
    // where they fit, and otherwise move left until each is whole and inside the window.
    const int width = findBarButtonWidth();
    const int edge = std::min(layout_.findBarWidth, Client->width());
    const int closeLeft = std::min(layout_.mainCloseLeft, edge - width - kFindBarGap);
    const int wwwLeft = std::min(layout_.wwwLeft, closeLeft - width - kFindBarGap);
    MainClose->setGeometry(closeLeft, 8, width, 31);
    WWW->setGeometry(wwwLeft, 8, width, 31);
}

void TMainForm::FormResize() {
    trevik::FormResize(layout_, metrics());
    applyLayout();
}

void TMainForm::LayoutPanes() {
    trevik::LayoutPanes(layout_, metrics());
    applyLayout();
}

void TMainForm::MainToolbarClick() {
    view_.toolbarVisible = !view_.toolbarVisible;
    action("MainToolbar")->setChecked(view_.toolbarVisible);
    ToolBar1->setVisible(view_.toolbarVisible);
    applyToolbarVisibility(layout_, metrics());
    applyLayout();
}

void TMainForm::MainButtonBarClick() {
    view_.buttonBarVisible = !view_.buttonBarVisible;
    action("MainButtonBar")->setChecked(view_.buttonBarVisible);
    ButtonBar->setVisible(view_.buttonBarVisible);
    LayoutPanes();
}
