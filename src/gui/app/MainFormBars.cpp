// The main window's bars and menus, and how they are laid out.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "shell/StatusText.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeView>

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

QPushButton* findBarButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

const QString kMakerText = QStringLiteral("Trevik Diary  \u2013  https://trevik.example/");

} // namespace

void TMainForm::SetDefaultButton(QPushButton* button, bool bold) {
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

void TMainForm::buildClientArea() {
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    setCentralWidget(Client);
    Client->installEventFilter(this);

    ToolBar1 = new QToolBar(Client);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    buildFindBar();

    ButtonBar = new QFrame(Client);
    ButtonBar->setObjectName(QStringLiteral("ButtonBar"));
    addressPane = new AddressPane(*this, services_, Client, ButtonBar);
    calendarPane = new CalendarPane(*this, services_, Client, ButtonBar);
    // The panes reach into the top of the button bar; its buttons sit below them.
    ButtonBar->lower();
}

void TMainForm::buildFindBar() {
    FindBar = new QFrame(Client);
    FindBar->setObjectName(QStringLiteral("FindBar"));
    FindLabel = new QLabel(QStringLiteral("Find/New:"), FindBar);
    FindLabel->setObjectName(QStringLiteral("FindLabel"));
    FindEdit = new QLineEdit(FindBar);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindEdit->setAccessibleName(QStringLiteral("Find/New:"));
    FindLabel->setBuddy(FindEdit);
    MainOK = findBarButton(FindBar, "MainOK", "OK");
    WWW = findBarButton(FindBar, "WWW", "WWW");
    MainClose = findBarButton(FindBar, "MainClose", "Close");
    connect(MainOK, &QPushButton::clicked, this, &TMainForm::MainOKClick);
    FindLabel->move(17, 16);
    FindEdit->setGeometry(80, 11, 277, 25);
    MainOK->setGeometry(369, 8, 92, 31);
    connect(FindEdit, &QLineEdit::textChanged, this, &TMainForm::FindEditChange);
    connect(MainClose, &QPushButton::clicked, this, &TMainForm::MainCloseClick);
    FindEdit->installEventFilter(this);
}

void TMainForm::buildStatusBar() {
    const int widths[] = {450, 65, 50, 65, 60};
    const QString texts[] = {kMakerText, QString(), QString(), QStringLiteral("Timer off"),
                             QStringLiteral("Stopwatch off")};
    for (std::size_t i = 0; i < statusPanels.size(); ++i) {
        auto* panel = new QLabel(texts[i], statusBar());
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]); // grows where the font needs more room
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel);
        statusPanels[i] = panel;
    }
}

void TMainForm::buildMainMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addCommands(this, file,
                {{"MainUpdate", "Update", &TMainForm::MainUpdateClick},
                 {"MainRecycleBin", "Recycle bin...", &TMainForm::MainRecycleBinClick},
                 {"MainCloseTray", "Close to systray", &TMainForm::MainCloseTrayClick},
                 {"MainExit", "Exit", &TMainForm::MainExitClick}});

    // Queued: the dialog opens once the activation that asked for it is over.
    connect(this, &TMainForm::exchangeFileRequested, this, &TMainForm::OpenUpdateDialog,
            Qt::QueuedConnection);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addCommands(this, edit,
                {{"MainCut", "C&ut", nullptr, QKeySequence(Qt::CTRL | Qt::Key_X)},
                 {"MainCopy", "&Copy", nullptr, QKeySequence(Qt::CTRL | Qt::Key_C)},
                 {"MainPaste", "&Paste", nullptr, QKeySequence(Qt::CTRL | Qt::Key_V)},
                 {"MainSpecial", "Copy &special", nullptr, QKeySequence(Qt::CTRL | Qt::Key_S)},
                 {"MainSelectAll", "Select &all", &TMainForm::MainSelectAllClick,
                  QKeySequence(Qt::CTRL | Qt::Key_A)},
                 {"MainSearch", "&Search"},
                 {"MainFindNext", "&Find Next", nullptr, QKeySequence(Qt::ALT | Qt::Key_F3)},
                 {"MainOptions", "&Options", nullptr, QKeySequence(Qt::CTRL | Qt::Key_O)}});
    action("MainSelectAll")->setVisible(false);

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
    addCommands(this, calendar, {{"MainCalPlanner", "Yearly Planner"}});
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
        {"PlannerButton", "planner", "Planner", nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"OptionsButton", "options", "Options", nullptr},
        {nullptr, nullptr, nullptr, nullptr},
        {"CutButton", "cut", "Cut", nullptr},
        {"CopyButton", "copy", "Copy", nullptr},
        {"CopySpecButton", "copyspecial", "Copy Special", nullptr},
        {"PasteButton", "paste", "Paste", nullptr},
        {"SearchButton", "search", "Search", nullptr},
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
        {{"ContextCut", "Cu&t", nullptr, QKeySequence(Qt::CTRL | Qt::Key_X)},
         {"ContextCopy", "&Copy", nullptr, QKeySequence(Qt::CTRL | Qt::Key_C)},
         {"ContextPaste", "&Paste", nullptr, QKeySequence(Qt::CTRL | Qt::Key_V)},
         {"ContextCopySpecial", "Copy &special", nullptr, QKeySequence(Qt::CTRL | Qt::Key_S)}});
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
    connect(&services_.tray, &TrayIcon::doubleClicked, this, [this] {
        RestoreMainWindow();
        FindEdit->setFocus();
    });
}

WindowMetrics TMainForm::metrics() const {
    WindowMetrics m;
    m.clientWidth = Client->width();
    m.clientHeight = Client->height();
    m.windowWidth = width();
    m.addressRatio = display.addressRatio;
    m.toolbarVisible = toolbarVisible;
    m.buttonBarVisible = buttonBarVisible;
    m.gridRowsHeight = calendarPane->rowsHeight();
    return m;
}

void TMainForm::applyLayout() {
    const auto place = [](QWidget* widget, const Box& box) {
        widget->setGeometry(box.left, box.top, box.width, box.height);
    };
    // The layout widens the grid by 15 pixels while its rows do not fit, past the window's
    // edge; here the grid stops at the edge so its scroll bar stays visible and usable.
    Box grid = layout_.calendarView;
    grid.width = std::min(grid.width, Client->width() - grid.left);
    ToolBar1->setGeometry(0, 0, Client->width(), kToolbarHeight);
    FindBar->setGeometry(0, layout_.findBarTop, layout_.findBarWidth, kFindBarHeight);
    WWW->setGeometry(layout_.wwwLeft, 8, 92, 31);
    MainClose->setGeometry(layout_.mainCloseLeft, 8, 92, 31);
    place(addressPane->AddressView, layout_.addressView);
    place(addressPane->AddressFull, layout_.addressFull);
    place(calendarPane->CalendarView, grid);
    ButtonBar->setGeometry(0, layout_.buttonBarTop, layout_.buttonBarWidth, kButtonBarHeight);
    addressPane->AdrButtonBar->setGeometry(0, 0, layout_.adrButtonBarWidth, kButtonBarHeight);
    const std::array<QPushButton*, 5> addressButtons = {
        addressPane->AddrNew, addressPane->AddrEdit, addressPane->AddrDelete,
        addressPane->AddrSearch, addressPane->AddrView};
    for (std::size_t i = 0; i < addressButtons.size(); ++i) {
        addressButtons[i]->setGeometry(layout_.addressButtons[i].left, 20,
                                       layout_.addressButtons[i].width, 30);
    }
    calendarPane->CalButtonBar->setGeometry(layout_.calButtonBarLeft, 0, layout_.calButtonBarWidth,
                                            kButtonBarHeight);
    const std::array<QPushButton*, 4> calendarButtons = {
        calendarPane->CalNew, calendarPane->CalEdit, calendarPane->CalDelete,
        calendarPane->CalView};
    for (std::size_t i = 0; i < calendarButtons.size(); ++i) {
        calendarButtons[i]->setGeometry(layout_.calendarButtons[i].left, 20,
                                        layout_.calendarButtons[i].width, 30);
    }
    const std::array<QPushButton*, 3> navigation = {calendarPane->CalLeft, calendarPane->Today,
                                                    calendarPane->CalRight};
    for (std::size_t i = 0; i < navigation.size(); ++i) {
        navigation[i]->setGeometry(layout_.navigationButtons[i].left, 20,
                                   layout_.navigationButtons[i].width, 30);
        navigation[i]->setVisible(layout_.navigationVisible);
    }
}

void TMainForm::FormResize() {
    trevik::FormResize(layout_, metrics());
    applyLayout();
}

void TMainForm::LayoutPanes() {
    trevik::LayoutPanes(layout_, metrics());
    applyLayout();
}

void TMainForm::MainToolbarClick() {
    toolbarVisible = !toolbarVisible;
    action("MainToolbar")->setChecked(toolbarVisible);
    ToolBar1->setVisible(toolbarVisible);
    ApplyToolbarVisibility(layout_, metrics());
    applyLayout();
}

void TMainForm::MainButtonBarClick() {
    buttonBarVisible = !buttonBarVisible;
    action("MainButtonBar")->setChecked(buttonBarVisible);
    ButtonBar->setVisible(buttonBarVisible);
    LayoutPanes();
}

void TMainForm::FormPaint() {
    const QString date = fromStored(StatusDateText(today(services_.clock), services_.locale));
    const QString time = QString::fromStdString(StatusTimeText(services_.clock.now()));
    // Only a changed text is set, so the panels do not ask for another repaint.
    if (statusPanels[1]->text() != date) {
        statusPanels[1]->setText(date);
    }
    if (statusPanels[2]->text() != time) {
        statusPanels[2]->setText(time);
    }
}

void TMainForm::paintEvent(QPaintEvent* event) {
    FormPaint();
    QMainWindow::paintEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Client && event->type() == QEvent::Resize) {
        FormResize();
    }
    if (watched == FindEdit && event->type() == QEvent::KeyPress) {
        FindEditKeyDown(static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}
