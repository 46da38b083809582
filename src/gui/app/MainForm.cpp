#include "app/MainForm.h"

#include "app/AboutForm.h"
#include "app/Artwork.h"
#include "platform/Services.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <filesystem>

using namespace trevik;

namespace {

const QString kCaption = QStringLiteral("Trevik Diary");
const QString kTrayTip = QStringLiteral("Trevik Software Trevik Diary");

} // namespace

TMainForm::TMainForm(Services& services, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), services_(services), arguments_(std::move(arguments)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(trevikIcon());
    setCentralWidget(new QWidget(this));
    buildMainMenu();
    buildTrayMenu();
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

QAction* TMainForm::addAction(QMenu* menu, const char* name, const QString& caption,
                              const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    // Commands whose forms are not built yet stay visible but cannot be chosen.
    action->setEnabled(false);
    return action;
}

void TMainForm::buildMainMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addAction(file, "MainUpdate", QStringLiteral("Update"));
    QAction* closeTray = addAction(file, "MainCloseTray", QStringLiteral("Close to systray"));
    QAction* exit = addAction(file, "MainExit", QStringLiteral("Exit"));
    closeTray->setEnabled(true);
    exit->setEnabled(true);
    connect(closeTray, &QAction::triggered, this, &TMainForm::MainCloseTrayClick);
    connect(exit, &QAction::triggered, this, &TMainForm::MainExitClick);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addAction(edit, "MainCut", QStringLiteral("C&ut"), QKeySequence(Qt::CTRL | Qt::Key_X));
    addAction(edit, "MainCopy", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    addAction(edit, "MainPaste", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    addAction(edit, "MainSpecial", QStringLiteral("Copy &special"),
              QKeySequence(Qt::CTRL | Qt::Key_S));
    addAction(edit, "MainSelectAll", QStringLiteral("Select &all"),
              QKeySequence(Qt::CTRL | Qt::Key_A))
        ->setVisible(false);
    addAction(edit, "MainSearch", QStringLiteral("&Search"));
    addAction(edit, "MainFindNext", QStringLiteral("&Find Next"),
              QKeySequence(Qt::ALT | Qt::Key_F3));
    addAction(edit, "MainOptions", QStringLiteral("&Options"), QKeySequence(Qt::CTRL | Qt::Key_O));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    for (auto [name, caption] :
         {std::pair{"MainToolbar", "Toolbar"}, std::pair{"MainButtonBar", "Button bar"}}) {
        QAction* bar = addAction(view, name, QString::fromLatin1(caption));
        bar->setCheckable(true);
        bar->setChecked(true);
    }
    QMenu* addressBook = view->addMenu(QStringLiteral("Address book"));
    addAction(addressBook, "MainAddrList", QStringLiteral("List"));
    addAction(addressBook, "MainAddrFull", QStringLiteral("Full"));
    QMenu* calendar = view->addMenu(QStringLiteral("Calendar"));
    addAction(calendar, "MainCalDay", QStringLiteral("Day"));
    addAction(calendar, "MainCalWeek", QStringLiteral("Week"));
    addAction(calendar, "MainCalMonth", QStringLiteral("Month"));
    addAction(calendar, "MainCalYear", QStringLiteral("Year"));
    addAction(calendar, "MainCalToDo", QStringLiteral("To Do List"));
    addAction(calendar, "MainCalAnniversaires", QStringLiteral("Aniversaries"));
    addAction(calendar, "MainCalPlanner", QStringLiteral("Yearly Planner"));
    addAction(view, "MainNotes", QStringLiteral("Notes"));

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    addAction(tools, "MainNew", QStringLiteral("New entry"));
    addAction(tools, "MainEdit", QStringLiteral("Edit entry"));
    addAction(tools, "MainDelete", QStringLiteral("Delete entry"));
    addAction(tools, "MainEmail", QStringLiteral("Send email"));
    addAction(tools, "MainWWW", QStringLiteral("Goto WWW address"));
    addAction(tools, "MainTimer", QStringLiteral("Timer"));
    addAction(tools, "MainStopwatch", QStringLiteral("Stopwatch"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addAction(help, "MainHelp", QStringLiteral("Help"), QKeySequence(Qt::Key_F1));
    QAction* about = addAction(help, "MainAbout", QStringLiteral("About"));
    about->setEnabled(true);
    connect(about, &QAction::triggered, this, &TMainForm::MainAboutClick);
}

void TMainForm::buildTrayMenu() {
    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    QAction* open = addAction(TrayMenu, "TrayOpen", QStringLiteral("Open"));
    QAction* today = addAction(TrayMenu, "TrayToday", QStringLiteral("Today"));
    addAction(TrayMenu, "TrayNew", QStringLiteral("New"));
    TrayMenu->addSeparator();
    addAction(TrayMenu, "TrayStopwatch", QStringLiteral("Stopwatch"));
    addAction(TrayMenu, "TrayTimer", QStringLiteral("Timer"));
    addAction(TrayMenu, "TrayNotes", QStringLiteral("&Notes"));
    TrayMenu->addSeparator();
    QAction* exit = addAction(TrayMenu, "TrayExit", QStringLiteral("Exit"));
    for (QAction* action : {open, today, exit}) {
        action->setEnabled(true);
    }
    connect(open, &QAction::triggered, this, &TMainForm::TrayOpenClick);
    connect(today, &QAction::triggered, this, &TMainForm::TrayTodayClick);
    connect(exit, &QAction::triggered, this, &TMainForm::TrayExitClick);
    connect(&services_.tray, &TrayIcon::doubleClicked, this, &TMainForm::RestoreMainWindow);
}

void TMainForm::FormCreate() {
    installationUid = LoadOrMakeInstallationUid(services_.settings, services_.clock);
    setWindowTitle(kCaption);
    display = LoadDisplaySettings(services_.settings);
    calendarViewCode = display.calendarViewCode;
    const WindowPosition position = LoadWindowPosition(services_.settings);
    move(position.left, position.top);
    resize(position.width, position.height);
    addressColumns_ = LoadAddressColumnWidths(services_.settings);
    calendarColumns_ = LoadCalendarColumnWidths(services_.settings);
    changeToDataDirectory();
    calendarDate = today(services_.clock);
    if (display.openOnStartup) {
        RestoreMainWindow();
    } else {
        MinimizeToTray();
    }
    services_.tray.install(trevikIcon(), kTrayTip, TrayMenu);
}

void TMainForm::FormDestroy() {
    services_.tray.remove();
}

void TMainForm::changeToDataDirectory() {
    const std::string dir = LoadDataDir(services_.settings);
    if (dir.empty()) {
        return;
    }
    std::error_code error;
    std::filesystem::current_path(dir, error);
    if (error) {
        services_.messages.show(this, QStringLiteral("Couldn't change dierctory!"),
                                QStringLiteral("System error"), MessageButtons::Ok,
                                MessageIcon::Warning);
    }
}

void TMainForm::RestoreMainWindow() {
    showNormal();
    raise();
    activateWindow();
}

void TMainForm::MinimizeToTray() {
    // Without a notification area a hidden window could never come back: minimise instead.
    if (services_.tray.isAvailable()) {
        hide();
    } else if (!isMinimized()) {
        showMinimized();
    }
}

void TMainForm::MainCloseTrayClick() {
    MinimizeToTray();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    event->ignore();
    MinimizeToTray();
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        services_.tray.isAvailable()) {
        // Hide after the window system has finished minimising.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized()) {
                MinimizeToTray();
            }
        });
    }
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(event);
}

void TMainForm::FormActivate() {
    if (activated_) {
        return;
    }
    activated_ = true;
    if (arguments_.size() == 1) {
        emit exchangeFileRequested(arguments_.front());
    }
}

void TMainForm::MainExitClick() {
    ExitState state;
    std::error_code ignored;
    state.currentDir = std::filesystem::current_path(ignored).string();
    state.launchOnStartup = display.launchOnStartup;
    state.calendarViewCode = calendarViewCode;
    state.position = {x(), y(), height(), width()};
    state.addressColumns = addressColumns_;
    state.calendarColumns = calendarColumns_;
    SaveExitState(services_.settings, state);
    exiting_ = true;
    emit exitRequested();
}

void TMainForm::MainAboutClick() {
    TAboutForm about(this);
    about.Timer1->stop();
    about.exec();
}

void TMainForm::TrayOpenClick() {
    showNormal();
    activateWindow();
}

void TMainForm::TrayTodayClick() {
    TrayOpenClick();
    calendarViewCode = kDayView;
    calendarDate = today(services_.clock);
}

void TMainForm::TrayExitClick() {
    MainExitClick();
}
