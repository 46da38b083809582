// How the main window places its bars and panes as it and its bars change size.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QToolBar>

using namespace trevik;

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
    WWW->setGeometry(layout_.wwwLeft, 8, 92, 31);
    MainClose->setGeometry(layout_.mainCloseLeft, 8, 92, 31);
    ButtonBar->setGeometry(0, layout_.buttonBarTop, layout_.buttonBarWidth, kButtonBarHeight);
    addressPane->applyLayout(layout_);
    calendarPane->applyLayout(layout_, Client->width());
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
    ApplyToolbarVisibility(layout_, metrics());
    applyLayout();
}

void TMainForm::MainButtonBarClick() {
    view_.buttonBarVisible = !view_.buttonBarVisible;
    action("MainButtonBar")->setChecked(view_.buttonBarVisible);
    ButtonBar->setVisible(view_.buttonBarVisible);
    LayoutPanes();
}
