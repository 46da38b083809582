// The search dialog as the main window reaches it: the address pane's Search button, the Edit
// menu's Search and Find Next, and the toolbar's Search.
#include "address/AddressPane.h"
#include "address/SearchForm.h"
#include "app/MainForm.h"
#include "platform/Services.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

void TMainForm::createSearchForm() {
    SearchForm = new TSearchForm(*addressPane, services_.messages, this);
    connect(addressPane->AddrSearch, &QPushButton::clicked, this, &TMainForm::MainSearchClick);
    // F3 as well, the key other programs find the next match with.
    QAction* findNext = action("MainFindNext");
    findNext->setShortcuts({findNext->shortcut(), QKeySequence(Qt::Key_F3)});
}

void TMainForm::MainSearchClick() {
    SearchForm->Open();
}

void TMainForm::MainFindNextClick() {
    if (SearchForm->FindEdit->text().isEmpty()) {
        return;
    }
    SearchForm->Open();
    SearchForm->FindClick();
}
