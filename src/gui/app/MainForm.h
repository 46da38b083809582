#pragma once

#include "common/DateTime.h"
#include "settings/Settings.h"
#include "shell/MainLayout.h"

#include <QMainWindow>
#include <QStringList>

#include <array>

class AddressPane;
class CalendarPane;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class TStopwatchForm;
class TTimerForm;
struct Services;

enum class FindMatch { NoMatch = 1, Match = 2 };
enum class Pane { Address, Calendar };

struct FindState {
    FindMatch address = FindMatch::NoMatch;
    FindMatch calendar = FindMatch::NoMatch;
};

// The main window: composes the panes and bars, owns the shared view state and routes the
// commands of its menus, its toolbar, its find bar and the tray icon.
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
    void MainHelpClick();

    // Find bar.
    void FindEditChange();
    void MainCloseClick();

    // Commands routed by the pane that last had the focus.
    void MainNewClick();
    void MainEditClick();
    void MainOKClick();
    void MainDeleteClick();
    void MainEmailClick();
    void MainWWWClick();
    void MainSelectAllClick();
    void SetUpContextMenu(Pane pane);

    // View.
    void MainToolbarClick();
    void MainButtonBarClick();
    void FormResize();
    void LayoutPanes();
    void RebuildCalendar();

    // Tray menu.
    void TrayOpenClick();
    void TrayTodayClick();
    void TrayNewClick();
    void TrayExitClick();

    // Desk tools (MainFormTools.cpp): the menu, toolbar and tray entries all come here.
    void MainTimerClick();
    void MainStopwatchClick();
    void MainNotesClick();
    TTimerForm* TimerForm = nullptr;
    TStopwatchForm* StopwatchForm = nullptr;

    // Exchange (MainFormExchange.cpp): the Update dialog and the recycle bin.
    void MainUpdateClick();
    void OpenUpdateDialog(const QString& exchangeFile);
    void MainRecycleBinClick();
    // After an update wrote settings: the display settings, window position, column widths
    // and calendar pane, in that order.
    void ReloadUpdatedSettings();

    // Opens the entry editor in one of its modes (new, edit, from the find bar, ...).
    void OpenEditor(int mode);
    // As the pane buttons and double-clicks do: one half of findState set for the call.
    void OpenEditorFor(Pane pane, FindMatch match, int mode);

    static void SetDefaultButton(QPushButton* button, bool bold);

    // State shared with the panes and dialogs.
    Pane activePane = Pane::Calendar;
    FindState findState;
    std::int32_t sortColumn = 0;
    std::int32_t calendarViewCode = trevik::kDayView;
    trevik::DayNumber calendarDate = 0;
    std::int32_t calendarTopRow = 1;
    bool toolbarVisible = true;
    bool buttonBarVisible = true;
    trevik::DisplaySettings display;
    // 0 while it could not be stored: then no record may be made (see loadInstallationUid).
    std::int32_t installationUid = 0;
    // Loads (or makes and stores) the installation UID; false, after telling the user once,
    // when it cannot be stored.
    bool loadInstallationUid();

    // Controls.
    QWidget* Client = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QFrame* FindBar = nullptr;
    QLabel* FindLabel = nullptr;
    QLineEdit* FindEdit = nullptr;
    QPushButton* MainOK = nullptr;
    QPushButton* WWW = nullptr;
    QPushButton* MainClose = nullptr;
    QFrame* ButtonBar = nullptr;
    AddressPane* addressPane = nullptr;
    CalendarPane* calendarPane = nullptr;
    std::array<QLabel*, 5> statusPanels{};
    QMenu* RightContext = nullptr;
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
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormPaint();
    void changeToDataDirectory();
    bool uidProblemShown_ = false;
    void buildClientArea();
    void buildFindBar();
    void buildStatusBar();
    void buildMainMenu();
    void buildToolBar();
    void buildContextMenu();
    void buildTrayMenu();
    void createDeskTools();
    void destroyDeskTools();
    // The tray menu's tool entries show the running tools' readings.
    void SetTrayToolCaptions();
    // MinimizeToTray's last steps: a running tool's visible window stays on screen.
    void keepRunningToolsOnScreen();
    void FindEditKeyDown(QKeyEvent* event);
    void openContactLink(bool email);
    void applyLayout();
    trevik::WindowMetrics metrics() const;
    QAction* action(const char* name) const;

    Services& services_;
    QStringList arguments_;
    bool activated_ = false;
    bool exiting_ = false;
    trevik::MainLayout layout_;
};
