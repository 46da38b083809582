#include "app/CopySpecialForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace trevik;

namespace {

// A radio group: its items top to bottom, numbered from 0, with `checked` chosen.
QGroupBox* radioGroup(QWidget* parent, const char* name, const char* caption,
                      std::initializer_list<const char*> items, int checked,
                      QButtonGroup*& buttons) {
    auto* group = new QGroupBox(QString::fromLatin1(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    buttons = new QButtonGroup(group);
    auto* layout = new QVBoxLayout(group);
    int index = 0;
    for (const char* item : items) {
        auto* radio = new QRadioButton(QString::fromLatin1(item), group);
        radio->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(index));
        radio->setChecked(index == checked);
        buttons->addButton(radio, index);
        layout->addWidget(radio);
        ++index;
    }
    return group;
}

} // namespace

TCopySpecialForm::TCopySpecialForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("CopySpecialForm"));
    setWindowTitle(QStringLiteral("Copy special"));
    Label1 = new QLabel(QStringLiteral("Select column to paste"), this);
    const auto box = [this](const char* name, const char* caption) {
        auto* made = new QCheckBox(QString::fromLatin1(caption), this);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };
    NameBox = box("NameBox", "Name");
    HomeBox = box("HomeBox", "Home");
    WorkBox = box("WorkBox", "Work");
    FaxBox = box("FaxBox", "Fax");
    MobileBox = box("MobileBox", "Mobile");
    EmailBox = box("EmailBox", "Email");
    WWWBox = box("WWWBox", "WWW");
    AddrBox = box("AddrBox", "Addr");
    MiscBox = box("MiscBox", "Misc");
    ColumnSeparator = radioGroup(this, "ColumnSeparator", "Separate columns with",
                                 {"Tab", "Comma", "SemiColon"}, 0, columnItems_);
    RowSeparator =
        radioGroup(this, "RowSeparator",
                   "Separate rows with:", {"Tab", "Comma", "SemiColon", "Enter"}, 3, rowItems_);
    Copy = new QPushButton(QStringLiteral("Copy"), this);
    Copy->setObjectName(QStringLiteral("Copy"));
    Copy->setDefault(true);
    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* columns = new QHBoxLayout;
    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(2);
    for (QCheckBox* made : columnBoxes()) {
        boxes->addWidget(made);
    }
    boxes->addStretch();
    columns->addLayout(boxes);
    auto* groups = new QVBoxLayout;
    groups->addWidget(ColumnSeparator);
    groups->addWidget(RowSeparator);
    groups->addStretch();
    columns->addLayout(groups, 1);
    layout->addLayout(columns, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Copy);
    buttons->addWidget(Cancel);
    layout->addLayout(buttons);
    // The designed size, grown where the desktop's font needs more room.
    setFixedSize(sizeHint().expandedTo(QSize(262, 243)));

    connect(Copy, &QPushButton::clicked, this, &TCopySpecialForm::CopyClick);
    connect(Cancel, &QPushButton::clicked, this, &TCopySpecialForm::CancelClick);
}

void TCopySpecialForm::CopyClick() {
    accept();
}

void TCopySpecialForm::CancelClick() {
    reject();
}

std::array<QCheckBox*, 9> TCopySpecialForm::columnBoxes() const {
    return {NameBox, HomeBox, WorkBox, FaxBox, MobileBox, EmailBox, WWWBox, AddrBox, MiscBox};
}

QAbstractButton* TCopySpecialForm::columnItem(int item) const {
    return columnItems_->button(item);
}

QAbstractButton* TCopySpecialForm::rowItem(int item) const {
    return rowItems_->button(item);
}

CopySpecialChoice TCopySpecialForm::choice() const {
    CopySpecialChoice chosen;
    const std::array<QCheckBox*, 9> boxes = columnBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        chosen.columns[i] = boxes[i]->isChecked();
    }
    chosen.columnSeparator = columnItems_->checkedId();
    chosen.rowSeparator = rowItems_->checkedId();
    return chosen;
}
