#include "editor/AddNewForm.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateForm.h"
#include "calendar/TimeForm.h"
#include "editor/EditorValues.h"
#include "editor/EntryBuild.h"
#include "editor/LimitedMemo.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace trevik;

void TAddNewForm::loadTypes() {
    std::vector<EntryType> types;
    readWithRetry(services_.messages, this, [&] { types = listTypes(services_.dataDir); });
    for (const EntryType& type : types) {
        typeCodes << QString::number(type.code);
        TypeCombo->addItem(fromStored(type.name));
    }
    TypeCombo->setCurrentIndex(-1);
}

void TAddNewForm::Prepare(const EditorSetup& setup) {
    loading_ = true;
    NameEdit->setText(fromStored(setup.nameText));
    CommentEdit->setPlainText(fromStored(setup.commentText));
    focusComment = setup.focusComment;
    if (setup.entry) {
        loadEntry(*setup.entry);
        entryEditable = true;
    }
    if (setup.contact) {
        loadContact(*setup.contact);
        addressEditable = true;
    }
    Link->setChecked(setup.linkChecked);
    loading_ = false;
}

// What the editor opens with is no change of the user's: closing it untouched asks nothing.
void TAddNewForm::addressEdited() {
    if (!loading_) {
        changed = addressChanged_ = true;
    }
}

void TAddNewForm::entryEdited() {
    if (!loading_) {
        changed = entryChanged_ = true;
    }
}

void TAddNewForm::loadContact(const Contact& contact) {
    editAddressId = contact.id;
    NameEdit->setText(fromStored(contact.name));
    HomeEdit->setText(fromStored(contact.home));
    WorkEdit->setText(fromStored(contact.work));
    FaxEdit->setText(fromStored(contact.fax));
    MobileEdit->setText(fromStored(contact.mobile));
    EmailEdit->setText(fromStored(contact.email));
    WWWEdit->setText(fromStored(contact.www));
    AddressEdit->setStoredText(contact.address);
    MiscEdit->setStoredText(contact.misc);
}

void TAddNewForm::loadEntry(const CalendarEntry& entry) {
    editEntryId = entry.id;
    CommentEdit->setStoredText(entry.comment);
    typeCode = entry.type;
    const auto showDate = [this](QLineEdit* edit, DayNumber day, std::optional<DayNumber>& date) {
        edit->setText(fromStored(ShortDateText(day, services_.locale)));
        date = day == kNoDate ? std::nullopt : std::optional<DayNumber>(day);
    };
    showDate(DateFromEdit, entry.dateFrom, dateFrom_);
    showDate(DateToEdit, entry.dateTo, dateTo_);
    TimeFromEdit->setText(QString::fromStdString(TimeText(entry.timeFrom)));
    TimeToEdit->setText(QString::fromStdString(TimeText(entry.timeTo)));
    AlarmEdit->setText(QString::fromStdString(TimeText(entry.alarm)));
    FileLinkEdit->setText(fromStored(entry.fileLink));
    RepeatCombo->setCurrentIndex(entry.repeat >= 0 && entry.repeat <= 4 ? entry.repeat : -1);
}

bool TAddNewForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        FormActivate();
    }
    return QDialog::event(event);
}

void TAddNewForm::FormActivate() {
    if (focusComment) {
        CommentEdit->setFocus();
    }
    SaveAddr->setEnabled(addressEditable && !addressSaved);
    SaveCal->setEnabled(entryEditable);
    presenceChanged();
    // typeCodes holds one code per item of the combo, so its index fits the combo's int.
    TypeCombo->setCurrentIndex(static_cast<int>(typeCodes.indexOf(QString::number(typeCode))));
}

void TAddNewForm::presenceChanged() {
    presence = {!DateFromEdit->text().isEmpty(), !DateToEdit->text().isEmpty(),
                !TimeFromEdit->text().isEmpty(), !TimeToEdit->text().isEmpty(),
                !AlarmEdit->text().isEmpty()};
    TypeOfData->setText(QString::fromStdString(entryKindText(presence)));
    plannerMode = isPlannerKind(presence);
    for (QWidget* input : std::initializer_list<QWidget*>{
             TimeFromEdit, TimeToEdit, AlarmEdit, TimeFromButton, TimeToButton, AlarmButton}) {
        input->setEnabled(!plannerMode);
    }
}

// A box's day changes only by a pick or when the user edited its text: what the box wrote
// itself is never read back, so an untouched save keeps the day exactly. False when the
// edited text is no date.
bool TAddNewForm::readDateBox(QLineEdit* edit, std::optional<DayNumber>& date) {
    if (!edit->isModified()) {
        return true;
    }
    if (edit->text().isEmpty()) {
        date.reset();
    } else {
        const std::optional<DayNumber> read =
            ParseDateText(toStored(edit->text()), services_.locale, date.value_or(kNoDate));
        if (!read) {
            return false;
        }
        date = read;
    }
    edit->setModified(false);
    presenceChanged();
    return true;
}

void TAddNewForm::showWrongDate() {
    services_.messages.show(this, QStringLiteral("Wrong date format, enter again"), QString(),
                            MessageButtons::Ok, MessageIcon::None);
}

void TAddNewForm::dateExit(QLineEdit* edit, std::optional<DayNumber>& date) {
    if (readDateBox(edit, date)) {
        return;
    }
    showWrongDate();
    date.reset();
    edit->setText(QString());
}

void TAddNewForm::DateFromExit() {
    dateExit(DateFromEdit, dateFrom_);
}

void TAddNewForm::DateToExit() {
    dateExit(DateToEdit, dateTo_);
}

// The day the box shows, for the date picker to open on: what the box wrote, or what the user
// typed over it when that reads as a date; otherwise today.
DayNumber TAddNewForm::dayInBox(const QLineEdit* edit, const std::optional<DayNumber>& date) const {
    if (edit->text().isEmpty()) {
        return today(services_.clock);
    }
    if (!edit->isModified() && date) {
        return *date;
    }
    return ParseDateText(toStored(edit->text()), services_.locale, date.value_or(kNoDate))
        .value_or(today(services_.clock));
}

void TAddNewForm::pickDate(QLineEdit* edit, std::optional<DayNumber>& date) {
    entryEdited();
    const CivilDate shown = civilFromDayNumber(dayInBox(edit, date));
    TDateForm picker(QDate(shown.year, shown.month, shown.day), display_.weekStartsMonday, this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    if (picker.day == 0) {
        date.reset();
        edit->setText(QString());
    } else {
        date = dayNumberFromCivil({picker.year, picker.month, picker.day});
        edit->setText(fromStored(ShortDateText(*date, services_.locale)));
    }
    presenceChanged();
}

void TAddNewForm::pickTime(QLineEdit* edit, bool keepOnEmpty) {
    entryEdited();
    TTimeForm picker(display_.timeInterval, edit->text(), this);
    if (picker.exec() != QDialog::Accepted || (keepOnEmpty && picker.time.isEmpty())) {
        return;
    }
    edit->setText(picker.time);
}

void TAddNewForm::pickFileLink() {
    entryEdited();
    OpenFileRequest request;
    request.caption = QStringLiteral("File Link");
    if (const auto path = services_.files.openFile(this, request); path && fileLinkFits(*path)) {
        FileLinkEdit->setText(*path);
    }
}

bool TAddNewForm::fileLinkFits(const QString& path) {
    EntryInput input;
    input.comment = "-";
    input.fileLink = toStored(path);
    const EntryBuild build = BuildEntry(input, services_.clock);
    if (build.problem) {
        showInputProblem(*build.problem);
    }
    return !build.problem;
}

void TAddNewForm::showInputProblem(const InputProblem& problem) {
    const bool missing = problem.field == EntryField::Comment;
    services_.messages.show(
        this, fromStored(problem.message),
        missing ? QStringLiteral("Warning") : QStringLiteral("Error"), MessageButtons::Ok,
        problem.field == EntryField::TimeFrom || problem.field == EntryField::TimeTo ||
                problem.field == EntryField::Alarm
            ? MessageIcon::Critical
            : MessageIcon::Warning);
    QWidget* const boxes[] = {CommentEdit, TimeFromEdit, TimeToEdit, AlarmEdit, FileLinkEdit};
    if (!missing) {
        boxes[int(problem.field)]->setFocus();
    }
}

// Another program deleted the record while the editor was open; what the user typed is kept.
bool TAddNewForm::offerSaveAsNew(const QString& record) {
    const MessageResult answer = services_.messages.show(
        this,
        QStringLiteral("This %1 was deleted by another program while the editor was open, so it "
                       "was not saved.\n\nSave it as a new %1?")
            .arg(record),
        QStringLiteral("Warning"), MessageButtons::OkCancel, MessageIcon::Question);
    return answer == MessageResult::Ok;
}

bool TAddNewForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Link && event->type() == QEvent::FocusIn) {
        LinkEnter();
    }
    return QDialog::eventFilter(watched, event);
}

void TAddNewForm::LinkEnter() {
    if (!addressSaved && !Link->isChecked() && !addressEditable) {
        services_.messages.show(this, QStringLiteral("Save address first!"),
                                QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::None);
        SaveAddrAsNew->setFocus();
    }
}

std::int32_t TAddNewForm::uidForNewRecord() {
    const std::int32_t uid = installationUid_();
    if (uid == 0) {
        services_.messages.show(
            this,
            QStringLiteral("Not saved: this installation's identity (UID) cannot be stored in the "
                           "settings file, and a new record needs it."),
            QStringLiteral("Settings error"), MessageButtons::Ok, MessageIcon::Warning);
    }
    return uid;
}

bool TAddNewForm::reportIoError(const std::string& error) {
    if (error.empty()) {
        return false;
    }
    // Nothing typed is lost: the editor stays open so the user can try again.
    services_.messages.show(this, QString::fromStdString(error), QStringLiteral("IO Error"),
                            MessageButtons::Ok, MessageIcon::Critical);
    return true;
}

bool TAddNewForm::saveAddress(bool asNew, bool mayClose) {
    Contact contact;
    contact.id = editAddressId;
    contact.name = toStored(NameEdit->text());
    contact.home = toStored(HomeEdit->text());
    contact.work = toStored(WorkEdit->text());
    contact.fax = toStored(FaxEdit->text());
    contact.mobile = toStored(MobileEdit->text());
    contact.email = toStored(EmailEdit->text());
    contact.www = toStored(WWWEdit->text());
    contact.address = AddressEdit->storedText();
    contact.misc = MiscEdit->storedText();
    if (const std::optional<std::string> problem = contactProblem(contact)) {
        services_.messages.show(this, fromStored(*problem), QStringLiteral("Warning"),
                                MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    const std::int32_t uid = asNew ? uidForNewRecord() : 0;
    if (asNew && uid == 0) {
        return false;
    }
    const RecordResult result = asNew ? addContact(services_.dataDir, contact, services_.clock, uid)
                                      : changeContact(services_.dataDir, contact, services_.clock);
    if (reportIoError(result.error)) {
        return false;
    }
    if (!result.found) {
        addressEditable = false;
        SaveAddr->setEnabled(false);
        return offerSaveAsNew(QStringLiteral("contact")) && saveAddress(true, mayClose);
    }
    editAddressId = result.id;
    addressChanged_ = false;
    if (!CommentEdit->toPlainText().isEmpty() || !mayClose) {
        SaveAddr->setEnabled(false);
        SaveAddrAsNew->setEnabled(false);
        addressSaved = true;
        return true;
    }
    accept();
    return true;
}

void TAddNewForm::SaveAddrClick() {
    saveAddress(false, true);
}

void TAddNewForm::SaveAddrAsNewClick() {
    saveAddress(true, true);
}

bool TAddNewForm::saveEntry(bool asNew) {
    if (CommentEdit->toPlainText().isEmpty()) {
        showInputProblem({EntryField::Comment, "Enter all data"});
        return false;
    }
    // A date still being typed is read as leaving its box would, but one that does not read
    // stops the save rather than being saved as no date.
    for (auto [edit, date] :
         {std::pair{DateFromEdit, &dateFrom_}, std::pair{DateToEdit, &dateTo_}}) {
        if (!readDateBox(edit, *date)) {
            showWrongDate();
            edit->setFocus();
            return false;
        }
    }
    EntryInput input;
    input.id = editEntryId;
    input.comment = CommentEdit->storedText();
    const int typeIndex = TypeCombo->currentIndex();
    input.type = std::int16_t(typeIndex >= 0 ? typeCodes.value(typeIndex).toInt() : -1);
    input.dateFrom = dateFrom_.value_or(kNoDate);
    input.dateTo = dateTo_.value_or(kNoDate);
    input.timeFrom = toStored(TimeFromEdit->text());
    input.timeTo = toStored(TimeToEdit->text());
    input.alarm = toStored(AlarmEdit->text());
    input.fileLink = toStored(FileLinkEdit->text());
    input.repeat = std::int16_t(RepeatCombo->currentIndex() >= 0 ? RepeatCombo->currentIndex() : 0);
    input.addressLink = Link->isChecked() ? editAddressId : -1;
    const EntryBuild build = BuildEntry(input, services_.clock);
    if (build.problem) {
        showInputProblem(*build.problem);
        return false;
    }
    const CalendarEntry& entry = build.entry;
    const std::int32_t uid = asNew ? uidForNewRecord() : 0;
    if (asNew && uid == 0) {
        return false;
    }
    const RecordResult result = asNew ? addEntry(services_.dataDir, entry, services_.clock, uid)
                                      : changeEntry(services_.dataDir, entry, services_.clock);
    if (reportIoError(result.error)) {
        return false;
    }
    if (!result.found) {
        entryEditable = false;
        SaveCal->setEnabled(false);
        return offerSaveAsNew(QStringLiteral("entry")) && saveEntry(true);
    }
    editEntryId = result.id;
    accept();
    return true;
}

void TAddNewForm::SaveCalClick() {
    saveEntry(false);
}

void TAddNewForm::SaveCalAsNewClick() {
    saveEntry(true);
}

// "Save changes?" Yes saves what was changed: the contact (in place when it exists) and then
// the entry, as their Save buttons would; a half that cannot be saved keeps the editor open.
bool TAddNewForm::saveChangedHalves() {
    if (addressChanged_ && !addressSaved && !saveAddress(!addressEditable, false)) {
        return false;
    }
    if (entryChanged_) {
        return saveEntry(!entryEditable);
    }
    accept();
    return true;
}

void TAddNewForm::CancelClick() {
    if (changed) {
        const MessageResult answer = services_.messages.show(
            this, QStringLiteral("Save changes?"), QStringLiteral("Discard changes"),
            MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageResult::Cancel) {
            return;
        }
        if (answer == MessageResult::Yes) {
            saveChangedHalves();
            return;
        }
    }
    closing_ = true;
    QDialog::reject();
}

void TAddNewForm::reject() {
    // Escape and the window's close box go through the same question as "Close".
    if (closing_) {
        QDialog::reject();
    } else {
        CancelClick();
    }
}
