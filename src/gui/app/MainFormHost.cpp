// What the window does for the panes, dialogs and desk tools that sit in it.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "platform/DataFilesWatcher.h"

#include <QLineEdit>
#include <QMenu>

ViewState& TMainForm::viewState() {
    return view_;
}

QWidget* TMainForm::dialogParent() {
    return this;
}

DataFilesWatcher& TMainForm::dataFiles() {
    return *dataFiles_;
}

std::int32_t TMainForm::installationUid() const {
    return installationUid_;
}

QString TMainForm::findText() const {
    return FindEdit->text();
}

void TMainForm::focusFind() {
    FindEdit->setFocus();
}

void TMainForm::startFind(const QString& text) {
    FindEdit->setText(text);
    FindEdit->setFocus();
    FindEdit->setCursorPosition(int(text.size()));
}

void TMainForm::refresh(Change what) {
    if (has(what, Change::Calendar)) {
        rebuildCalendar();
        if (has(what, Change::CalendarFind)) {
            findInCalendar();
        }
    }
    if (has(what, Change::Contacts)) {
        FindEditChange();
    }
}

void TMainForm::rebuildCalendar() {
    calendarPane->Rebuild();
    LayoutPanes();
    calendarPane->ShowTopRow();
}

void TMainForm::selectContact(std::int32_t id) {
    addressPane->SelectContact(id);
}

void TMainForm::showContextMenu(Pane pane, const QPoint& globalPos) {
    SetUpContextMenu(pane);
    bringToFront();
    RightContext->popup(globalPos);
}

void TMainForm::layOut() {
    LayoutPanes();
}

void TMainForm::bringToFront() {
    raise();
    activateWindow();
}
