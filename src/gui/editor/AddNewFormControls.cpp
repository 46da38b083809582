#include "editor/AddNewForm.h"

#include "editor/NamedComboBox.h"
#include "platform/PlainButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

// The editor's controls, their captions and limits, and what each of them sets off.

using namespace trevik;

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength = 32767) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    return edit;
}

LimitedMemo* memo(QWidget* parent, const char* name, std::size_t width) {
    auto* edit = new LimitedMemo(width, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    edit->setFixedHeight(42);
    return edit;
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

TAddNewForm::TAddNewForm(Services& services, const DisplaySettings& display,
                         std::function<std::int32_t()> installationUid, QWidget* parent)
    : QDialog(parent), services_(services), display_(display),
      installationUid_(std::move(installationUid)) {
    setObjectName(QStringLiteral("AddNewForm"));
    setWindowTitle(QStringLiteral("Edit / New Window"));
    auto* addressGroup = new QGroupBox(QStringLiteral("Address Book"), this);
    auto* calendarGroup = new QGroupBox(QStringLiteral("Calendar"), this);
    buildAddressHalf(addressGroup);
    buildCalendarHalf(calendarGroup);
    Cancel = plainButton("Cancel", QStringLiteral("Close"), this);
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
    loading_ = false;
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
    MiscEdit = memo(group, "MiscEdit", 50);
    NameEdit->setMinimumWidth(260);
    addRow(grid, 0, QStringLiteral("&Name:"), NameEdit);
    addRow(grid, 1, QStringLiteral("&Work:"), WorkEdit);
    addRow(grid, 2, QStringLiteral("&Home:"), HomeEdit);
    addRow(grid, 3, QStringLiteral("&Fax:"), FaxEdit);
    addRow(grid, 4, QStringLiteral("&Mobile:"), MobileEdit);
    addRow(grid, 5, QStringLiteral("&Email:"), EmailEdit);
    addRow(grid, 6, QStringLiteral("WWW:"), WWWEdit);
    addRow(grid, 7, QStringLiteral("&Address:"), AddressEdit);
    addRow(grid, 8, QStringLiteral("Mi&sc:"), MiscEdit);
    SaveAddr = plainButton("SaveAddr", QStringLiteral("Save"), group);
    SaveAddrAsNew = plainButton("SaveAddrAsNew", QStringLiteral("Save as New"), group);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SaveAddr);
    buttons->addWidget(SaveAddrAsNew);
    grid->addLayout(buttons, 9, 0, 1, 3);
    connect(SaveAddr, &QPushButton::clicked, this, &TAddNewForm::SaveAddrClick);
    connect(SaveAddrAsNew, &QPushButton::clicked, this, &TAddNewForm::SaveAddrAsNewClick);
    for (QLineEdit* edit :
         {NameEdit, WorkEdit, HomeEdit, FaxEdit, MobileEdit, EmailEdit, WWWEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &TAddNewForm::addressEdited);
    }
    for (LimitedMemo* edit : {AddressEdit, MiscEdit}) {
        connect(edit, &QPlainTextEdit::textChanged, this, &TAddNewForm::addressEdited);
    }
}

void TAddNewForm::buildCalendarHalf(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    CommentEdit = memo(group, "CommentEdit", 30);
    TypeCombo = new NamedComboBox(group);
    TypeCombo->setObjectName(QStringLiteral("TypeCombo"));
    DateFromEdit = lineEdit(group, "DateFromEdit");
    DateToEdit = lineEdit(group, "DateToEdit");
    TimeFromEdit = lineEdit(group, "TimeFromEdit");
    TimeToEdit = lineEdit(group, "TimeToEdit");
    AlarmEdit = lineEdit(group, "AlarmEdit");
    // No maximum length: a longer path is refused with a message, not cut into another path.
    FileLinkEdit = lineEdit(group, "FileLinkEdit");
    grid->setVerticalSpacing(3);
    DateFromButton = plainButton("DateFromButton", QStringLiteral("..."), group);
    DateToButton = plainButton("DateToButton", QStringLiteral("..."), group);
    TimeFromButton = plainButton("TimeFromButton", QStringLiteral("..."), group);
    TimeToButton = plainButton("TimeToButton", QStringLiteral("..."), group);
    AlarmButton = plainButton("AlarmButton", QStringLiteral("..."), group);
    FileLinkButton = plainButton("FileLinkButton", QStringLiteral("..."), group);
    for (QPushButton* picker : {DateFromButton, DateToButton, TimeFromButton, TimeToButton,
                                AlarmButton, FileLinkButton}) {
        picker->setFixedWidth(32);
    }
    // Six buttons captioned "..." are told apart by what they pick.
    DateFromButton->setAccessibleName(QStringLiteral("Pick start date"));
    DateToButton->setAccessibleName(QStringLiteral("Pick end date"));
    TimeFromButton->setAccessibleName(QStringLiteral("Pick start time"));
    TimeToButton->setAccessibleName(QStringLiteral("Pick end time"));
    AlarmButton->setAccessibleName(QStringLiteral("Pick alarm time"));
    FileLinkButton->setAccessibleName(QStringLiteral("Pick file link"));
    RepeatCombo = new NamedComboBox(group);
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
    addRow(grid, 6, QStringLiteral("Ala&rm:"), AlarmEdit, AlarmButton);
    addRow(grid, 7, QStringLiteral("File Lin&k:"), FileLinkEdit, FileLinkButton);
    addRow(grid, 8, QStringLiteral("Re&peat rate:"), RepeatCombo);
    grid->addWidget(TypeOfData, 9, 1, 1, 2);
    // Both end boxes are captioned "To:"; a screen reader needs to tell them apart.
    DateToEdit->setAccessibleName(QStringLiteral("Date to"));
    TimeToEdit->setAccessibleName(QStringLiteral("Time to"));
    SaveCal = plainButton("SaveCal", QStringLiteral("Save"), group);
    SaveCalAsNew = plainButton("SaveCalAsNew", QStringLiteral("Save as New"), group);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Link);
    buttons->addStretch();
    buttons->addWidget(SaveCal);
    buttons->addWidget(SaveCalAsNew);
    grid->addLayout(buttons, 10, 0, 1, 3);

    connect(SaveCal, &QPushButton::clicked, this, &TAddNewForm::SaveCalClick);
    connect(SaveCalAsNew, &QPushButton::clicked, this, &TAddNewForm::SaveCalAsNewClick);
    connect(CommentEdit, &QPlainTextEdit::textChanged, this, &TAddNewForm::entryEdited);
    // A type chosen by the user stays chosen when the editor becomes active again.
    connect(TypeCombo, &QComboBox::activated, this, [this](int index) {
        entryEdited();
        typeCode = typeCodes.value(index).toInt();
    });
    connect(RepeatCombo, &QComboBox::activated, this, &TAddNewForm::entryEdited);
    for (QLineEdit* edit : {DateFromEdit, DateToEdit, TimeFromEdit, TimeToEdit, AlarmEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &TAddNewForm::presenceChanged);
    }
    for (QLineEdit* edit :
         {DateFromEdit, DateToEdit, TimeFromEdit, TimeToEdit, AlarmEdit, FileLinkEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &TAddNewForm::entryEdited);
    }
    // A box also "finishes" when a message box or another window takes the focus away; that
    // is no leaving of the box, which is read when the user leaves it or saves.
    connect(DateFromEdit, &QLineEdit::editingFinished, this, [this] {
        if (QApplication::activeWindow() == this) {
            DateFromExit();
        }
    });
    connect(DateToEdit, &QLineEdit::editingFinished, this, [this] {
        if (QApplication::activeWindow() == this) {
            DateToExit();
        }
    });
    connect(DateFromButton, &QPushButton::clicked, this,
            [this] { pickDate(DateFromEdit, dateFrom_); });
    connect(DateToButton, &QPushButton::clicked, this, [this] { pickDate(DateToEdit, dateTo_); });
    connect(TimeFromButton, &QPushButton::clicked, this, [this] { pickTime(TimeFromEdit, false); });
    connect(TimeToButton, &QPushButton::clicked, this, [this] { pickTime(TimeToEdit, false); });
    connect(AlarmButton, &QPushButton::clicked, this, [this] { pickTime(AlarmEdit, true); });
    connect(FileLinkButton, &QPushButton::clicked, this, &TAddNewForm::pickFileLink);
    connect(Link, &QCheckBox::toggled, this, [this](bool on) {
        if (on && !addressSaved && !addressEditable) {
            const QSignalBlocker quiet(Link);
            Link->setChecked(false); // there is no contact to link to yet
            return;
        }
        entryEdited();
    });
}
