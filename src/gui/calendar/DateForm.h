#pragma once

#include <QDialog>

class QCalendarWidget;
class QDate;
class QLineEdit;
class QPushButton;
class QToolButton;

// Picks a date, opened on `shown` with the week starting on Monday or Sunday. After OK the
// year, month and day are those of the chosen day; after "Clear" all three are 0 (the
// caller's "no date"); Cancel rejects.
class TDateForm : public QDialog {
    Q_OBJECT
public:
    TDateForm(const QDate& shown, bool weekStartsMonday, QWidget* parent = nullptr);

    QLineEdit* Naslov;
    QToolButton* PrevMonth;
    QToolButton* NextMonth;
    QCalendarWidget* Kalendar;
    QPushButton* OKButton;
    QPushButton* ClearButton;
    QPushButton* CancelButton;

    int year = 0;
    int month = 0;
    int day = 0;

    void PrevMonthClick();
    void NextMonthClick();
    void OKButtonClick();
    void ClearButtonClick();

private:
    void pageTo(int yearValue, int monthValue);
    void updateTitle();
};
