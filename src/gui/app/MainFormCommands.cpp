// The find bar and the commands the main window routes to the focused pane.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "editor/EditorSetup.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "shell/ShellLinks.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace trevik;

void TMainForm::FindEditChange() {
    refillAddresses();
    const bool calendarMatch = calendarPane->FindInCalendar(FindEdit->text());
    findState.calendar = calendarMatch ? FindMatch::Match : FindMatch::NoMatch;
    SetDefaultButton(calendarPane->CalEdit, calendarMatch);
    SetDefaultButton(calendarPane->CalNew, !calendarMatch);
    showFirstSelectedInFull();
    if (sortColumn >= 0) {
        addressPane->SortBy(sortColumn);
    }
}

void TMainForm::refillAddresses() {
    const bool addressMatch = addressPane->RefillAddressList(FindEdit->text());
    findState.address = addressMatch ? FindMatch::Match : FindMatch::NoMatch;
    SetDefaultButton(addressPane->AddrEdit, addressMatch);
    SetDefaultButton(addressPane->AddrNew, !addressMatch);
}

void TMainForm::showFirstSelectedInFull() {
    const int first = addressPane->firstSelectedRow();
    addressPane->ShowAddressFull(first >= 0 ? first : (addressPane->rowCount() > 0 ? 0 : -1));
}

void TMainForm::showChangedAddresses() {
    const AddressPane::ListPlace place = addressPane->place();
    refillAddresses();
    if (sortColumn >= 0) {
        addressPane->SortBy(sortColumn);
    }
    addressPane->restorePlace(place);
    showFirstSelectedInFull();
}

void TMainForm::showChangedCalendar() {
    calendarPane->rebuildInPlace();
}

void TMainForm::FindEditKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        FindEdit->clear();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OpenEditor(kEnterMode);
    }
    FindEdit->setFocus();
}

void TMainForm::MainOKClick() {
    OpenEditor(kFindBarMode);
}

void TMainForm::MainNewClick() {
    if (activePane == Pane::Address) {
        findState.address = FindMatch::NoMatch;
        OpenEditor(kNewContactMode);
    } else {
        findState.calendar = FindMatch::NoMatch;
        OpenEditor(kNewEntryMode);
    }
}

void TMainForm::MainEditClick() {
    if (activePane == Pane::Address) {
        findState.address = FindMatch::Match;
        OpenEditor(kEditContactMode);
    } else {
        findState.calendar = FindMatch::Match;
        OpenEditor(kEditEntryMode);
    }
}

void TMainForm::MainDeleteClick() {
    if (activePane == Pane::Address) {
        addressPane->AddrDeleteClick();
    } else {
        calendarPane->CalDeleteClick();
    }
}

void TMainForm::MainSelectAllClick() {
    if (activePane == Pane::Address) {
        addressPane->SelectAll();
    }
}

void TMainForm::MainEmailClick() {
    openContactLink(true);
}

void TMainForm::MainWWWClick() {
    openContactLink(false);
}

void TMainForm::openContactLink(bool email) {
    if (activePane != Pane::Address) {
        return;
    }
    const Contact* contact = addressPane->focusedContact();
    if (contact == nullptr) {
        services_.messages.show(this, QStringLiteral("No items selected"), QStringLiteral("Error"),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const std::string& text = email ? contact->email : contact->www;
    if (text.empty()) {
        return;
    }
    if (email) {
        const std::string address = mailAddress(text);
        if (address.empty()) {
            return;
        }
        QUrl mailto;
        mailto.setScheme(QStringLiteral("mailto"));
        mailto.setPath(fromStored(address), QUrl::DecodedMode);
        openLink(mailto, fromStored(address));
        return;
    }
    const std::string link = WebLink(text);
    const QString shown = fromStored(visibleLinkText(link));
    if (!isPlainWebLink(link) &&
        services_.messages.show(
            this,
            QStringLiteral("This web address is not an http, https or ftp link:\n\n%1\n\n"
                           "Open it anyway?")
                .arg(shown),
            QStringLiteral("Confirmation"), MessageButtons::OkCancel,
            MessageIcon::Warning) != MessageResult::Ok) {
        return;
    }
    openLink(QUrl(fromStored(link), QUrl::TolerantMode), shown);
}

bool TMainForm::openLink(const QUrl& url, const QString& shown) {
    if (services_.shell.open(url)) {
        return true;
    }
    services_.messages.show(this, QStringLiteral("The desktop could not open\n%1").arg(shown),
                            QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

void TMainForm::SetUpContextMenu(Pane pane) {
    const bool address = pane == Pane::Address;
    for (const char* name : {"ContextSelectAll", "ContextEmail", "ContextWWW"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(address);
    }
    for (const char* name : {"Separator2", "ContextFullView", "ContextListView"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setVisible(address);
    }
    findChild<QAction*>(QStringLiteral("ContextDelete"))->setVisible(true);
}
