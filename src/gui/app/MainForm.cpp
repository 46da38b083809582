#include "app/MainForm.h"

#include "address/AddressPane.h"
#include "app/AboutForm.h"
#include "app/Artwork.h"
#include "app/HelpFile.h"
#include "app/InstanceChannel.h"
#include "calendar/CalendarPane.h"
#include "editor/AddNewForm.h"
#include "platform/DataFilesWatcher.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "storage/RecordSet.h"
#include "storage/SafeSave.h"

#include <filesystem>

using namespace trevik;

namespace {

const QString kCaption = QStringLiteral("Trevik Diary");
const QString kTrayTip = QStringLiteral("Trevik Software Trevik Diary");

} // namespace

TMainForm::TMainForm(Services& services, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), services_(services), arguments_(std::move(arguments)) {
    Q_INIT_RESOURCE(trevik);
    dataFiles_ = new DataFilesWatcher(this);
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(trevikIcon());
    buildClientArea();
    buildStatusBar();
    buildMainMenu();
    buildToolBar();
    buildContextMenu();
    buildTrayMenu();
    FormCreate();
    createDeskTools();
    createAlarms();
    createSearchForm();
}

TMainForm::~TMainForm() {
    destroyAlarms();
    destroyDeskTools();
    FormDestroy();
}

QAction* TMainForm::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void TMainForm::FormCreate() {
    removeStaleTemporaries(services_.settings.path());
    loadInstallationUid();
    setWindowTitle(kCaption);
    view_.display = LoadDisplaySettings(services_.settings);
    view_.calendarViewCode = view_.display.calendarViewCode;
    const WindowPosition position = LoadWindowPosition(services_.settings);
    move(position.left, position.top);
    resize(position.width, position.height);
    changeToDataDirectory();
    removeStaleTemporary(RecordSet::kRewriteName);
    dataFiles_->watch(QFile::decodeName(services_.dataDir.c_str()));
    connect(dataFiles_, &DataFilesWatcher::addressesChanged, this,
            &TMainForm::showChangedAddresses);
    connect(dataFiles_, &DataFilesWatcher::calendarChanged, this, &TMainForm::showChangedCalendar);
    view_.calendarDate = today(services_.clock);
    if (view_.display.openOnStartup) {
        RestoreMainWindow();
        FindEdit->setFocus();
    } else {
        MinimizeToTray();
    }
    services_.tray.install(trevikIcon(), kTrayTip, TrayMenu);
    addressPane->ApplyAddressColumns();
    FormResize();
    calendarPane->SetUpCalendarPane();
    FormPaint();
}

void TMainForm::FormDestroy() {
    services_.tray.remove();
}

bool TMainForm::loadInstallationUid() {
    try {
        installationUid_ = loadOrMakeInstallationUid(services_.settings, services_.clock);
        return true;
    } catch (const UidNotStored& error) {
        // Said once; every later save tries to store it again before it makes a record.
        if (!uidProblemShown_) {
            uidProblemShown_ = true;
            services_.messages.show(
                this,
                QStringLiteral("This installation's identity (UID) cannot be stored in %1:\n%2\n\n"
                               "New contacts and entries cannot be saved until it can.")
                    .arg(QString::fromStdString(error.path().string()),
                         QString::fromStdString(error.reason())),
                QStringLiteral("Settings error"), MessageButtons::Ok, MessageIcon::Warning);
        }
        installationUid_ = 0;
        return false;
    }
}

void TMainForm::changeToDataDirectory() {
    const std::string dir = loadDataDir(services_.settings);
    std::error_code error;
    if (!dir.empty()) {
        // The process also works there, so that a relative file link opens beside the records.
        std::filesystem::current_path(dir, error);
        if (error) {
            services_.messages.show(this, QStringLiteral("Couldn't change dierctory!"),
                                    QStringLiteral("System error"), MessageButtons::Ok,
                                    MessageIcon::Warning);
        } else {
            services_.dataDir = std::filesystem::current_path(error);
        }
    }
    if (services_.dataDir.empty()) {
        services_.dataDir = std::filesystem::current_path(error);
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
    keepRunningToolsOnScreen();
}

void TMainForm::MainCloseTrayClick() {
    MinimizeToTray();
}

void TMainForm::MainCloseClick() {
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
    if (const StartArguments asked = startArgumentsOf(arguments_); !asked.exchangeFile.empty()) {
        emit exchangeFileRequested(QString::fromLocal8Bit(asked.exchangeFile.c_str()));
    }
}

void TMainForm::handleStart(const StartArguments& asked) {
    if (QApplication::activeModalWidget() != nullptr) {
        // One dialog at a time: the user finishes the one open first.
        QApplication::activeModalWidget()->raise();
        QApplication::activeModalWidget()->activateWindow();
        return;
    }
    if (asked.today) {
        TrayTodayClick();
    } else if (asked.newEntry || !asked.exchangeFile.empty()) {
        TrayOpenClick();
    }
    if (!asked.exchangeFile.empty()) {
        emit exchangeFileRequested(QString::fromLocal8Bit(asked.exchangeFile.c_str()));
    } else if (asked.newEntry) {
        // Queued, as the exchange file is: the editor opens once this call has returned.
        QTimer::singleShot(0, this, &TMainForm::TrayNewClick);
    }
}

void TMainForm::MainExitClick() {
    ExitState state;
    state.currentDir = services_.dataDir.string();
    state.launchOnStartup = view_.display.launchOnStartup;
    state.calendarViewCode = view_.calendarViewCode;
    state.position = {x(), y(), height(), width()};
    state.addressColumns = addressPane->columnWidths();
    state.calendarColumns = calendarPane->columnWidths();
    saveExitState(services_.settings, state);
    exiting_ = true;
    emit exitRequested();
}

void TMainForm::MainAboutClick() {
    TAboutForm about(this);
    about.Timer1->stop();
    about.exec();
}

void TMainForm::MainHelpClick() {
    const QString manual = helpFilePath();
    if (manual.isEmpty()) {
        services_.messages.show(this, QStringLiteral("The help file could not be found."),
                                QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    openLink(QUrl::fromLocalFile(manual), manual);
}

void TMainForm::TrayOpenClick() {
    showNormal();
    activateWindow();
    FindEdit->setFocus();
}

void TMainForm::TrayTodayClick() {
    TrayOpenClick();
    view_.calendarViewCode = kDayView;
    view_.calendarDate = today(services_.clock);
    rebuildCalendar();
}

void TMainForm::TrayNewClick() {
    openEditor(kFindBarMode);
}

void TMainForm::TrayExitClick() {
    MainExitClick();
}

void TMainForm::openEditor(int mode) {
    EditorRequest request;
    request.mode = mode;
    request.addressMatch = view_.findState.address == FindMatch::Match;
    request.calendarMatch = view_.findState.calendar == FindMatch::Match;
    request.findText = toStored(FindEdit->text());
    if (const int row = addressPane->firstSelectedRow(); row >= 0) {
        request.selectedContactId = addressPane->contactAt(row).id;
    }
    request.selectedRow = calendarPane->selection();
    EditorSetup setup;
    if (!readWithRetry(services_.messages, this,
                       [&] { setup = PrepareEditor(services_.dataDir, request); })) {
        return;
    }
    switch (setup.outcome) {
    case EditorSetup::NoContactSelected:
        services_.messages.show(this, QStringLiteral("No items selected"), QStringLiteral("Error"),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    case EditorSetup::NoEntrySelected:
        services_.messages.show(this, QStringLiteral("No items selected"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    case EditorSetup::Nothing:
        return;
    case EditorSetup::Open:
        break;
    }
    const auto uidForNewRecords = [this] {
        return installationUid_ != 0 || loadInstallationUid() ? installationUid_ : 0;
    };
    TAddNewForm editor(services_, view_.display, uidForNewRecords, this);
    editor.Prepare(setup);
    if (editor.exec() != QDialog::Accepted) {
        FindEdit->setFocus();
        return;
    }
    if (setup.findCase == 1) {
        FindEditChange();
    } else {
        addressPane->ApplyAddressColumns();
    }
    rebuildCalendar();
}

void TMainForm::openEditorFor(Pane pane, FindMatch match, int mode) {
    FindMatch& half = pane == Pane::Address ? view_.findState.address : view_.findState.calendar;
    const FindMatch saved = half;
    half = match;
    openEditor(mode);
    half = saved;
}
