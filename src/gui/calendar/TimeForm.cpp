#include "calendar/TimeForm.h"

#include "calendar/TimeSlots.h"
#include "editor/EditorValues.h"
#include "platform/StoredText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TTimeForm::TTimeForm(int intervalMinutes, const QString& shownTime, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      interval_(intervalMinutes), shownTime_(shownTime) {
    setObjectName(QStringLiteral("TimeForm"));
    setWindowTitle(QStringLiteral("Time selection"));
    auto* group = new QGroupBox(QStringLiteral("Select time"), this);
    TimeBox = new QListWidget(group);
    TimeBox->setObjectName(QStringLiteral("TimeBox"));
    TimeBox->setAccessibleName(QStringLiteral("Select time"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(TimeBox);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("C&lear"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(Button1);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    resize(220, 300);
    connect(OKButton, &QPushButton::clicked, this, &TTimeForm::OKButtonClick);
    connect(Button1, &QPushButton::clicked, this, &TTimeForm::Button1Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // TimeBoxDblClick: a double-click (or Enter) on a slot returns it.
    connect(TimeBox, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        time = item->text();
        accept();
    });
}

void TTimeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TTimeForm::FormActivate() {
    // The row that OK returns is the one the user sees first: the box's time, or 09:00.
    const trevik::TimePickerList list =
        trevik::timePickerRows(interval_, trevik::parseTimeText(toStored(shownTime_)));
    TimeBox->clear();
    for (const std::string& row : list.rows) {
        TimeBox->addItem(QString::fromStdString(row));
    }
    TimeBox->setCurrentRow(int(list.selected));
    TimeBox->scrollToItem(TimeBox->currentItem(), QAbstractItemView::PositionAtTop);
}

void TTimeForm::OKButtonClick() {
    const QListWidgetItem* item = TimeBox->currentItem();
    time = item != nullptr ? item->text() : QString();
    accept();
}

void TTimeForm::Button1Click() {
    time.clear();
    accept();
}
