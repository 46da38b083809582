#pragma once

#include "calendar/AlarmSchedule.h"
#include "common/DateTime.h"
#include "host/PaneHost.h"
#include "settings/Settings.h"
#include "shell/MainLayout.h"
#include "shell/StartArguments.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>
#include <string>

class AddressPane;
class CalendarPane;
class DataFilesWatcher;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QTimer;
class QToolButton;
class SoundPlayer;
class TAlarmForm;
class TSearchForm;
class QUrl;
class TStopwatchForm;
class TTimerForm;
struct Services;

// The main window: composes the panes and bars, owns the shared view state and routes the
// commands of its menus, its toolbar, its find bar and the tray icon.
class TMainForm : public QMainWindow, public PaneHost {
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
    // Shows what another program changed in the data files, keeping each pane's selection and
    // scroll position.
    void showChangedAddresses();
    void showChangedCalendar();
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

    // Clipboard (MainFormClipboard.cpp): the menu, toolbar and context entries all act on the
    // active pane.
    void ContextCutClick();
    void ContextCopyClick();
    void ContextPasteClick();
    void ContextCopySpecialClick();
    void MainSpecialClick();

    // The search dialog (MainFormSearch.cpp), made once with the window.
    void MainSearchClick();
    void MainFindNextClick();
    TSearchForm* SearchForm = nullptr;

    // View.
    void MainToolbarClick();
    void MainButtonBarClick();
    void FormResize();
    void LayoutPanes();

    // Tray menu.
    void TrayOpenClick();
    void TrayTodayClick();
    void TrayNewClick();
    // The desktop entry's actions and an exchange file, asked by this start's arguments or
    // handed on by a second start. With a modal dialog open it only brings the window up.
    void handleStart(const trevik::StartArguments& asked);
    void TrayExitClick();

    // Desk tools (MainFormTools.cpp): the menu, toolbar and tray entries all come here.
    void MainTimerClick();
    void MainStopwatchClick();
    void MainNotesClick();
    TTimerForm* TimerForm = nullptr;
    TStopwatchForm* StopwatchForm = nullptr;

    // What the panes, dialogs and desk tools ask of the window (PaneHost.h).
    ViewState& viewState() override;
    QWidget* dialogParent() override;
    DataFilesWatcher& dataFiles() override;
    // Exchange (MainFormExchange.cpp): the Update dialog and the recycle bin.
    void MainUpdateClick();
    void OpenUpdateDialog(const QString& exchangeFile);
    void MainRecycleBinClick();
    void MainImportClick();
    void MainExportClick();
    // After an update wrote settings: the display settings, window position, column widths
    // and calendar pane, in that order.
    void ReloadUpdatedSettings();

    // Alarms (MainFormAlarms.cpp): checked at the start of every minute of the run.
    bool CheckAlarms();
    void MainAlarmTimerTimer();
    void MainPlayerNotify();
    TAlarmForm* AlarmForm = nullptr;
    QTimer* MainAlarmTimer = nullptr;
    std::unique_ptr<SoundPlayer> MainPlayer;

    // The yearly planner and the options dialog (MainFormDialogs.cpp).
    void MainCalPlannerClick();
    void MainOptionsClick();

    // 0 while it could not be stored: then no record may be made (see loadInstallationUid).
    std::int32_t installationUid() const override;
    QString findText() const override;
    void focusFind() override;
    void startFind(const QString& text) override;
    void openEditor(int mode) override;
    void openEditorFor(Pane pane, FindMatch match, int mode) override;
    void refresh(Change what) override;
    void selectContact(std::int32_t id) override;
    void showContextMenu(Pane pane, const QPoint& globalPos) override;
    void layOut() override;
    void bringToFront() override;
    bool openLink(const QUrl& url, const QString& shown) override;

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
    void createSearchForm();
    // Paste of a vCard (MainFormClipboard.cpp): its cards merged into the address book.
    void PasteVCard(const std::string& text);
    // Says in the status bar's first panel, for a while, what a command did.
    void showStatusNote(const QString& note);
    void createDeskTools();
    void destroyDeskTools();
    void createAlarms();
    void destroyAlarms();
    void armAlarmTimer();
    // The tray menu's tool entries show the running tools' readings.
    void SetTrayToolCaptions();
    // MinimizeToTray's last steps: a running tool's visible window stays on screen.
    void keepRunningToolsOnScreen();
    void FindEditKeyDown(QKeyEvent* event);
    void refillAddresses();
    // The calendar half of the find box: selects the first entry that starts with its text.
    void findInCalendar();
    void rebuildCalendar();
    void showFirstSelectedInFull();
    void openContactLink(bool email);
    void applyLayout();
    int findBarButtonWidth() const;
    void placeFindBarButtons();
    trevik::WindowMetrics metrics() const;
    QAction* action(const char* name) const;

    Services& services_;
    QStringList arguments_;
    ViewState view_;
    std::int32_t installationUid_ = 0;
    DataFilesWatcher* dataFiles_ = nullptr;
    bool activated_ = false;
    bool exiting_ = false;
    trevik::MainLayout layout_;
    trevik::AlarmSchedule alarmSchedule_;
    // A calendar that cannot be read is told once, not every minute, until it reads again.
    bool alarmReadProblemShown_ = false;
};
