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
    hooks.refresh = [this] { refresh(Change::Calendar | Change::CalendarFind | Change::Contacts); };
    TUpdateForm form(services_, hooks, this);
    if (!exchangeFile.isEmpty()) {
        form.SetExchangeFile(exchangeFile);
    }
    form.exec();
}

void TMainForm::ReloadUpdatedSettings() {
    view_.display = LoadDisplaySettings(services_.settings);
    view_.calendarViewCode = view_.display.calendarViewCode;
    const WindowPosition position = LoadWindowPosition(services_.settings);
    move(position.left, position.top);
    resize(position.width, position.height);
    addressPane->ApplyAddressColumns();
    FormResize();
    calendarPane->SetUpCalendarPane();
    update();
}

void TMainForm::MainRecycleBinClick() {
    TRecycleBinForm form(
        services_, [this] { refresh(Change::Calendar | Change::CalendarFind | Change::Contacts); },
        this);
    if (form.Load()) {
        form.exec();
    }
}
