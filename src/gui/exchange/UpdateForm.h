#pragma once

#include "exchange/UpdateChoices.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct Services;

// What applying an update asks of the main window.
struct UpdateWindowHooks {
    // Right after the settings were written: reload what the window shows of them.
    std::function<void()> reloadSettings;
    // After every run: refill the address list and find in the calendar.
    std::function<void()> refresh;
};

// The Update dialog: preparing an exchange file above, applying one below.
class TUpdateForm : public QDialog {
    Q_OBJECT
public:
    TUpdateForm(Services& services, UpdateWindowHooks hooks, QWidget* parent = nullptr);

    // A file named on the command line, put into the file box when the dialog first shows.
    void SetExchangeFile(const QString& path);

    void FormActivate();
    void PrepareButtonClick();
    void BrowseButtonClick();
    void UpdateButtonClick();
    void CancelClick();
    void LoadDialogState();
    void SaveDialogState();

    QWidget* PreparePanel = nullptr;
    QPushButton* PrepareButton = nullptr;
    QWidget* UpdatePanel = nullptr;
    QCheckBox* SettingsCheck = nullptr;
    QCheckBox* AddressCheck = nullptr;
    QCheckBox* CalendarCheck = nullptr;
    QLineEdit* UpdateFile = nullptr;
    QPushButton* BrowseButton = nullptr;
    QGroupBox* NewDataGroup = nullptr;
    QGroupBox* ChangedGroup = nullptr;
    QGroupBox* DeletedGroup = nullptr;
    QPushButton* UpdateButton = nullptr;
    QPushButton* Cancel = nullptr;

    // The exchange directory that preparing starts in (kept for the dialog's life).
    QString exchangeDir;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    QGroupBox* choiceGroup(const char* name, const char* caption, QButtonGroup*& buttons);
    trevik::UpdateChoice choiceOf(const QButtonGroup* buttons) const;
    void setChoice(QButtonGroup* buttons, trevik::UpdateChoice choice);
    trevik::UpdateDialogState state() const;

    Services& services_;
    UpdateWindowHooks hooks_;
    QButtonGroup* newButtons_ = nullptr;
    QButtonGroup* changedButtons_ = nullptr;
    QButtonGroup* deletedButtons_ = nullptr;
    QString handedOver_;
    bool activated_ = false;
};
