#include "editor/AddNewForm.h"

#include "calendar/CalendarTexts.h"
#include "calendar/DateForm.h"
#include "calendar/TimeForm.h"
#include "editor/EditorValues.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace trevik;

namespace {

// Memos store their line breaks as CR LF, which count towards the field's width.
std::string memoText(const QPlainTextEdit* memo) {
    return toStored(memo->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void setMemoText(QPlainTextEdit* memo, const std::string& stored) {
    memo->setPlainText(fromStored(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

// Keeps a memo within its field's width, as an edit's maximum length does.
void limitMemo(QPlainTextEdit* memo, std::size_t width) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, width] {
        QString text = memo->toPlainText();
        if (memoText(memo).size() <= width) {
            return;
        }
        while (!text.isEmpty() &&
               toStored(QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"))).size() >
                   width) {
            text.chop(1);
        }
        memo->setPlainText(text);
        memo->moveCursor(QTextCursor::End);
    });
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength = 32767) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, std::size_t width) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(42);
    limitMemo(edit, width);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// A label whose caption names the control for screen readers and whose mnemonic focuses it.
void addRow(QGridLayout* grid, int row, const QString& caption, QWidget* field,
            QWidget* extra = nullptr) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    field->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(field, row, 1, 1, extra == nullptr ? 2 : 1);
    if (extra != nullptr) {
        grid->addWidget(extra, row, 2);
    }
}

} // namespace

TAddNewForm::TAddNewForm(Services& services, int timeInterval, std::int32_t installationUid,
                         QWidget* parent)
    : QDialog(parent), services_(services), timeInterval_(timeInterval),
      installationUid_(installationUid) {
    setObjectName(QStringLiteral("AddNewForm"));
    setWindowTitle(QStringLiteral("Edit / New Window"));
    auto* addressGroup = new QGroupBox(QStringLiteral("Address Book"), this);
    auto* calendarGroup = new QGroupBox(QStringLiteral("Calendar"), this);
    buildAddressHalf(addressGroup);
    buildCalendarHalf(calendarGroup);
    Cancel = button(this, "Cancel", QStringLiteral("Close"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(addressGroup);
    layout->addWidget(calendarGroup);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Cancel);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Cancel, &QPushButton::clicked, this, &TAddNewForm::CancelClick);
    loadTypes();
    presenceChanged();
}

void TAddNewForm::buildAddressHalf(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    NameEdit = lineEdit(group, "NameEdit", 30);
    WorkEdit = lineEdit(group, "WorkEdit", 30);
    HomeEdit = lineEdit(group, "HomeEdit", 30);
    FaxEdit = lineEdit(group, "FaxEdit", 30);
    MobileEdit = lineEdit(group, "MobileEdit", 30);
    EmailEdit = lineEdit(group, "EmailEdit", 30);
    WWWEdit = lineEdit(group, "WWWEdit", 50);
    AddressEdit = memo(group, "AddressEdit", 50);
    MiscEdit = memo(group, "MiscEdit", 52);
    NameEdit->setMinimumWidth(260);
    addRow(grid, 0, QStringLiteral("&Name:"), NameEdit);
    addRow(grid, 1, QStringLiteral("&Work:"), WorkEdit);
    addRow(grid, 2, QStringLiteral("&Home:"), HomeEdit);
    addRow(grid, 3, QStringLiteral("&Fax:"), FaxEdit);
    addRow(grid, 4, QStringLiteral("&Mobile:"), MobileEdit);
    addRow(grid, 5, QStringLiteral("&Email:"), EmailEdit);
    addRow(grid, 6, QStringLiteral("WWW:"), WWWEdit);
    addRow(grid, 7, QStringLiteral("&Address:"), AddressEdit);
    addRow(grid, 8, QStringLiteral("M&isc:"), MiscEdit);
    SaveAddr = button(group, "SaveAddr", QStringLiteral("Save"));
    SaveAddrAsNew = button(group, "SaveAddrAsNew", QStringLiteral("Save as New"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveAddr);
    buttons->addWidget(SaveAddrAsNew);
    grid->addLayout(buttons, 9, 0, 1, 3);
    connect(SaveAddr, &QPushButton::clicked, this, &TAddNewForm::SaveAddrClick);
    connect(SaveAddrAsNew, &QPushButton::clicked, this, &TAddNewForm::SaveAddrAsNewClick);
    const auto addressChanged = [this] { changed = addressChanged_ = true; };
    for (QLineEdit* edit :
         {NameEdit, WorkEdit, HomeEdit, FaxEdit, MobileEdit, EmailEdit, WWWEdit}) {
        connect(edit, &QLineEdit::textChanged, this, addressChanged);
    }
    for (QPlainTextEdit* edit : {AddressEdit, MiscEdit}) {
        connect(edit, &QPlainTextEdit::textChanged, this, addressChanged);
    }
}

void TAddNewForm::buildCalendarHalf(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    CommentEdit = memo(group, "CommentEdit", 30);
    TypeCombo = new QComboBox(group);
    TypeCombo->setObjectName(QStringLiteral("TypeCombo"));
    DateFromEdit = lineEdit(group, "DateFromEdit");
    DateToEdit = lineEdit(group, "DateToEdit");
    TimeFromEdit = lineEdit(group, "TimeFromEdit");
    TimeToEdit = lineEdit(group, "TimeToEdit");
    AlarmEdit = lineEdit(group, "AlarmEdit");
    FileLinkEdit = lineEdit(group, "FileLinkEdit", 65);
    grid->setVerticalSpacing(3);
    DateFromButton = button(group, "DateFromButton", QStringLiteral("..."));
    DateToButton = button(group, "DateToButton", QStringLiteral("..."));
    TimeFromButton = button(group, "TimeFromButton", QStringLiteral("..."));
    TimeToButton = button(group, "TimeToButton", QStringLiteral("..."));
    AlarmButton = button(group, "AlarmButton", QStringLiteral("..."));
    FileLinkButton = button(group, "FileLinkButton", QStringLiteral("..."));
    for (QPushButton* picker : {DateFromButton, DateToButton, TimeFromButton, TimeToButton,
                                AlarmButton, FileLinkButton}) {
        picker->setFixedWidth(32);
    }
    RepeatCombo = new QComboBox(group);
    RepeatCombo->setObjectName(QStringLiteral("RepeatCombo"));
    RepeatCombo->addItems({QStringLiteral("None"), QStringLiteral("Daily"),
                           QStringLiteral("Weekly"), QStringLiteral("Monthly"),
                           QStringLiteral("Yearly ")});
    TypeOfData = lineEdit(group, "TypeOfData");
    TypeOfData->setReadOnly(true);
    TypeOfData->setAccessibleName(QStringLiteral("Kind of entry"));
    Link = new QCheckBox(QStringLiteral("&Link"), group);
    Link->setObjectName(QStringLiteral("Link"));
    Link->installEventFilter(this);
    addRow(grid, 0, QStringLiteral("&Comment:"), CommentEdit);
    addRow(grid, 1, QStringLiteral("&Type:"), TypeCombo);
    addRow(grid, 2, QStringLiteral("&Date:"), DateFromEdit, DateFromButton);
    addRow(grid, 3, QStringLiteral("To:"), DateToEdit, DateToButton);
    addRow(grid, 4, QStringLiteral("T&ime:"), TimeFromEdit, TimeFromButton);
    addRow(grid, 5, QStringLiteral("To:"), TimeToEdit, TimeToButton);
    addRow(grid, 6, QStringLiteral("A&larm:"), AlarmEdit, AlarmButton);
    addRow(grid, 7, QStringLiteral("File Lin&k:"), FileLinkEdit, FileLinkButton);
    addRow(grid, 8, QStringLiteral("&Repeat rate:"), RepeatCombo);
    grid->addWidget(TypeOfData, 9, 1, 1, 2);
    // Both end boxes are captioned "To:"; a screen reader needs to tell them apart.
    DateToEdit->setAccessibleName(QStringLiteral("Date to"));
    TimeToEdit->setAccessibleName(QStringLiteral("Time to"));
    SaveCal = button(group, "SaveCal", QStringLiteral("Save"));
    SaveCalAsNew = button(group, "SaveCalAsNew", QStringLiteral("Save as New"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Link);
    buttons->addStretch();
    buttons->addWidget(SaveCal);
    buttons->addWidget(SaveCalAsNew);
    grid->addLayout(buttons, 10, 0, 1, 3);

    connect(SaveCal, &QPushButton::clicked, this, &TAddNewForm::SaveCalClick);
    connect(SaveCalAsNew, &QPushButton::clicked, this, &TAddNewForm::SaveCalAsNewClick);
    connect(CommentEdit, &QPlainTextEdit::textChanged, this,
            [this] { changed = entryChanged_ = true; });
    // A type chosen by the user stays chosen when the editor becomes active again.
    connect(TypeCombo, &QComboBox::activated, this, [this](int index) {
        changed = entryChanged_ = true;
        typeCode = typeCodes.value(index).toInt();
    });
    connect(RepeatCombo, &QComboBox::activated, this, [this] { changed = entryChanged_ = true; });
    for (QLineEdit* edit : {DateFromEdit, DateToEdit, TimeFromEdit, TimeToEdit, AlarmEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &TAddNewForm::presenceChanged);
    }
    connect(DateFromEdit, &QLineEdit::editingFinished, this, &TAddNewForm::DateFromExit);
    connect(DateToEdit, &QLineEdit::editingFinished, this, &TAddNewForm::DateToExit);
    connect(DateFromButton, &QPushButton::clicked, this,
            [this] { pickDate(DateFromEdit, dateFrom_); });
    connect(DateToButton, &QPushButton::clicked, this, [this] { pickDate(DateToEdit, dateTo_); });
    connect(TimeFromButton, &QPushButton::clicked, this, [this] { pickTime(TimeFromEdit, false); });
    connect(TimeToButton, &QPushButton::clicked, this, [this] { pickTime(TimeToEdit, false); });
    connect(AlarmButton, &QPushButton::clicked, this, [this] { pickTime(AlarmEdit, true); });
    connect(FileLinkButton, &QPushButton::clicked, this, &TAddNewForm::pickFileLink);
    connect(Link, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !addressSaved && !addressEditable) {
            Link->setChecked(false); // there is no contact to link to yet
        }
    });
}

void TAddNewForm::loadTypes() {
    for (const EntryType& type : ListTypes({})) {
        typeCodes << QString::number(type.code);
        TypeCombo->addItem(fromStored(type.name));
    }
    TypeCombo->setCurrentIndex(-1);
}

void TAddNewForm::Prepare(const EditorSetup& setup) {
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
    // What the editor opened with is not a change of the user's to save.
    addressChanged_ = entryChanged_ = false;
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
    setMemoText(AddressEdit, contact.address);
    setMemoText(MiscEdit, contact.misc);
}

void TAddNewForm::loadEntry(const CalendarEntry& entry) {
    editEntryId = entry.id;
    setMemoText(CommentEdit, entry.comment);
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
    TypeCombo->setCurrentIndex(typeCodes.indexOf(QString::number(typeCode)));
}

void TAddNewForm::presenceChanged() {
    presence = {!DateFromEdit->text().isEmpty(), !DateToEdit->text().isEmpty(),
                !TimeFromEdit->text().isEmpty(), !TimeToEdit->text().isEmpty(),
                !AlarmEdit->text().isEmpty()};
    TypeOfData->setText(QString::fromStdString(EntryKindText(presence)));
    plannerMode = IsPlannerKind(presence);
    for (QWidget* input : std::initializer_list<QWidget*>{
             TimeFromEdit, TimeToEdit, AlarmEdit, TimeFromButton, TimeToButton, AlarmButton}) {
        input->setEnabled(!plannerMode);
    }
}

void TAddNewForm::dateExit(QLineEdit* edit, std::optional<DayNumber>& date) {
    if (edit->text().isEmpty()) {
        date.reset();
        presenceChanged();
        return;
    }
    date = ParseDateText(toStored(edit->text()), services_.locale);
    if (!date) {
        services_.messages.show(this, QStringLiteral("Wrong date format, enter again"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        edit->clear();
    }
}

void TAddNewForm::DateFromExit() {
    dateExit(DateFromEdit, dateFrom_);
}

void TAddNewForm::DateToExit() {
    dateExit(DateToEdit, dateTo_);
}

void TAddNewForm::pickDate(QLineEdit* edit, std::optional<DayNumber>& date) {
    changed = entryChanged_ = true;
    TDateForm picker(this);
    if (picker.exec() != QDialog::Accepted) {
        return;
    }
    if (picker.day == 0) {
        date.reset();
        edit->clear();
    } else {
        date = dayNumberFromCivil({picker.year, picker.month, picker.day});
        edit->setText(fromStored(ShortDateText(*date, services_.locale)));
    }
    presenceChanged();
}

void TAddNewForm::pickTime(QLineEdit* edit, bool keepOnEmpty) {
    changed = entryChanged_ = true;
    TTimeForm picker(timeInterval_, this);
    if (picker.exec() != QDialog::Accepted || (keepOnEmpty && picker.time.isEmpty())) {
        return;
    }
    edit->setText(picker.time);
}

void TAddNewForm::pickFileLink() {
    changed = entryChanged_ = true;
    OpenFileRequest request;
    request.caption = QStringLiteral("File Link");
    if (const auto path = services_.files.openFile(this, request)) {
        FileLinkEdit->setText(*path);
    }
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
    if (NameEdit->text().isEmpty()) {
        services_.messages.show(this, QStringLiteral("Enter all data"), QStringLiteral("Warning"),
                                MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    Contact contact;
    contact.id = editAddressId;
    contact.name = toStored(NameEdit->text());
    contact.home = toStored(HomeEdit->text());
    contact.work = toStored(WorkEdit->text());
    contact.fax = toStored(FaxEdit->text());
    contact.mobile = toStored(MobileEdit->text());
    contact.email = toStored(EmailEdit->text());
    contact.www = toStored(WWWEdit->text());
    contact.address = memoText(AddressEdit);
    contact.misc = memoText(MiscEdit);
    const RecordResult result = asNew ? AddContact({}, contact, services_.clock, installationUid_)
                                      : ChangeContact({}, contact, services_.clock);
    if (reportIoError(result.error)) {
        return false;
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
        services_.messages.show(this, QStringLiteral("Enter all data"), QStringLiteral("Warning"),
                                MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    // A date still being typed is read as leaving its box would.
    DateFromExit();
    DateToExit();
    CalendarEntry entry;
    entry.id = editEntryId;
    entry.comment = memoText(CommentEdit);
    const int typeIndex = TypeCombo->currentIndex();
    entry.type = std::int16_t(typeIndex >= 0 ? typeCodes.value(typeIndex).toInt() : -1);
    entry.dateFrom = dateFrom_.value_or(kNoDate);
    entry.dateTo = dateTo_.value_or(kNoDate);
    for (auto [edit, field] :
         {std::pair{TimeFromEdit, &entry.timeFrom}, std::pair{TimeToEdit, &entry.timeTo},
          std::pair{AlarmEdit, &entry.alarm}}) {
        if (edit->text().isEmpty()) {
            *field = kNoTime;
            continue;
        }
        const std::optional<double> time = ParseTimeText(toStored(edit->text()));
        if (!time) {
            services_.messages.show(
                this, QStringLiteral("'%1' is not a valid time").arg(edit->text()),
                QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Critical);
            edit->setFocus();
            return false;
        }
        *field = *time;
    }
    entry.fileLink = toStored(FileLinkEdit->text());
    entry.repeat = std::int16_t(RepeatCombo->currentIndex() >= 0 ? RepeatCombo->currentIndex() : 0);
    entry.addressLink = Link->isChecked() ? editAddressId : -1;
    if (DateFromEdit->text().isEmpty()) {
        const DayNumber defaultDate = DefaultDateFrom(
            !TimeFromEdit->text().isEmpty(),
            AlarmEdit->text().isEmpty() ? std::nullopt : std::optional<double>(entry.alarm),
            services_.clock);
        if (defaultDate != kNoDate) {
            entry.dateFrom = defaultDate;
        }
    }
    const RecordResult result = asNew ? AddEntry({}, entry, services_.clock, installationUid_)
                                      : ChangeEntry({}, entry, services_.clock);
    if (reportIoError(result.error)) {
        return false;
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
