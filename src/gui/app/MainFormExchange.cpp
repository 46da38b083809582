// The main window's exchange commands: the Update dialog, opened from the menu, the toolbar or
// a file named on the command line, and the recycle bin.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "exchange/RecycleBinForm.h"
#include "exchange/UpdateForm.h"
#include "platform/Services.h"

using namespace trevik;

void TMainForm::MainUpdateClick() {
    OpenUpdateDialog({});
}

void TMainForm::OpenUpdateDialog(const QString& exchangeFile) {
    UpdateWindowHooks hooks;
    hooks.reloadSettings = [this] { ReloadUpdatedSettings(); };
    hooks.refresh = [this] { FindEditChange(); };
    TUpdateForm form(services_, hooks, this);
    if (!exchangeFile.isEmpty()) {
        form.SetExchangeFile(exchangeFile);
    }
    form.exec();
}

void TMainForm::ReloadUpdatedSettings() {
    display = LoadDisplaySettings(services_.settings);
    calendarViewCode = display.calendarViewCode;
    const WindowPosition position = LoadWindowPosition(services_.settings);
    move(position.left, position.top);
    resize(position.width, position.height);
    update();
    addressPane->ApplyAddressColumns();
    calendarPane->SetUpCalendarPane();
}

void TMainForm::MainRecycleBinClick() {
    TRecycleBinForm form(
        services_,
        [this] {
            FindEditChange();
            RebuildCalendar();
        },
        this);
    if (form.Load()) {
        form.exec();
    }
}
