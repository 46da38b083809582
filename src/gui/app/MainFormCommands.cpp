// The find bar and the commands the main window routes to the pane that last had the focus.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "editor/EditorSetup.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "shell/ShellLinks.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace trevik;

void TMainForm::FindEditChange() {
    refillAddresses();
    findInCalendar();
    showFirstSelectedInFull();
    if (view_.sortColumn >= 0) {
        addressPane->SortBy(view_.sortColumn);
    }
}

void TMainForm::refillAddresses() {
    const bool addressMatch = addressPane->RefillAddressList(FindEdit->text());
    view_.findState.address = addressMatch ? FindMatch::Match : FindMatch::NoMatch;
    SetDefaultButton(addressPane->AddrEdit, addressMatch);
    SetDefaultButton(addressPane->AddrNew, !addressMatch);
}

void TMainForm::findInCalendar() {
    const bool calendarMatch = calendarPane->FindInCalendar(FindEdit->text());
    view_.findState.calendar = calendarMatch ? FindMatch::Match : FindMatch::NoMatch;
    SetDefaultButton(calendarPane->CalEdit, calendarMatch);
    SetDefaultButton(calendarPane->CalNew, !calendarMatch);
}

void TMainForm::showFirstSelectedInFull() {
    const int first = addressPane->firstSelectedRow();
    addressPane->ShowAddressFull(first >= 0 ? first : (addressPane->rowCount() > 0 ? 0 : -1));
}

void TMainForm::showChangedAddresses() {
    const AddressPane::ListPlace place = addressPane->place();
    refillAddresses();
    if (view_.sortColumn >= 0) {
        addressPane->SortBy(view_.sortColumn);
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
        openEditor(kEnterMode);
    }
    FindEdit->setFocus();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client && event->type() == QEvent::Resize) {
        FormResize();
    }
    if (watched == FindEdit && event->type() == QEvent::ShortcutOverride &&
        view_.activePane == Pane::Address &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::SelectAll)) {
        // While the address list is the active pane, Ctrl+A selects its contacts, also from
        // the find box (which would take the keys to select its own text).
        return true;
    }
    if (watched == FindEdit && event->type() == QEvent::KeyPress) {
        FindEditKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::MainOKClick() {
    openEditor(kFindBarMode);
}

void TMainForm::MainNewClick() {
    if (view_.activePane == Pane::Address) {
        view_.findState.address = FindMatch::NoMatch;
        openEditor(kNewContactMode);
    } else {
        view_.findState.calendar = FindMatch::NoMatch;
        openEditor(kNewEntryMode);
    }
}

void TMainForm::MainEditClick() {
    if (view_.activePane == Pane::Address) {
        view_.findState.address = FindMatch::Match;
        openEditor(kEditContactMode);
    } else {
        view_.findState.calendar = FindMatch::Match;
        openEditor(kEditEntryMode);
    }
}

void TMainForm::MainDeleteClick() {
    if (view_.activePane == Pane::Address) {
        addressPane->AddrDeleteClick();
    } else {
        calendarPane->CalDeleteClick();
    }
}

void TMainForm::MainSelectAllClick() {
    if (view_.activePane == Pane::Address) {
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
    if (view_.activePane != Pane::Address) {
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
    const std::string link = webLink(text);
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
    for (const char* name :
         {"ContextCopySpecial", "ContextSelectAll", "ContextEmail", "ContextWWW"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setEnabled(address);
    }
    for (const char* name : {"Separator2", "ContextFullView", "ContextListView"}) {
        findChild<QAction*>(QString::fromLatin1(name))->setVisible(address);
    }
    findChild<QAction*>(QStringLiteral("ContextDelete"))->setVisible(true);
}
