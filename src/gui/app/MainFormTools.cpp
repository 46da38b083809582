// The desk tools as the main window reaches them: their windows, made hidden at start, the
// status bar panels and tray captions they feed, and the notes pad.
#include "app/MainForm.h"
#include "platform/Services.h"
#include "tools/NotesForm.h"
#include "tools/StopwatchForm.h"
#include "tools/TimerForm.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace {

const QString kTimerOff = QStringLiteral("Timer off");
const QString kStopwatchOff = QStringLiteral("Stopwatch off");

// Hidden and shown again, so that a running tool stays on screen.
void showAgain(QWidget* form) {
    form->hide();
    form->show();
}

} // namespace

void TMainForm::createDeskTools() {
    // Windows of their own, without the main window as parent: hiding the main window in the
    // tray leaves them where they are.
    TimerForm = new TTimerForm(services_, [this] { return view_.display.alarmRepeat; });
    StopwatchForm = new TStopwatchForm(services_);
    connect(TimerForm, &TTimerForm::statusPanelChanged, statusPanels[3], &QLabel::setText);
    connect(StopwatchForm, &TStopwatchForm::statusPanelChanged, statusPanels[4], &QLabel::setText);
    connect(TrayMenu, &QMenu::aboutToShow, this, &TMainForm::SetTrayToolCaptions);
}

void TMainForm::destroyDeskTools() {
    delete TimerForm;
    TimerForm = nullptr;
    delete StopwatchForm;
    StopwatchForm = nullptr;
}

void TMainForm::MainTimerClick() {
    TimerForm->Open();
}

void TMainForm::MainStopwatchClick() {
    StopwatchForm->Open();
}

void TMainForm::MainNotesClick() {
    runNotesPad(services_.messages, services_.clipboard, services_.dataDir, this);
}

void TMainForm::SetTrayToolCaptions() {
    const QString stopwatch = StopwatchForm->statusText();
    action("TrayStopwatch")->setText(stopwatch.isEmpty() ? QStringLiteral("Stopwatch") : stopwatch);
    const QString timer = TimerForm->statusText();
    action("TrayTimer")->setText(timer.isEmpty() ? QStringLiteral("Timer") : timer);
}

void TMainForm::keepRunningToolsOnScreen() {
    if (TimerForm != nullptr && statusPanels[3]->text() != kTimerOff && TimerForm->isVisible()) {
        showAgain(TimerForm);
    }
    if (StopwatchForm != nullptr && statusPanels[4]->text() != kStopwatchOff &&
        StopwatchForm->isVisible()) {
        showAgain(StopwatchForm);
    }
}
