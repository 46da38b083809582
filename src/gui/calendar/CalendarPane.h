#pragma once

#include "settings/Settings.h"

#include <QObject>

class QPushButton;
class QTableWidget;
class TMainForm;
struct Services;

// The right half of the main window: the calendar grid and its buttons.
class CalendarPane final : public QObject {
    Q_OBJECT
public:
    CalendarPane(TMainForm& main, Services& services, QWidget* paneParent,
                 QWidget* buttonBarParent);

    QTableWidget* CalendarView;
    QWidget* CalButtonBar;
    QPushButton* CalNew;
    QPushButton* CalEdit;
    QPushButton* CalDelete;
    QPushButton* CalView;
    QPushButton* CalLeft;
    QPushButton* Today;
    QPushButton* CalRight;

    void ApplyColumnWidths(const trevik::CalendarColumnWidths& widths);
    // (rows + fixed rows) x default row height: whether the grid needs its scroll bar.
    int rowsHeight() const;
    trevik::CalendarColumnWidths columnWidths() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& main_;
};
