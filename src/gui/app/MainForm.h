#pragma once

#include "common/DateTime.h"
#include "settings/Settings.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;
struct Services;

enum class FindMatch { NoMatch = 1, Match = 2 };
enum class Pane { Address, Calendar };

struct FindState {
    FindMatch address = FindMatch::NoMatch;
    FindMatch calendar = FindMatch::NoMatch;
};

// The main window: composes the panes and bars, owns the shared view state and routes the
// commands of its menus, its toolbar and the tray icon.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // `arguments` are the command-line arguments without the program name.
    TMainForm(Services& services, QStringList arguments, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Life cycle.
    void FormActivate();
    void RestoreMainWindow();
    void MinimizeToTray();
    void MainExitClick();
    void MainCloseTrayClick();
    void MainAboutClick();

    // Tray menu.
    void TrayOpenClick();
    void TrayTodayClick();
    void TrayExitClick();

    // State shared with the panes and dialogs.
    Pane activePane = Pane::Calendar;
    FindState findState;
    std::int32_t sortColumn = 0;
    std::int32_t calendarViewCode = trevik::kDayView;
    trevik::DayNumber calendarDate = 0;
    std::int32_t calendarTopRow = 1;
    bool toolbarVisible = true;
    bool buttonBarVisible = true;
    bool calendarWidened = false;
    trevik::DisplaySettings display;
    std::int32_t installationUid = 0;

    QMenu* TrayMenu = nullptr;

signals:
    // The program should end (Exit was chosen and the last state is saved).
    void exitRequested();
    // An exchange file named on the command line waits for the update dialog.
    void exchangeFileRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void changeToDataDirectory();
    void buildMainMenu();
    void buildTrayMenu();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {});

    Services& services_;
    QStringList arguments_;
    bool activated_ = false;
    bool exiting_ = false;
    trevik::AddressColumnWidths addressColumns_ = trevik::kDefaultAddressColumns;
    trevik::CalendarColumnWidths calendarColumns_ = trevik::kDefaultCalendarColumns;
};
