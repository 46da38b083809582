// Cut, copy, copy special and paste between the active pane and the clipboard.
#include "address/AddressPane.h"
#include "app/CopySpecialForm.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "clipboard/AddressPaste.h"
#include "clipboard/ClipboardCut.h"
#include "clipboard/ClipboardLines.h"
#include "clipboard/CopySpecial.h"
#include "exchange/ReplaceForm.h"
#include "exchange/UpdateChoices.h"
#include "interchange/CopiedRecords.h"
#include "interchange/Interchange.h"
#include "interchange/InterchangeText.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "storage/FileError.h"

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

const QString kVCardType = QStringLiteral("text/vcard");
const QString kCalendarType = QStringLiteral("text/calendar");

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
        // The same contacts as a vCard, for address books that read one.
        const std::vector<Contact> selected = addressPane->selectedContacts();
        ClipboardContent content;
        content.text = fromStored(contactsCopyText(selected));
        if (!selected.empty()) {
            content.formats.emplace_back(kVCardType,
                                         QByteArray::fromStdString(contactsToVCard(selected)));
        }
        services_.clipboard.put(content);
        return;
    }
    const auto [top, bottom] = calendarPane->selectedGridRows();
    if (top == 0 && bottom == 0) {
        services_.messages.show(this, kNoItems, QString(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    ClipboardContent content;
    content.text = fromStored(calendarCopyText(calendarPane->rows(), top, bottom));
    try {
        content.formats.emplace_back(kCalendarType, QByteArray::fromStdString(calendarCopyICalendar(
                                                        {}, calendarPane->rows(), top, bottom)));
    } catch (const FileError& error) {
        // The plain lines come from the grid and still go; the reason the rest did not is told.
        reportWriteError(services_.messages, this, error.what());
    }
    services_.clipboard.put(content);
}

void TMainForm::ContextCutClick() {
    // A cut deletes without the recycle bin and without asking; the status bar says how much.
    if (view_.activePane == Pane::Address) {
        if (addressPane->rowCount() == 0) {
            return;
        }
        const ClipboardCut cut = cutContacts(services_.dataDir, addressPane->selectedContacts());
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
    const ClipboardCut cut = cutCalendarRows(services_.dataDir, calendarPane->rows(), top, bottom);
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
    // Address lines make new contacts, as they always did (our own Copy offers a vCard beside
    // them); a vCard, as text or beside text that is no address lines, merges by identity.
    const QString text = services_.clipboard.text();
    QByteArray vcard;
    if (isVCardText(text.toStdString())) {
        vcard = text.toUtf8();
    } else if (!isAddressText(toStored(text))) {
        vcard = services_.clipboard.data(kVCardType);
    }
    if (!vcard.isEmpty()) {
        PasteVCard(vcard.toStdString());
        return;
    }
    const AddressPaste paste =
        PasteAddresses(services_.dataDir, toStored(text), services_.clock, installationUid_);
    reportWriteError(services_.messages, this, paste.error);
    if (paste.refused) {
        services_.messages.show(this, kInvalidFormat, kPasteFailed, MessageButtons::Ok,
                                MessageIcon::None);
    }
    addressPane->ApplyAddressColumns();
}

void TMainForm::PasteVCard(const std::string& text) {
    // Merged by identity as importing a vCard file with every choice Update: the user asked
    // for these contacts, so nothing is asked; the later change wins, and pasting the same
    // cards twice adds nothing.
    UpdateOptions options;
    options.settings = false;
    options.newData = UpdateChoice::Update;
    options.changedData = UpdateChoice::Update;
    options.deletedData = UpdateChoice::Update;
    ReplaceFormPrompter prompter(this);
    InterchangeImporter importer(services_.dataDir, services_.settings, prompter, services_.locale);
    const ImportReport report =
        importer.importTexts({{text, InterchangeFormat::VCard, "clipboard"}}, options);
    refresh(Change::Contacts | Change::Calendar);
    if (report.whole() && report.errors.empty() && report.merge.errors.empty()) {
        return;
    }
    QStringList lines;
    for (const std::string& error : report.errors) {
        lines << QString::fromStdString(error);
    }
    for (const std::string& error : report.merge.errors) {
        lines << QString::fromStdString(error);
    }
    for (const std::string& line : importReportLines(report)) {
        lines << QString::fromStdString(line);
    }
    services_.messages.show(this, lines.join(QLatin1Char('\n')), QStringLiteral("Paste"),
                            MessageButtons::Ok, MessageIcon::Warning);
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
