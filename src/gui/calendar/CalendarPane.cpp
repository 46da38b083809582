#include "calendar/CalendarPane.h"

#include "app/MainForm.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

using namespace trevik;

CalendarPane::CalendarPane(TMainForm& main, Services&, QWidget* paneParent,
                           QWidget* buttonBarParent)
    : QObject(paneParent), main_(main) {
    CalendarView = new QTableWidget(1, 6, paneParent);
    CalendarView->setObjectName(QStringLiteral("CalendarView"));
    CalendarView->setAccessibleName(QStringLiteral("Calendar"));
    CalendarView->verticalHeader()->hide();
    CalendarView->horizontalHeader()->hide();
    CalendarView->verticalHeader()->setDefaultSectionSize(16);
    // Stored widths are applied as they are, however narrow (the first column is 6 pixels).
    CalendarView->horizontalHeader()->setMinimumSectionSize(1);
    CalendarView->installEventFilter(this);

    CalButtonBar = new QWidget(buttonBarParent);
    CalButtonBar->setObjectName(QStringLiteral("CalButtonBar"));
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), CalButtonBar);
        b->setObjectName(QString::fromLatin1(name));
        b->setEnabled(false); // the calendar's commands are not built yet
        return b;
    };
    CalNew = button("CalNew", "New");
    CalEdit = button("CalEdit", "Edit");
    CalDelete = button("CalDelete", "Delete");
    CalView = button("CalView", "View ");
    CalLeft = button("CalLeft", "<");
    Today = button("Today", "T");
    CalRight = button("CalRight", ">");
    TMainForm::SetDefaultButton(CalNew, true);
}

void CalendarPane::ApplyColumnWidths(const CalendarColumnWidths& widths) {
    for (int i = 0; i < 6; ++i) {
        CalendarView->setColumnWidth(i, widths[std::size_t(i)]);
    }
}

int CalendarPane::rowsHeight() const {
    return CalendarView->rowCount() * CalendarView->verticalHeader()->defaultSectionSize();
}

CalendarColumnWidths CalendarPane::columnWidths() const {
    CalendarColumnWidths widths{};
    for (int i = 0; i < 6; ++i) {
        widths[std::size_t(i)] = CalendarView->columnWidth(i);
    }
    return widths;
}

bool CalendarPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CalendarView && event->type() == QEvent::FocusIn) {
        main_.activePane = Pane::Calendar;
    }
    return QObject::eventFilter(watched, event);
}
