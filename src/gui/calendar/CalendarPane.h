#pragma once

#include "calendar/CalendarRows.h"
#include "calendar/RowPlace.h"
#include "editor/EditorSetup.h"
#include "settings/Settings.h"
#include "shell/MainLayout.h"

#include <QObject>

#include <optional>
#include <utility>
#include <vector>

class CalendarRowsModel;
class QMenu;
class QPushButton;
class QTableView;
class PaneHost;
struct Services;

// The right half of the main window: the calendar grid, its buttons and view menu, and
// what its mouse, keyboard and drops do.
class CalendarPane final : public QObject {
    Q_OBJECT
public:
    CalendarPane(PaneHost& host, Services& services, QWidget* paneParent, QWidget* buttonBarParent);

    QTableView* CalendarView;
    QWidget* CalButtonBar;
    QPushButton* CalNew;
    QPushButton* CalEdit;
    QPushButton* CalDelete;
    QPushButton* CalView;
    QPushButton* CalLeft;
    QPushButton* Today;
    QPushButton* CalRight;
    QMenu* CalViewMenu;

    // Column widths and titles from the settings, the first build, the layout.
    void SetUpCalendarPane();
    // Rebuilds the rows for the host's view and date and shows them.
    void Rebuild();
    // Rebuilds as Rebuild does and keeps the first visible row where it was.
    void rebuildInPlace();
    // Scrolls so that the view state's calendarTopRow is the first visible row.
    void ShowTopRow();
    // Selects the first entry row whose comment starts with the text; false when none does.
    bool FindInCalendar(const QString& text);
    void SelectView(std::int32_t viewCode);
    // Places the grid and the buttons where the window's layout puts them; the grid stops at
    // `clientWidth`.
    void applyLayout(const trevik::MainLayout& layout, int clientWidth);

    void CalLeftClick();
    void CalRightClick();
    void TodayClick();
    void CalDeleteClick();
    void CalViewClick();

    const trevik::CalendarRowList& rows() const;
    // The top and bottom grid rows (one-based) of the selection; both 0 when nothing is selected.
    std::pair<int, int> selectedGridRows() const;
    // The top row of the grid's selection, as the entry editor takes it.
    trevik::CalendarSelection selection() const;
    // The built row of a grid row (one-based), or null.
    const trevik::CalendarRow* rowAt(int gridRow) const;
    // (rows + fixed rows) x default row height: whether the grid needs its scroll bar.
    int rowsHeight() const;
    trevik::CalendarColumnWidths columnWidths() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The selected rows and the current one, by what they show, so that a rebuild can find
    // them again.
    struct KeptSelection {
        std::vector<trevik::RowPlace> selected;
        std::optional<trevik::RowPlace> current;
        int currentColumn = 1;
    };
    KeptSelection keepSelection() const;
    void restoreSelection(const KeptSelection& kept);
    void buildButtons(QWidget* parent);
    void buildViewMenu();
    void step(int direction);
    void CalendarViewMouseDown(const QPoint& position);
    int selectedTopGridRow() const;

    PaneHost& host_;
    Services& services_;
    CalendarRowsModel* model_;
};
