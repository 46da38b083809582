#include "options/OptionsForm.h"

#include "calendar/OutdatedEntries.h"
#include "calendar/TypeForm.h"
#include "calendar/TypeUse.h"
#include "exchange/RecycleBin.h"
#include "platform/FileErrors.h"
#include "platform/PlainButton.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "settings/DisplayRatio.h"
#include "storage/TypeRecords.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace trevik;

namespace {

QRadioButton* radio(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox* check(const char* name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// "1 calendar entry uses", "3 calendar entries use".
QString useText(int count) {
    return count == 1 ? QStringLiteral("1 calendar entry uses this type; it will show no type.")
                      : QStringLiteral("%1 calendar entries use this type; they will show no type.")
                            .arg(count);
}

} // namespace

TOptionsForm::TOptionsForm(Services& services, std::int32_t& addressRatio, RunAtLogon setRunAtLogon,
                           QWidget* parent)
    : QDialog(parent), services_(services), addressRatio_(addressRatio),
      setRunAtLogon_(std::move(setRunAtLogon)), player_(services.sounds.create()) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Options"));
    OptionsPage = new QTabWidget(this);
    OptionsPage->setObjectName(QStringLiteral("OptionsPage"));
    DisplaySheet = buildDisplaySheet();
    MiscSheet = buildMiscSheet();
    TypeSheet = buildTypeSheet();
    OptionsPage->addTab(DisplaySheet, QStringLiteral("Display"));
    OptionsPage->addTab(MiscSheet, QStringLiteral("Misc"));
    OptionsPage->addTab(TypeSheet, QStringLiteral("Types"));
    OK = plainButton("OK", QStringLiteral("OK"), this);
    OK->setDefault(true);
    Cancel = plainButton("Cancel", QStringLiteral("Cancel"), this);
    connect(OK, &QPushButton::clicked, this, &TOptionsForm::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &TOptionsForm::CancelClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(OptionsPage);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK);
    buttons->addWidget(Cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

TOptionsForm::~TOptionsForm() {
    closePlayer();
}

QWidget* TOptionsForm::buildDisplaySheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("DisplaySheet"));
    auto* ratioGroup = new QGroupBox(QStringLiteral("Display ratio [%]"), sheet);
    // Each "+" widens the pane it stands beside.
    SpeedButton1 = new QToolButton(ratioGroup);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("+"));
    SpeedButton1->setToolTip(QStringLiteral("Wider address book"));
    SpeedButton1->setAccessibleName(QStringLiteral("Wider address book"));
    SpeedButton2 = new QToolButton(ratioGroup);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QStringLiteral("+"));
    SpeedButton2->setToolTip(QStringLiteral("Wider calendar"));
    SpeedButton2->setAccessibleName(QStringLiteral("Wider calendar"));
    Ratio = new QLineEdit(ratioGroup);
    Ratio->setObjectName(QStringLiteral("Ratio"));
    Ratio->setReadOnly(true);
    Ratio->setAlignment(Qt::AlignCenter);
    Ratio->setFixedWidth(Ratio->fontMetrics().horizontalAdvance(QStringLiteral("100/100")) + 16);
    Ratio->setAccessibleName(QStringLiteral("Display ratio [%]"));
    auto* ratioRow = new QHBoxLayout(ratioGroup);
    ratioRow->addWidget(new QLabel(QStringLiteral("Address book"), ratioGroup));
    ratioRow->addWidget(SpeedButton1);
    ratioRow->addWidget(Ratio);
    ratioRow->addWidget(SpeedButton2);
    ratioRow->addWidget(new QLabel(QStringLiteral("Calendar"), ratioGroup));
    connect(SpeedButton1, &QToolButton::clicked, this, &TOptionsForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TOptionsForm::SpeedButton2Click);

    SplashCheck = check("SplashCheck", "Show splash screen", sheet);
    LaunchCheck = check("LaunchCheck", "Launch on StartUp", sheet);
    OpenCheck = check("OpenCheck", "Open After StartUp", sheet);
    connect(LaunchCheck, &QCheckBox::clicked, this, &TOptionsForm::LaunchCheckClick);

    auto* periodBox = new QGroupBox(QStringLiteral("Show Date Period:"), sheet);
    periodBox->setObjectName(QStringLiteral("DateEntryType"));
    periodGroup_ = new QButtonGroup(this);
    auto* periodColumn = new QVBoxLayout(periodBox);
    int id = 0;
    for (const char* caption :
         {"Yearly planner Only", "Calendar, first and last date", "Calendar, all dates"}) {
        auto* item = new QRadioButton(QString::fromLatin1(caption), periodBox);
        item->setObjectName(QStringLiteral("DateEntryType%1").arg(id));
        periodGroup_->addButton(item, id++);
        periodColumn->addWidget(item);
        DateEntryType.push_back(item);
    }

    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(ratioGroup);
    layout->addWidget(SplashCheck);
    layout->addWidget(LaunchCheck);
    layout->addWidget(OpenCheck);
    layout->addWidget(periodBox);
    layout->addStretch();
    return sheet;
}

QWidget* TOptionsForm::buildMiscSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("MiscSheet"));
    auto* intervals = new QGroupBox(QStringLiteral("Time intervals"), sheet);
    Radio15 = radio("Radio15", "15 minutes", intervals);
    Radio30 = radio("Radio30", "30 minutes", intervals);
    Radio60 = radio("Radio60", "60 minutes", intervals);
    auto* intervalColumn = new QVBoxLayout(intervals);
    for (QRadioButton* r : {Radio15, Radio30, Radio60}) {
        intervalColumn->addWidget(r);
    }
    auto* format = new QGroupBox(QStringLiteral("Time format"), sheet);
    Radio24 = radio("Radio24", "24 hour format", format);
    Radio12 = radio("Radio12", "12 hour format", format);
    auto* formatColumn = new QVBoxLayout(format);
    formatColumn->addWidget(Radio24);
    formatColumn->addWidget(Radio12);
    formatColumn->addStretch();
    connect(Radio15, &QRadioButton::clicked, this, [this] { timeInterval_ = 15; });
    connect(Radio30, &QRadioButton::clicked, this, [this] { timeInterval_ = 30; });
    connect(Radio60, &QRadioButton::clicked, this, [this] { timeInterval_ = 60; });
    connect(Radio24, &QRadioButton::clicked, this, [this] { timeFormat_ = 24; });
    connect(Radio12, &QRadioButton::clicked, this, [this] { timeFormat_ = 12; });

    auto* soundLabel = new QLabel(QStringLiteral("Alaram sound"), sheet);
    AlarmEdit = new QLineEdit(sheet);
    AlarmEdit->setObjectName(QStringLiteral("AlarmEdit"));
    soundLabel->setBuddy(AlarmEdit);
    AlarmEdit->setAccessibleName(QStringLiteral("Alaram sound"));
    Button1 = plainButton("Button1", QStringLiteral("..."), sheet);
    Button1->setAccessibleName(QStringLiteral("Choose alarm sound"));
    Button1->setToolTip(QStringLiteral("Choose alarm sound"));
    Button1->setFixedWidth(Button1->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 20);
    MediaPlayer1 = new QToolButton(sheet);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    MediaPlayer1->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    MediaPlayer1->setAccessibleName(QStringLiteral("Play alarm sound"));
    MediaPlayer1->setToolTip(QStringLiteral("Play alarm sound"));
    connect(AlarmEdit, &QLineEdit::textChanged, this, &TOptionsForm::AlarmEditChange);
    connect(Button1, &QPushButton::clicked, this, &TOptionsForm::Button1Click);
    connect(MediaPlayer1, &QToolButton::clicked, this, &TOptionsForm::MediaPlayer1Click);

    auto* playLabel = new QLabel(QStringLiteral("Play alarm "), sheet);
    AlarmUpDown = new QSpinBox(sheet);
    AlarmUpDown->setObjectName(QStringLiteral("AlarmUpDown"));
    AlarmUpDown->setRange(1, 99);
    playLabel->setBuddy(AlarmUpDown);
    AlarmUpDown->setAccessibleName(QStringLiteral("Play alarm times"));
    WeekCheck = check("WeekCheck", "Show week as Mon-Sun", sheet);
    connect(WeekCheck, &QCheckBox::clicked, this,
            [this] { weekStartsMonday_ = WeekCheck->isChecked(); });

    auto* outdated = new QGroupBox(QStringLiteral("Delete Outdated Entries"), sheet);
    Delete = plainButton("Delete", QStringLiteral("Delete Now!"), outdated);
    EmptyBin = plainButton("EmptyBin", QStringLiteral("&Empty recycle bin"), outdated);
    auto* outdatedRow = new QHBoxLayout(outdated);
    outdatedRow->addWidget(Delete);
    outdatedRow->addWidget(EmptyBin);
    connect(Delete, &QPushButton::clicked, this, &TOptionsForm::DeleteClick);
    connect(EmptyBin, &QPushButton::clicked, this, &TOptionsForm::EmptyBinClick);

    auto* layout = new QGridLayout(sheet);
    layout->addWidget(intervals, 0, 0);
    layout->addWidget(format, 0, 1);
    auto* soundRow = new QHBoxLayout;
    soundRow->addWidget(soundLabel);
    soundRow->addWidget(AlarmEdit, 1);
    soundRow->addWidget(Button1);
    soundRow->addWidget(MediaPlayer1);
    layout->addLayout(soundRow, 1, 0, 1, 2);
    auto* repeatRow = new QHBoxLayout;
    repeatRow->addWidget(playLabel);
    repeatRow->addWidget(AlarmUpDown);
    repeatRow->addWidget(new QLabel(QStringLiteral("times"), sheet));
    repeatRow->addStretch();
    layout->addLayout(repeatRow, 2, 0, 1, 2);
    layout->addWidget(WeekCheck, 3, 0, 1, 2);
    layout->addWidget(outdated, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    return sheet;
}

QWidget* TOptionsForm::buildTypeSheet() {
    auto* sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("TypeSheet"));
    auto* group = new QGroupBox(QStringLiteral("User defined calendar item types"), sheet);
    TypeListBox = new QListWidget(group);
    TypeListBox->setObjectName(QStringLiteral("TypeListBox"));
    TypeListBox->setAccessibleName(QStringLiteral("User defined calendar item types"));
    AddButton = plainButton("AddButton", QStringLiteral("&Add"), group);
    EditButton = plainButton("EditButton", QStringLiteral("&Edit"), group);
    DeleteButton = plainButton("DeleteButton", QStringLiteral("&Delete"), group);
    connect(AddButton, &QPushButton::clicked, this, &TOptionsForm::AddButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TOptionsForm::EditButtonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TOptionsForm::DeleteButtonClick);
    auto* row = new QHBoxLayout(group);
    row->addWidget(TypeListBox, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(AddButton);
    buttons->addWidget(EditButton);
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(sheet);
    layout->addWidget(group);
    return sheet;
}

void TOptionsForm::Prepare(const DisplaySettings& values) {
    handedIn_ = values;
    timeInterval_ = values.timeInterval;
    timeFormat_ = values.timeFormat;
    weekStartsMonday_ = values.weekStartsMonday;
    AlarmUpDown->setValue(values.alarmRepeat);
    SplashCheck->setChecked(values.splashScreen);
    LaunchCheck->setChecked(values.launchOnStartup);
    OpenCheck->setChecked(values.openOnStartup);
    if (values.datePeriodMode >= 0 && values.datePeriodMode < int(DateEntryType.size())) {
        DateEntryType[std::size_t(values.datePeriodMode)]->setChecked(true);
    }
}

void TOptionsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TOptionsForm::FormActivate() {
    // A group where no button is to be ticked: exclusive groups keep one once it is ticked.
    const auto tick = [](std::initializer_list<std::pair<QRadioButton*, bool>> buttons) {
        for (const auto& [button, on] : buttons) {
            button->setAutoExclusive(false);
            button->setChecked(on);
            button->setAutoExclusive(true);
        }
    };
    tick({{Radio15, timeInterval_ == 15},
          {Radio30, timeInterval_ == 30},
          {Radio60, timeInterval_ == 60}});
    tick({{Radio12, timeFormat_ == 12}, {Radio24, timeFormat_ == 24}});
    showRatio();
    WeekCheck->setChecked(weekStartsMonday_);
    fillTypeList();
    const QSignalBlocker loading(AlarmEdit); // shown, not changed: nothing to write
    AlarmEdit->setText(QString::fromStdString(LoadAlarmSound(services_.settings)));
}

DisplaySettings TOptionsForm::takeBack(DisplaySettings values) const {
    values.timeInterval = timeInterval_;
    values.timeFormat = timeFormat_;
    values.weekStartsMonday = weekStartsMonday_;
    values.alarmRepeat = AlarmUpDown->value();
    values.splashScreen = SplashCheck->isChecked();
    values.launchOnStartup = LaunchCheck->isChecked();
    values.openOnStartup = OpenCheck->isChecked();
    // With no item ticked (a stored mode the group does not offer) the mode stays as it was.
    if (periodGroup_->checkedId() >= 0) {
        values.datePeriodMode = periodGroup_->checkedId();
    }
    return values;
}

void TOptionsForm::showRatio() {
    Ratio->setText(QString::fromStdString(ratioText(addressRatio_)));
}

void TOptionsForm::SpeedButton1Click() {
    addressRatio_ = ratioUp(addressRatio_);
    showRatio();
}

void TOptionsForm::SpeedButton2Click() {
    addressRatio_ = ratioDown(addressRatio_);
    showRatio();
}

void TOptionsForm::Button1Click() {
    OpenFileRequest request;
    request.caption = QStringLiteral("Alaram sound");
    request.filter = QStringLiteral("Wav files (*.wav *.WAV)");
    request.fileMustExist = true;
    if (!AlarmEdit->text().isEmpty()) {
        request.initialDirectory = QFileInfo(AlarmEdit->text()).absolutePath();
    }
    if (const std::optional<QString> path = services_.files.openFile(this, request)) {
        AlarmEdit->setText(*path);
    }
}

void TOptionsForm::AlarmEditChange() {
    std::string reason;
    if (SaveAlarmSound(services_.settings, AlarmEdit->text().toStdString(), &reason)) {
        soundProblemShown_ = false;
        return;
    }
    if (!soundProblemShown_) {
        soundProblemShown_ = true;
        reportWriteError(services_.messages, this, reason);
    }
}

void TOptionsForm::MediaPlayer1Click() {
    if (AlarmEdit->text().isEmpty()) {
        return;
    }
    player_->setFileName(AlarmEdit->text());
    player_->open();
    player_->play();
}

void TOptionsForm::closePlayer() {
    player_->close();
}

void TOptionsForm::LaunchCheckClick() {
    if (LaunchCheck->isChecked()) {
        reportWriteError(services_.messages, this,
                         saveDataDir(services_.settings, services_.dataDir.string()));
    }
}

void TOptionsForm::DeleteClick() {
    std::string error;
    if (DeleteOutdatedEntries(services_.dataDir, today(services_.clock), &error) > 0) {
        dataChanged_ = true;
    }
    reportWriteError(services_.messages, this, error);
}

void TOptionsForm::EmptyBinClick() {
    reportWriteError(services_.messages, this, EmptyRecycleBin(services_.dataDir));
}

bool TOptionsForm::fillTypeList() {
    std::vector<EntryType> types;
    if (!readWithRetry(services_.messages, this, [&] { types = listTypes(services_.dataDir); })) {
        return false;
    }
    TypeListBox->clear();
    typeCodes.clear();
    for (const EntryType& type : types) {
        typeCodes.push_back(type.code);
        TypeListBox->addItem(fromStored(type.name));
    }
    return true;
}

int TOptionsForm::selectedType() const {
    const QList<QListWidgetItem*> selected = TypeListBox->selectedItems();
    return selected.isEmpty() ? -1 : TypeListBox->row(selected.front());
}

void TOptionsForm::AddButtonClick() {
    TTypeForm form(QString(), this);
    form.setWindowTitle(QStringLiteral("Add new type"));
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const RecordResult added = addType(services_.dataDir, toStored(form.name()));
    reportWriteError(services_.messages, this, added.error);
    dataChanged_ = dataChanged_ || added.ok();
    fillTypeList();
}

void TOptionsForm::EditButtonClick() {
    const int row = selectedType();
    if (row < 0) {
        services_.messages.show(this, QStringLiteral("Select item to edit"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    }
    TTypeForm form(TypeListBox->item(row)->text(), this);
    form.setWindowTitle(QStringLiteral("Edit type"));
    if (form.exec() != QDialog::Accepted) {
        return;
    }
    const RecordResult renamed =
        renameType(services_.dataDir, typeCodes[std::size_t(row)], toStored(form.name()));
    reportWriteError(services_.messages, this, renamed.error);
    dataChanged_ = dataChanged_ || renamed.ok();
    fillTypeList();
}

void TOptionsForm::DeleteButtonClick() {
    const int row = selectedType();
    if (row < 0) {
        services_.messages.show(this, QStringLiteral("Select item to delete"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const std::int32_t code = typeCodes[std::size_t(row)];
    int users = 0;
    if (!readWithRetry(services_.messages, this,
                       [&] { users = countEntriesOfType(services_.dataDir, code); })) {
        return;
    }
    // Entries keep the code of a deleted type, so the question says how many lose their name.
    const QString question = users == 0 ? QStringLiteral("Delete item?")
                                        : QStringLiteral("Delete item?\n\n") + useText(users);
    if (services_.messages.show(this, question, QStringLiteral("Confirmation"),
                                MessageButtons::OkCancel,
                                MessageIcon::Question) != MessageResult::Ok) {
        return;
    }
    const RecordResult deleted = deleteType(services_.dataDir, code);
    reportWriteError(services_.messages, this, deleted.error);
    dataChanged_ = dataChanged_ || deleted.ok();
    fillTypeList();
}

void TOptionsForm::OKClick() {
    if (setRunAtLogon_) {
        reportWriteError(services_.messages, this, setRunAtLogon_(LaunchCheck->isChecked()));
    }
    closePlayer();
    accept();
}

void TOptionsForm::CancelClick() {
    // Cancel takes the values back as OK does; only the logon entry is left as it was.
    closePlayer();
    accept();
}
