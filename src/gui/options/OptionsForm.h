#pragma once

#include "settings/Settings.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;
class SoundPlayer;
struct Services;

// The options dialog: the user's preferences on three pages, and the entry types. The values
// handed in come back through takeBack() once the dialog closed with OK or Cancel; the ratio,
// the alarm sound, "Delete Now!", "&Empty recycle bin" and the types act at once.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    // Adds or removes the entry that starts the program at logon; returns why it could not,
    // empty on success.
    using RunAtLogon = std::function<std::string(bool on)>;

    // `addressRatio` is the main window's, which the ratio buttons change at once.
    TOptionsForm(Services& services, std::int32_t& addressRatio, RunAtLogon setRunAtLogon,
                 QWidget* parent = nullptr);
    ~TOptionsForm() override;

    // Hands in the main window's values.
    void Prepare(const trevik::DisplaySettings& values);
    // The values handed in, with what the dialog changed.
    trevik::DisplaySettings takeBack(trevik::DisplaySettings values) const;
    // Whether calendar entries or types changed here, so the calendar shows them anew.
    bool dataChanged() const { return dataChanged_; }

    // Shows the handed-in values; runs when the dialog first shows.
    void FormActivate();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button1Click();
    void AlarmEditChange();
    void MediaPlayer1Click();
    void LaunchCheckClick();
    void DeleteClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void OKClick();
    void CancelClick();
    void closePlayer();

    // Controls.
    QTabWidget* OptionsPage;
    QWidget* DisplaySheet;
    QWidget* MiscSheet;
    QWidget* TypeSheet;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QLineEdit* Ratio;
    QCheckBox* SplashCheck;
    QCheckBox* LaunchCheck;
    QCheckBox* OpenCheck;
    std::vector<QRadioButton*> DateEntryType;
    QRadioButton* Radio15;
    QRadioButton* Radio30;
    QRadioButton* Radio60;
    QRadioButton* Radio24;
    QRadioButton* Radio12;
    QLineEdit* AlarmEdit;
    QPushButton* Button1;
    QToolButton* MediaPlayer1;
    QSpinBox* AlarmUpDown;
    QCheckBox* WeekCheck;
    QPushButton* Delete;
    QPushButton* EmptyBin;
    QListWidget* TypeListBox;
    QPushButton* AddButton;
    QPushButton* EditButton;
    QPushButton* DeleteButton;
    QPushButton* OK;
    QPushButton* Cancel;
    // The code of the type each line of TypeListBox shows.
    std::vector<std::int32_t> typeCodes;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    // The recycle bin is not in this program yet: the button says so.
    void EmptyBinClick();

private:
    QWidget* buildDisplaySheet();
    QWidget* buildMiscSheet();
    QWidget* buildTypeSheet();
    void showRatio();
    // Refills the type list from the type file; false when the user gave up a failed read.
    bool fillTypeList();
    int selectedType() const;

    Services& services_;
    std::int32_t& addressRatio_;
    RunAtLogon setRunAtLogon_;
    std::unique_ptr<SoundPlayer> player_;
    QButtonGroup* periodGroup_;
    trevik::DisplaySettings handedIn_;
    // The dialog's own copies, set by the radio buttons and the week box.
    std::int32_t timeInterval_ = 15;
    std::int32_t timeFormat_ = 24;
    bool weekStartsMonday_ = false;
    bool activated_ = false;
    bool dataChanged_ = false;
    // A sound path that cannot be stored is told once, not at every keystroke.
    bool soundProblemShown_ = false;
};
