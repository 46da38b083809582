#pragma once

#include "editor/EditorSetup.h"
#include "editor/EntryBuild.h"
#include "editor/EntryKind.h"
#include "editor/LimitedMemo.h"
#include "settings/Settings.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
struct Services;

// The entry editor: a contact in its upper half and a calendar entry in its lower half,
// each new or existing, the entry optionally linked to the contact.
class TAddNewForm : public QDialog {
    Q_OBJECT
public:
    // `installationUid` gives the UID that new records carry, or 0 when it cannot be stored
    // (the user has been told why): then no new record is made.
    // The pickers follow `display`: the time slots' interval and the first day of the week.
    TAddNewForm(Services& services, const trevik::DisplaySettings& display,
                std::function<std::int32_t()> installationUid, QWidget* parent = nullptr);

    // Fills the halves as the editor mode and the last find decided.
    void Prepare(const trevik::EditorSetup& setup);

    // Address half.
    QLineEdit* NameEdit;
    QLineEdit* WorkEdit;
    QLineEdit* HomeEdit;
    QLineEdit* FaxEdit;
    QLineEdit* MobileEdit;
    QLineEdit* EmailEdit;
    QLineEdit* WWWEdit;
    LimitedMemo* AddressEdit;
    LimitedMemo* MiscEdit;
    QPushButton* SaveAddr;
    QPushButton* SaveAddrAsNew;
    // Calendar half.
    LimitedMemo* CommentEdit;
    QComboBox* TypeCombo;
    QLineEdit* DateFromEdit;
    QLineEdit* DateToEdit;
    QLineEdit* TimeFromEdit;
    QLineEdit* TimeToEdit;
    QLineEdit* AlarmEdit;
    QLineEdit* FileLinkEdit;
    QPushButton* DateFromButton;
    QPushButton* DateToButton;
    QPushButton* TimeFromButton;
    QPushButton* TimeToButton;
    QPushButton* AlarmButton;
    QPushButton* FileLinkButton;
    QComboBox* RepeatCombo;
    QLineEdit* TypeOfData;
    QCheckBox* Link;
    QPushButton* SaveCal;
    QPushButton* SaveCalAsNew;
    QPushButton* Cancel;

    // Editor state.
    std::int32_t editAddressId = 0;
    std::int32_t editEntryId = 0;
    std::int32_t typeCode = 0;
    QStringList typeCodes;
    bool addressEditable = false;
    bool entryEditable = false;
    bool focusComment = false;
    bool addressSaved = false;
    bool changed = false;
    bool plannerMode = false;
    trevik::EntryPresence presence;

    void SaveAddrClick();
    void SaveAddrAsNewClick();
    void SaveCalClick();
    void SaveCalAsNewClick();
    void CancelClick();
    void DateFromExit();
    void DateToExit();
    void FormActivate();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildAddressHalf(class QGroupBox* group);
    void buildCalendarHalf(class QGroupBox* group);
    void loadTypes();
    void loadContact(const trevik::Contact& contact);
    void loadEntry(const trevik::CalendarEntry& entry);
    void presenceChanged();
    void addressEdited();
    void entryEdited();
    bool readDateBox(QLineEdit* edit, std::optional<trevik::DayNumber>& date);
    void showWrongDate();
    void dateExit(QLineEdit* edit, std::optional<trevik::DayNumber>& date);
    trevik::DayNumber dayInBox(const QLineEdit* edit,
                               const std::optional<trevik::DayNumber>& date) const;
    void pickDate(QLineEdit* edit, std::optional<trevik::DayNumber>& date);
    void pickTime(QLineEdit* edit, bool keepOnEmpty);
    void pickFileLink();
    bool fileLinkFits(const QString& path);
    bool offerSaveAsNew(const QString& record);
    bool saveAddress(bool asNew, bool mayClose);
    bool saveEntry(bool asNew);
    bool saveChangedHalves();
    bool reportIoError(const std::string& error);
    void LinkEnter();

    Services& services_;
    trevik::DisplaySettings display_;
    std::function<std::int32_t()> installationUid_;
    // The UID for a new record; 0, after saying so, when there is none.
    std::int32_t uidForNewRecord();
    void showInputProblem(const trevik::InputProblem& problem);
    std::optional<trevik::DayNumber> dateFrom_;
    std::optional<trevik::DayNumber> dateTo_;
    bool closing_ = false;
    // Set while the editor fills its controls, which is no change of the user's.
    bool loading_ = true;
    // Which half "Save changes?" saves.
    bool addressChanged_ = false;
    bool entryChanged_ = false;
};
