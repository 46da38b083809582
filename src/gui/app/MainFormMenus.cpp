// The main window's command table: its menus, toolbar, context menu and tray menu.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "platform/Services.h"

#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

using namespace trevik;

namespace {

using Handler = void (TMainForm::*)();

struct Command {
    const char* name;
    const char* caption;
    Handler handler = nullptr; // none: the command's form is not built yet
    QKeySequence shortcut = {};
};

QAction* addCommand(TMainForm* form, QWidget* owner, const Command& command) {
    auto* action = new QAction(QString::fromLatin1(command.caption), owner);
    action->setObjectName(QString::fromLatin1(command.name));
    action->setShortcut(command.shortcut);
    action->setEnabled(command.handler != nullptr);
    if (command.handler != nullptr) {
        QObject::connect(action, &QAction::triggered, form, command.handler);
    }
    owner->addAction(action);
    return action;
}

void addCommands(TMainForm* form, QMenu* menu, std::initializer_list<Command> commands) {
    for (const Command& command : commands) {
        addCommand(form, menu, command);
    }
}

} // namespace

void TMainForm::buildMainMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommands(this, file,
                {{"MainUpdate", "Update", &TMainForm::MainUpdateClick},
                 {"MainRecycleBin", "Recycle bin...", &TMainForm::MainRecycleBinClick},
                 {"MainImport", "Import...", &TMainForm::MainImportClick},
                 {"MainExport", "Export...", &TMainForm::MainExportClick},
                 {"MainCloseTray", "Close to systray", &TMainForm::MainCloseTrayClick},
                 {"MainExit", "Exit", &TMainForm::MainExitClick}});

    // Queued: the dialog opens once the activation that asked for it is over.
    connect(this, &TMainForm::exchangeFileRequested, this, &TMainForm::OpenUpdateDialog,
            Qt::QueuedConnection);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addCommands(
        this, edit,
        {{"MainCut", "C&ut", &TMainForm::ContextCutClick, QKeySequence(Qt::CTRL | Qt::Key_X)},
         {"MainCopy", "&Copy", &TMainForm::ContextCopyClick, QKeySequence(Qt::CTRL | Qt::Key_C)},
         {"MainPaste", "&Paste", &TMainForm::ContextPasteClick, QKeySequence(Qt::CTRL | Qt::Key_V)},
         {"MainSpecial", "Copy &special", &TMainForm::MainSpecialClick,
          QKeySequence(Qt::CTRL | Qt::Key_S)},
         {"MainSearch", "&Search", &TMainForm::MainSearchClick},
         {"MainFindNext", "&Find Next", &TMainForm::MainFindNextClick,
          QKeySequence(Qt::ALT | Qt::Key_F3)},
         {"MainOptions", "&Options", &TMainForm::MainOptionsClick,
          QKeySequence(Qt::CTRL | Qt::Key_O)}});
    // Select all has no menu entry, yet its shortcut works in the whole window: a hidden
    // entry's shortcut would be dead.
    addCommand(this, this,
               {"MainSelectAll", "Select &all", &TMainForm::MainSelectAllClick,
                QKeySequence(Qt::CTRL | Qt::Key_A)});

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    addCommands(this, view,
                {{"MainToolbar", "Toolbar", &TMainForm::MainToolbarClick},
                 {"MainButtonBar", "Button bar", &TMainForm::MainButtonBarClick}});
    for (const char* name : {"MainToolbar", "MainButtonBar"}) {
        action(name)->setCheckable(true);
        action(name)->setChecked(true);
    }
    QMenu* addressBook = view->addMenu(QStringLiteral("Address book"));
    QAction* list = addCommand(this, addressBook, {"MainAddrList", "List"});
    QAction* full = addCommand(this, addressBook, {"MainAddrFull", "Full"});
    list->setEnabled(true);
    full->setEnabled(true);
    connect(list, &QAction::triggered, addressPane, &AddressPane::AddrListClick);
    connect(full, &QAction::triggered, addressPane, &AddressPane::AddrFullClick);
    QMenu* calendar = view->addMenu(QStringLiteral("Calendar"));
    const std::pair<const char*, const char*> views[] = {
        {"MainCalDay", "Day"},         {"MainCalWeek", "Week"},
        {"MainCalMonth", "Month"},     {"MainCalYear", "Year"},
        {"MainCalToDo", "To Do List"}, {"MainCalAnniversaires", "Aniversaries"}};
    std::int32_t code = kDayView;
    for (const auto& [name, caption] : views) {
        QAction* viewAction = addCommand(this, calendar, {name, caption});
        viewAction->setEnabled(true);
        connect(viewAction, &QAction::triggered, calendarPane,
                [this, code] { calendarPane->SelectView(code); });
        ++code;
    }
    addCommands(this, calendar,
                {{"MainCalPlanner", "Yearly Planner", &TMainForm::MainCalPlannerClick}});
    QAction* panePlanner =
        calendarPane->CalViewMenu->findChild<QAction*>(QStringLiteral("CalPlanner"));
    panePlanner->setEnabled(true);
    connect(panePlanner, &QAction::triggered, this, &TMainForm::MainCalPlannerClick);
    addCommands(this, view, {{"MainNotes", "Notes", &TMainForm::MainNotesClick}});

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Tools"));
    addCommands(this, tools,
                {{"MainNew", "New entry", &TMainForm::MainNewClick},
                 {"MainEdit", "Edit entry", &TMainForm::MainEditClick},
                 {"MainDelete", "Delete entry", &TMainForm::MainDeleteClick},
                 {"MainEmail", "Send email", &TMainForm::MainEmailClick},
                 {"MainWWW", "Goto WWW address", &TMainForm::MainWWWClick},
                 {"MainTimer", "Timer", &TMainForm::MainTimerClick},
                 {"MainStopwatch", "Stopwatch", &TMainForm::MainStopwatchClick}});

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addCommands(this, help,
                {{"MainHelp", "Help", &TMainForm::MainHelpClick, QKeySequence(Qt::Key_F1)},
                 {"MainAbout", "About", &TMainForm::MainAboutClick}});
}

void TMainForm::buildToolBar() {
    struct Button {
        const char* name;
        const char* image;
        const char* tooltip;
        Handler handler;
    };
    const Button buttons[] = {
        {"UpdateButton", "update", "Update", &TMainForm::MainUpdateClick},
        {nullptr, nullptr, nullptr, nullptr},
        {"TimerButton", "timer", "Timer", &TMainForm::MainTimerClick},
        {"StopwatchButton", "stopwatch", "Stopwatch", &TMainForm::MainStopwatchClick},
        {"NotesButton", "notes", "Notes", &TMainForm::MainNotesClick},
        {"PlannerButton", "planner", "Planner", &TMainForm::MainCalPlannerClick},
        {nullptr, nullptr, nullptr, nullptr},
        {"OptionsButton", "options", "Options", &TMainForm::MainOptionsClick},
        {nullptr, nullptr, nullptr, nullptr},
        {"CutButton", "cut", "Cut", &TMainForm::ContextCutClick},
        {"CopyButton", "copy", "Copy", &TMainForm::ContextCopyClick},
        {"CopySpecButton", "copyspecial", "Copy Special", &TMainForm::MainSpecialClick},
        {"PasteButton", "paste", "Paste", &TMainForm::ContextPasteClick},
        {"SearchButton", "search", "Search", &TMainForm::MainSearchClick},
        {nullptr, nullptr, nullptr, nullptr},
        {"EmailButton", "email", "Send e-mail", &TMainForm::MainEmailClick},
        {"WWWButton", "www", "Goto URL", &TMainForm::MainWWWClick},
        {nullptr, nullptr, nullptr, nullptr},
        {"CalendarButton", "calendarview", "Change calendar view", nullptr},
        {"AddressButton", "addressview", "Change address view", nullptr},
    };
    for (const Button& button : buttons) {
        if (button.name == nullptr) {
            ToolBar1->addSeparator();
            continue;
        }
        QAction* action = addCommand(this, ToolBar1, {button.name, button.tooltip, button.handler});
        action->setIcon(QIcon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(button.image))));
        action->setToolTip(QString::fromLatin1(button.tooltip));
    }
    QAction* calendarButton = action("CalendarButton");
    calendarButton->setEnabled(true);
    connect(calendarButton, &QAction::triggered, this, [this] {
        raise();
        activateWindow();
        calendarPane->CalViewMenu->popup(QCursor::pos());
    });
    QAction* addressButton = action("AddressButton");
    addressButton->setEnabled(true);
    connect(addressButton, &QAction::triggered, this, [this] {
        raise();
        activateWindow();
        addressPane->AddrViewMenu->popup(QCursor::pos());
    });
}

void TMainForm::buildContextMenu() {
    RightContext = new QMenu(this);
    RightContext->setObjectName(QStringLiteral("RightContext"));
    addCommands(
        this, RightContext,
        {{"ContextCut", "Cu&t", &TMainForm::ContextCutClick, QKeySequence(Qt::CTRL | Qt::Key_X)},
         {"ContextCopy", "&Copy", &TMainForm::ContextCopyClick, QKeySequence(Qt::CTRL | Qt::Key_C)},
         {"ContextPaste", "&Paste", &TMainForm::ContextPasteClick,
          QKeySequence(Qt::CTRL | Qt::Key_V)},
         {"ContextCopySpecial", "Copy &special", &TMainForm::ContextCopySpecialClick,
          QKeySequence(Qt::CTRL | Qt::Key_S)}});
    QAction* selectAll = addCommand(
        this, RightContext,
        {"ContextSelectAll", "Select &all", nullptr, QKeySequence(Qt::CTRL | Qt::Key_A)});
    connect(selectAll, &QAction::triggered, addressPane, &AddressPane::SelectAll);
    RightContext->addSeparator();
    addCommands(this, RightContext,
                {{"ContextNew", "&New", &TMainForm::MainNewClick},
                 {"ContextEdit", "&Edit", &TMainForm::MainEditClick},
                 {"ContextDelete", "&Delete", &TMainForm::MainDeleteClick}});
    QAction* separator2 = RightContext->addSeparator();
    separator2->setObjectName(QStringLiteral("Separator2"));
    QAction* full = addCommand(this, RightContext, {"ContextFullView", "&Full view"});
    QAction* list = addCommand(this, RightContext, {"ContextListView", "&List view"});
    connect(full, &QAction::triggered, addressPane, &AddressPane::AddrFullClick);
    connect(list, &QAction::triggered, addressPane, &AddressPane::AddrListClick);
    for (QAction* face : {full, list}) {
        face->setEnabled(true);
        face->setVisible(false);
    }
    RightContext->addSeparator();
    addCommands(this, RightContext,
                {{"ContextEmail", "Send e&mail", &TMainForm::MainEmailClick},
                 {"ContextWWW", "&Goto WWW site", &TMainForm::MainWWWClick}});
}

void TMainForm::buildTrayMenu() {
    TrayMenu = new QMenu(this);
    TrayMenu->setObjectName(QStringLiteral("TrayMenu"));
    addCommands(this, TrayMenu,
                {{"TrayOpen", "Open", &TMainForm::TrayOpenClick},
                 {"TrayToday", "Today", &TMainForm::TrayTodayClick},
                 {"TrayNew", "New", &TMainForm::TrayNewClick}});
    TrayMenu->addSeparator();
    addCommands(this, TrayMenu,
                {{"TrayStopwatch", "Stopwatch", &TMainForm::MainStopwatchClick},
                 {"TrayTimer", "Timer", &TMainForm::MainTimerClick},
                 {"TrayNotes", "&Notes", &TMainForm::MainNotesClick}});
    TrayMenu->addSeparator();
    addCommands(this, TrayMenu, {{"TrayExit", "Exit", &TMainForm::TrayExitClick}});
    connect(&services_.tray, &TrayIcon::restoreRequested, this, [this] {
        RestoreMainWindow();
        FindEdit->setFocus();
    });
}
