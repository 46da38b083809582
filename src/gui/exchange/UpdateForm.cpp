#include "exchange/UpdateForm.h"

#include "exchange/ExchangeFile.h"
#include "exchange/PrepareExchange.h"
#include "exchange/ReplaceForm.h"
#include "exchange/UpdateApplier.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "storage/FileError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace trevik;

namespace {

const QString kFilter = QStringLiteral("Trevik exchange files (*.tvx *.TVX)");
const QString kResult = QStringLiteral("Update result");
const QString kIoError = QStringLiteral("IO Error");

QString fromLocal(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TUpdateForm::TUpdateForm(Services& services, UpdateWindowHooks hooks, QWidget* parent)
    : QDialog(parent), services_(services), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("UpdateForm"));
    setWindowTitle(QStringLiteral("Update Data"));
    auto* layout = new QVBoxLayout(this);

    auto* prepare = new QGroupBox(this);
    PreparePanel = prepare;
    PreparePanel->setObjectName(QStringLiteral("PreparePanel"));
    auto* prepareLayout = new QHBoxLayout(PreparePanel);
    PrepareButton = new QPushButton(QStringLiteral("Prepare for update"), PreparePanel);
    PrepareButton->setObjectName(QStringLiteral("PrepareButton"));
    prepareLayout->addWidget(PrepareButton);
    prepareLayout->addStretch();
    layout->addWidget(PreparePanel);

    auto* update = new QGroupBox(this);
    UpdatePanel = update;
    UpdatePanel->setObjectName(QStringLiteral("UpdatePanel"));
    auto* grid = new QGridLayout(UpdatePanel);
    const auto check = [&](const char* name, const char* caption) {
        auto* box = new QCheckBox(QString::fromLatin1(caption), UpdatePanel);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(true);
        return box;
    };
    SettingsCheck = check("SettingsCheck", "Update program settings");
    AddressCheck = check("AddressCheck", "Update address book");
    CalendarCheck = check("CalendarCheck", "Update calendar");
    grid->addWidget(SettingsCheck, 0, 0, 1, 3);
    grid->addWidget(AddressCheck, 1, 0, 1, 3);
    grid->addWidget(CalendarCheck, 2, 0, 1, 3);
    auto* fileLabel = new QLabel(QStringLiteral("&File:"), UpdatePanel);
    UpdateFile = new QLineEdit(UpdatePanel);
    UpdateFile->setObjectName(QStringLiteral("UpdateFile"));
    UpdateFile->setAccessibleName(QStringLiteral("File:"));
    UpdateFile->setMinimumWidth(320);
    fileLabel->setBuddy(UpdateFile);
    BrowseButton = new QPushButton(QStringLiteral("Browse..."), UpdatePanel);
    BrowseButton->setObjectName(QStringLiteral("BrowseButton"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(UpdateFile, 1);
    fileRow->addWidget(BrowseButton);
    grid->addLayout(fileRow, 3, 0, 1, 3);
    NewDataGroup = choiceGroup("NewDataGroup", "New data", newButtons_);
    ChangedGroup = choiceGroup("ChangedGroup", "Changed data", changedButtons_);
    DeletedGroup = choiceGroup("DeletedGroup", "Deleted data", deletedButtons_);
    grid->addWidget(NewDataGroup, 4, 0);
    grid->addWidget(ChangedGroup, 4, 1);
    grid->addWidget(DeletedGroup, 4, 2);
    layout->addWidget(UpdatePanel);

    auto* buttons = new QHBoxLayout;
    UpdateButton = new QPushButton(QStringLiteral("Update"), this);
    UpdateButton->setObjectName(QStringLiteral("UpdateButton"));
    Cancel = new QPushButton(QStringLiteral("Close"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    for (QPushButton* b : {PrepareButton, BrowseButton, UpdateButton, Cancel}) {
        b->setAutoDefault(false);
    }
    buttons->addStretch();
    buttons->addWidget(UpdateButton);
    buttons->addWidget(Cancel);
    layout->addLayout(buttons);

    connect(PrepareButton, &QPushButton::clicked, this, &TUpdateForm::PrepareButtonClick);
    connect(BrowseButton, &QPushButton::clicked, this, &TUpdateForm::BrowseButtonClick);
    connect(UpdateButton, &QPushButton::clicked, this, &TUpdateForm::UpdateButtonClick);
    connect(Cancel, &QPushButton::clicked, this, &TUpdateForm::CancelClick);
}

QGroupBox* TUpdateForm::choiceGroup(const char* name, const char* caption, QButtonGroup*& buttons) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), UpdatePanel);
    group->setObjectName(QString::fromLatin1(name));
    buttons = new QButtonGroup(group);
    auto* column = new QVBoxLayout(group);
    int id = 0;
    for (const char* item : {"Update", "Prompt", "No update"}) {
        auto* radio = new QRadioButton(QString::fromLatin1(item), group);
        radio->setObjectName(QString::fromLatin1(name) + QString::number(id));
        buttons->addButton(radio, id++);
        column->addWidget(radio);
    }
    buttons->button(int(UpdateChoice::Prompt))->setChecked(true);
    return group;
}

UpdateChoice TUpdateForm::choiceOf(const QButtonGroup* buttons) const {
    const int id = buttons->checkedId();
    return id >= 0 && id <= 2 ? UpdateChoice(id) : UpdateChoice::Prompt;
}

void TUpdateForm::setChoice(QButtonGroup* buttons, UpdateChoice choice) {
    buttons->button(int(choice))->setChecked(true);
}

void TUpdateForm::SetExchangeFile(const QString& path) {
    handedOver_ = path;
}

void TUpdateForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TUpdateForm::FormActivate() {
    LoadDialogState();
    if (!handedOver_.isEmpty()) {
        UpdateFile->setText(handedOver_);
    }
}

void TUpdateForm::LoadDialogState() {
    const UpdateDialogState stored = trevik::LoadDialogState(services_.settings);
    SettingsCheck->setChecked(stored.options.settings);
    AddressCheck->setChecked(stored.options.address);
    CalendarCheck->setChecked(stored.options.calendar);
    setChoice(newButtons_, stored.options.newData);
    setChoice(changedButtons_, stored.options.changedData);
    setChoice(deletedButtons_, stored.options.deletedData);
    UpdateFile->setText(fromLocal(stored.exchangeFile));
    exchangeDir = fromLocal(stored.exchangeDir);
}

UpdateDialogState TUpdateForm::state() const {
    UpdateDialogState s;
    s.options.settings = SettingsCheck->isChecked();
    s.options.address = AddressCheck->isChecked();
    s.options.calendar = CalendarCheck->isChecked();
    s.options.newData = choiceOf(newButtons_);
    s.options.changedData = choiceOf(changedButtons_);
    s.options.deletedData = choiceOf(deletedButtons_);
    s.exchangeFile = UpdateFile->text().toStdString();
    s.exchangeDir = exchangeDir.toStdString();
    return s;
}

void TUpdateForm::SaveDialogState() {
    const std::string error = trevik::SaveDialogState(services_.settings, state());
    if (!error.empty()) {
        services_.messages.show(
            this,
            QStringLiteral("The choices of this dialog could not be stored:\n") + fromLocal(error),
            kIoError, MessageButtons::Ok, MessageIcon::Warning);
    }
}

void TUpdateForm::CancelClick() {
    SaveDialogState();
    QDialog::reject();
}

void TUpdateForm::reject() {
    CancelClick(); // Escape presses "Close"
}

void TUpdateForm::PrepareButtonClick() {
    exchangeDir = fromLocal(loadExchangeDir(services_.settings));
    OpenFileRequest request;
    request.caption = QStringLiteral("Prepare for update");
    request.filter = kFilter;
    request.initialDirectory = exchangeDir;
    request.fileMustExist = false;
    request.confirmCreate = true;
    const std::optional<QString> chosen = services_.files.openFile(this, request);
    if (!chosen) {
        return;
    }
    const std::string name = chosen->toStdString();
    exchangeDir = fromLocal(exchangeDirOf(name, exchangeDir.toStdString()));
    const PrepareResult result = PrepareExchange(services_.dataDir, services_.settings, name);
    if (result.ok()) {
        services_.messages.show(this,
                                QStringLiteral("Data succesfully prepared for Update\n") + *chosen,
                                kResult, MessageButtons::Ok, MessageIcon::Information);
    } else {
        services_.messages.show(this,
                                QStringLiteral("Preparing data for update unsuccessfull!\n") +
                                    fromLocal(result.error),
                                kResult, MessageButtons::Ok, MessageIcon::Warning);
    }
}

void TUpdateForm::BrowseButtonClick() {
    OpenFileRequest request;
    request.caption = QStringLiteral("Browse");
    request.filter = kFilter;
    request.fileMustExist = false;
    request.confirmCreate = true;
    if (const std::optional<QString> chosen = services_.files.openFile(this, request)) {
        UpdateFile->setText(*chosen);
    }
}

void TUpdateForm::UpdateButtonClick() {
    if (UpdateFile->text().isEmpty()) {
        services_.messages.show(this, QStringLiteral("Choose file to update from"),
                                QStringLiteral("Warning"), MessageButtons::Ok,
                                MessageIcon::Warning);
        return;
    }
    SaveDialogState();
    const QString path = UpdateFile->text();
    std::unique_ptr<FileSource> source;
    try {
        source = std::make_unique<FileSource>(path.toStdString());
    } catch (const FileError& error) {
        services_.messages.show(
            this, QStringLiteral("Update file not existent!\n") + fromLocal(error.what()), kIoError,
            MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (!source->exists()) {
        services_.messages.show(this, QStringLiteral("Update file not existent!"), kIoError,
                                MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    ReplaceFormPrompter prompter(this);
    UpdateApplier applier(services_.dataDir, services_.settings, prompter, services_.locale);
    const UpdateReport report = applier.apply(*source, state().options, hooks_.reloadSettings);
    source.reset();
    if (!report.refused.empty()) {
        services_.messages.show(this, path + QStringLiteral(": ") + fromLocal(report.refused),
                                kIoError, MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    if (hooks_.refresh) {
        hooks_.refresh();
    }
    if (!report.errors.empty()) {
        QString text = QStringLiteral("The update stopped:");
        for (const std::string& error : report.errors) {
            text += QStringLiteral("\n") + fromLocal(error);
        }
        services_.messages.show(this, text, kIoError, MessageButtons::Ok, MessageIcon::Critical);
    }
}
