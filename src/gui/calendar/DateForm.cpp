#include "calendar/DateForm.h"

#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TDateForm::TDateForm(const QDate& shown, bool weekStartsMonday, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("DateForm"));
    setWindowTitle(QStringLiteral("Date selection"));
    Naslov = new QLineEdit(this);
    Naslov->setObjectName(QStringLiteral("Naslov"));
    Naslov->setReadOnly(true);
    Naslov->setAlignment(Qt::AlignCenter);
    Naslov->setAccessibleName(QStringLiteral("Month"));
    PrevMonth = new QToolButton(this);
    PrevMonth->setObjectName(QStringLiteral("PrevMonth"));
    PrevMonth->setText(QStringLiteral("&Previous"));
    NextMonth = new QToolButton(this);
    NextMonth->setObjectName(QStringLiteral("NextMonth"));
    NextMonth->setText(QStringLiteral("&Next"));
    Kalendar = new QCalendarWidget(this);
    Kalendar->setObjectName(QStringLiteral("Kalendar"));
    Kalendar->setNavigationBarVisible(false);
    Kalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Kalendar->setFirstDayOfWeek(weekStartsMonday ? Qt::Monday : Qt::Sunday);
    Kalendar->setSelectedDate(shown);
    Kalendar->setCurrentPage(shown.year(), shown.month());
    Kalendar->setAccessibleName(QStringLiteral("Calendar"));
    // The grid of days inside takes the focus, so it is what a screen reader announces.
    if (QWidget* grid = Kalendar->focusProxy()) {
        grid->setAccessibleName(QStringLiteral("Calendar"));
    }
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    ClearButton = new QPushButton(QStringLiteral("Clear"), this);
    ClearButton->setObjectName(QStringLiteral("ClearButton"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    auto* title = new QHBoxLayout;
    title->addWidget(PrevMonth);
    title->addWidget(Naslov, 1);
    title->addWidget(NextMonth);
    layout->addLayout(title);
    layout->addWidget(Kalendar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(ClearButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The days take the keys first: arrows move the day, Enter returns it.
    Kalendar->setFocus();

    connect(PrevMonth, &QToolButton::clicked, this, &TDateForm::PrevMonthClick);
    connect(NextMonth, &QToolButton::clicked, this, &TDateForm::NextMonthClick);
    connect(OKButton, &QPushButton::clicked, this, &TDateForm::OKButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TDateForm::ClearButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    // KalendarDblClick: a double-click (or Enter) on a day returns it.
    connect(Kalendar, &QCalendarWidget::activated, this, &TDateForm::OKButtonClick);
    connect(Kalendar, &QCalendarWidget::currentPageChanged, this, &TDateForm::updateTitle);
    updateTitle();
}

// The grid's locale is the application's, as for every date the window shows; a title names
// the month on its own ("prosinac", not the "prosinca" of a date) in the language's letters.
void TDateForm::updateTitle() {
    Naslov->setText(QStringLiteral("%1 %2")
                        .arg(Kalendar->locale().standaloneMonthName(Kalendar->monthShown()))
                        .arg(Kalendar->yearShown()));
}

void TDateForm::pageTo(int yearValue, int monthValue) {
    Kalendar->setSelectedDate(QDate(yearValue, monthValue, 28));
    Kalendar->setCurrentPage(yearValue, monthValue);
    updateTitle();
}

void TDateForm::PrevMonthClick() {
    const QDate shown(Kalendar->yearShown(), Kalendar->monthShown(), 1);
    const QDate target = shown.addMonths(-1);
    pageTo(target.year(), target.month());
}

void TDateForm::NextMonthClick() {
    const QDate shown(Kalendar->yearShown(), Kalendar->monthShown(), 1);
    const QDate target = shown.addMonths(1);
    pageTo(target.year(), target.month());
}

void TDateForm::OKButtonClick() {
    const QDate chosen = Kalendar->selectedDate();
    year = chosen.year();
    month = chosen.month();
    day = chosen.day();
    accept();
}

void TDateForm::ClearButtonClick() {
    year = month = day = 0;
    accept();
}
