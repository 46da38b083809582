// Cut, copy, copy special and paste between the active pane and the clipboard.
#include "address/AddressPane.h"
#include "app/CopySpecialForm.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "clipboard/AddressPaste.h"
#include "clipboard/ClipboardCut.h"
#include "clipboard/ClipboardLines.h"
#include "clipboard/CopySpecial.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"

#include <QLineEdit>

using namespace trevik;

namespace {

const QString kNoItems = QStringLiteral("No items selected");
const QString kInvalidFormat = QStringLiteral("Invalid address format!");
const QString kPasteFailed = QStringLiteral("Clipboard copy failed");

void putText(Clipboard& clipboard, const std::string& stored) {
    ClipboardContent content;
    content.text = fromStored(stored);
    clipboard.put(content);
}

QString cutNote(int count, const char* one, const char* many) {
    return count == 1 ? QStringLiteral("1 %1 cut").arg(QLatin1String(one))
                      : QStringLiteral("%1 %2 cut").arg(count).arg(QLatin1String(many));
}

} // namespace

void TMainForm::ContextCopyClick() {
    if (view_.activePane == Pane::Address) {
        if (addressPane->rowCount() == 0) {
            return;
        }
        putText(services_.clipboard, contactsCopyText(addressPane->selectedContacts()));
        return;
    }
    const auto [top, bottom] = calendarPane->selectedGridRows();
    if (top == 0 && bottom == 0) {
        services_.messages.show(this, kNoItems, QString(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    putText(services_.clipboard, calendarCopyText(calendarPane->rows(), top, bottom));
}

void TMainForm::ContextCutClick() {
    // A cut deletes without the recycle bin and without asking; the status bar says how much.
    if (view_.activePane == Pane::Address) {
        if (addressPane->rowCount() == 0) {
            return;
        }
        const ClipboardCut cut = cutContacts({}, addressPane->selectedContacts());
        if (cut.putOnClipboard) {
            putText(services_.clipboard, cut.text);
        }
        reportWriteError(services_.messages, this, cut.error);
        if (cut.putOnClipboard) {
            showStatusNote(cutNote(cut.cut, "contact", "contacts"));
            addressPane->ApplyAddressColumns();
        }
        return;
    }
    const auto [top, bottom] = calendarPane->selectedGridRows();
    if (top == 0 && bottom == 0) {
        services_.messages.show(this, kNoItems, QString(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const ClipboardCut cut = cutCalendarRows({}, calendarPane->rows(), top, bottom);
    if (cut.putOnClipboard) {
        putText(services_.clipboard, cut.text);
    }
    reportWriteError(services_.messages, this, cut.error);
    if (cut.putOnClipboard) {
        // Also after a cut that stopped at a day header: the grid never shows cut entries.
        showStatusNote(cutNote(cut.cut, "calendar entry", "calendar entries"));
        refresh(Change::Calendar);
        FindEdit->setFocus();
    }
}

void TMainForm::ContextPasteClick() {
    if (view_.activePane != Pane::Address) {
        return;
    }
    if (installationUid_ == 0 && !loadInstallationUid()) {
        services_.messages.show(
            this,
            QStringLiteral("Not pasted: this installation's identity (UID) cannot be stored in the "
                           "settings file, and a new record needs it."),
            QStringLiteral("Settings error"), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    const AddressPaste paste =
        PasteAddresses({}, toStored(services_.clipboard.text()), services_.clock, installationUid_);
    reportWriteError(services_.messages, this, paste.error);
    if (paste.refused) {
        services_.messages.show(this, kInvalidFormat, kPasteFailed, MessageButtons::Ok,
                                MessageIcon::None);
    }
    addressPane->ApplyAddressColumns();
}

void TMainForm::ContextCopySpecialClick() {
    if (view_.activePane != Pane::Address) {
        return;
    }
    TCopySpecialForm form(this);
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    if (addressPane->rowCount() == 0) {
        return;
    }
    putText(services_.clipboard, copySpecialText(addressPane->selectedContacts(), form.choice()));
}

void TMainForm::MainSpecialClick() {
    if (view_.activePane == Pane::Address) {
        ContextCopySpecialClick();
    }
}
