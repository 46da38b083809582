#pragma once

#include "common/DateTime.h"

#include <QDialog>

class PlannerModel;
class QAction;
class QMenu;
class QPushButton;
class QTableView;
struct Services;

// The yearly planner: one year as months by days, each day marked with one letter per period
// that covers it. Made for one showing; the user pages by year and deletes a period.
class TYearlyForm : public QDialog {
    Q_OBJECT
public:
    explicit TYearlyForm(Services& services, QWidget* parent = nullptr);

    // Shown date = today; build; caption. Runs when the window first shows.
    void FormActivate();
    void PreviousClick();
    void NextClick();
    void DeletePlannerItem1Click();
    // Selects the cell of (month, day) and pops up the context menu at `globalPosition`.
    void YearlyViewMouseDown(int month, int day, const QPoint& globalPosition);

    trevik::DayNumber shownDate() const { return shownDate_; }
    const PlannerModel& model() const { return *model_; }
    // Whether a period was deleted here, so that the calendar pane shows it gone.
    bool deletedAny() const { return deletedAny_; }

    QTableView* YearlyView;
    QPushButton* Previous;
    QPushButton* Button1;
    QPushButton* Next;
    QMenu* PlannerContext;
    QAction* DeletePlannerItem1;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builds the shown date's year; the grid keeps what it showed when the user gives up a
    // read that failed.
    void buildYear();
    void step(int months);
    void fitToGrid();

    Services& services_;
    PlannerModel* model_;
    trevik::DayNumber shownDate_ = 0;
    bool activated_ = false;
    bool deletedAny_ = false;
};
