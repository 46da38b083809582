// The modal dialogs the main window opens from its menus and toolbar: the yearly planner and
// the options dialog.
#include "app/MainForm.h"
#include "options/OptionsForm.h"
#include "planner/YearlyForm.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "shell/ShellIntegration.h"

#include <QApplication>

using namespace trevik;

void TMainForm::MainCalPlannerClick() {
    TYearlyForm planner(services_, this);
    planner.exec();
    // A period deleted in the planner is gone from the calendar pane too.
    if (planner.deletedAny()) {
        refresh(Change::Calendar);
    }
}

void TMainForm::MainOptionsClick() {
    const TOptionsForm::RunAtLogon setRunAtLogon = [](bool on) {
        return SetRunAtLogon(userConfigHome(), QApplication::applicationFilePath().toStdString(),
                             on);
    };
    TOptionsForm options(services_, view_.display.addressRatio, setRunAtLogon, this);
    options.Prepare(view_.display);
    if (options.exec() == QDialog::Accepted) {
        view_.display = options.takeBack(view_.display);
        FormResize();
        refresh(Change::Calendar);
        std::string reason;
        if (!SaveDisplaySettings(services_.settings, view_.display, &reason)) {
            reportWriteError(services_.messages, this, reason);
        }
    } else if (options.dataChanged()) {
        // Closed with the close box: nothing is taken back, but entries and types changed.
        refresh(Change::Calendar);
    }
    options.closePlayer();
}
