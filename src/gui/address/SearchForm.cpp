#include "address/SearchForm.h"

#include "address/AddressPane.h"
#include "address/ContactSearch.h"
#include "platform/MessageBoxes.h"
#include "platform/StoredText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace trevik;

TSearchForm::TSearchForm(AddressPane& addresses, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      addresses_(addresses), messages_(messages) {
    setObjectName(QStringLiteral("SearchForm"));
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    auto* label = new QLabel(QStringLiteral("Fi&nd text:"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    label->setBuddy(FindEdit);
    MatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    MatchCase->setObjectName(QStringLiteral("MatchCase"));
    Find = new QPushButton(QStringLiteral("Find again"), this);
    Find->setObjectName(QStringLiteral("Find"));
    Find->setDefault(true);
    Find->setEnabled(false);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(FindEdit, 0, 1);
    layout->addWidget(Find, 0, 2);
    layout->addWidget(MatchCase, 1, 0, 1, 2);
    layout->addWidget(Cancel, 1, 2);
    layout->setColumnMinimumWidth(1, 200);
    setFixedSize(sizeHint());

    connect(FindEdit, &QLineEdit::textChanged, this, &TSearchForm::FindEditChange);
    connect(Find, &QPushButton::clicked, this, &TSearchForm::FindClick);
    connect(Cancel, &QPushButton::clicked, this, &TSearchForm::CancelClick);
}

void TSearchForm::FindEditChange() {
    Find->setEnabled(!FindEdit->text().isEmpty());
    resumeIndex = 0;
}

void TSearchForm::FindClick() {
    const ContactSearch search(toStored(FindEdit->text()), MatchCase->isChecked());
    const int found = findListedContact(
        addresses_.rowCount(), resumeIndex,
        [this](int row) -> const Contact& { return addresses_.contactAt(row); }, search);
    if (found >= 0) {
        resumeIndex = found + 1;
        addresses_.SelectRow(found);
    } else {
        messages_.show(this, QStringLiteral("Item not found"), QString(), MessageButtons::Ok,
                       MessageIcon::None);
    }
    activateWindow();
    FindEdit->setFocus();
}

void TSearchForm::CancelClick() {
    hide();
}

void TSearchForm::reject() {
    // Escape hides the dialog as Cancel does; nothing of it is reset.
    CancelClick();
}

void TSearchForm::Open() {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    show();
    raise();
    activateWindow();
}
