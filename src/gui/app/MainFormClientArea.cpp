// The main window's client area: the toolbar, the find bar, the two panes and the button bar.
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

namespace {

QPushButton* findBarButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
} // namespace

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
    // Narrower than this, WWW and Close could not both stand whole beside OK.
    const int okRight = MainOK->geometry().right() + 1;
    Client->setMinimumWidth(okRight + 3 * 4 + 2 * findBarButtonWidth());
}
