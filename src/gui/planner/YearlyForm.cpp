#include "planner/YearlyForm.h"

#include "calendar/CalendarNavigation.h"
#include "planner/PlannerCellDelegate.h"
#include "planner/PlannerModel.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "storage/EntryRecords.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace trevik;

namespace {

constexpr int kDayColumnWidth = 22;
constexpr int kMonthColumnWidth = 50;
constexpr int kRowHeight = 16;

} // namespace

TYearlyForm::TYearlyForm(Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(services), model_(new PlannerModel(services.locale, this)) {
    // No close box and no system menu: "Cancel" or Escape closes the planner.
    setObjectName(QStringLiteral("YearlyForm"));
    YearlyView = new QTableView(this);
    YearlyView->setObjectName(QStringLiteral("YearlyView"));
    YearlyView->setAccessibleName(QStringLiteral("Yearly planner"));
    YearlyView->setModel(model_);
    YearlyView->setItemDelegate(new PlannerCellDelegate(YearlyView));
    YearlyView->setSelectionMode(QAbstractItemView::ContiguousSelection);
    YearlyView->setSelectionBehavior(QAbstractItemView::SelectItems);
    YearlyView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    YearlyView->setWordWrap(false);
    YearlyView->setCornerButtonEnabled(false);
    QHeaderView* days = YearlyView->horizontalHeader();
    days->setMinimumSectionSize(1);
    days->setDefaultSectionSize(kDayColumnWidth);
    days->setSectionResizeMode(QHeaderView::Fixed);
    days->setSectionsClickable(false);
    days->setHighlightSections(false);
    QHeaderView* months = YearlyView->verticalHeader();
    months->setMinimumSectionSize(1);
    // At least the designed sizes; more where the desktop's font needs it to show the texts.
    months->setDefaultSectionSize(std::max(kRowHeight, fontMetrics().height() + 2));
    months->setSectionResizeMode(QHeaderView::Fixed);
    months->setSectionsClickable(false);
    months->setHighlightSections(false);
    months->setMinimumWidth(kMonthColumnWidth);
    YearlyView->installEventFilter(this);
    YearlyView->viewport()->installEventFilter(this);

    Previous = new QPushButton(QStringLiteral("Previous year"), this);
    Previous->setObjectName(QStringLiteral("Previous"));
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Next = new QPushButton(QStringLiteral("Next year"), this);
    Next->setObjectName(QStringLiteral("Next"));
    for (QPushButton* button : {Previous, Button1, Next}) {
        button->setAutoDefault(false);
    }
    connect(Previous, &QPushButton::clicked, this, &TYearlyForm::PreviousClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Next, &QPushButton::clicked, this, &TYearlyForm::NextClick);

    PlannerContext = new QMenu(this);
    PlannerContext->setObjectName(QStringLiteral("PlannerContext"));
    DeletePlannerItem1 = PlannerContext->addAction(QStringLiteral("&Delete Planner Item"));
    DeletePlannerItem1->setObjectName(QStringLiteral("DeletePlannerItem1"));
    connect(DeletePlannerItem1, &QAction::triggered, this, &TYearlyForm::DeletePlannerItem1Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(YearlyView, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Previous);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(Next);
    layout->addLayout(buttons);
    fitToGrid();
}

void TYearlyForm::fitToGrid() {
    const int width = YearlyView->verticalHeader()->sizeHint().width() + 31 * kDayColumnWidth +
                      2 * YearlyView->frameWidth();
    const int height = YearlyView->horizontalHeader()->sizeHint().height() +
                       12 * YearlyView->verticalHeader()->defaultSectionSize() +
                       2 * YearlyView->frameWidth();
    YearlyView->setFixedSize(width, height);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TYearlyForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once per opening: a message box over the planner must not send it back to this year.
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TYearlyForm::FormActivate() {
    shownDate_ = today(services_.clock);
    buildYear();
}

void TYearlyForm::buildYear() {
    const int year = civilFromDayNumber(shownDate_).year;
    std::vector<PlannerDay> days;
    std::vector<PlannerPeriod> periods;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = readWithRetry(services_.messages, this, [&] {
        periods.clear();
        days = buildPlannerYear(services_.dataDir, year, &periods);
    });
    QGuiApplication::restoreOverrideCursor();
    if (read) {
        model_->setYear(year, std::move(days), std::move(periods));
    }
    setWindowTitle(QString::number(model_->year() != 0 ? model_->year() : year));
}

void TYearlyForm::step(int months) {
    shownDate_ = addMonths(shownDate_, months);
    buildYear();
    YearlyView->viewport()->update();
}

void TYearlyForm::PreviousClick() {
    step(-12);
}

void TYearlyForm::NextClick() {
    step(12);
}

void TYearlyForm::YearlyViewMouseDown(int month, int day, const QPoint& globalPosition) {
    raise();
    activateWindow();
    PlannerContext->popup(globalPosition);
    const QModelIndex cell = model_->index(month - 1, day - 1);
    YearlyView->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
}

bool TYearlyForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == YearlyView->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const QModelIndex cell = YearlyView->indexAt(mouse->position().toPoint());
            if (cell.isValid()) {
                YearlyViewMouseDown(cell.row() + 1, cell.column() + 1,
                                    mouse->globalPosition().toPoint());
            }
            return true;
        }
    }
    if (event->type() == QEvent::ContextMenu) {
        // The menu key opens the menu on the current cell; the mouse was handled above.
        auto* menu = static_cast<QContextMenuEvent*>(event);
        const QModelIndex cell = YearlyView->currentIndex();
        if (menu->reason() == QContextMenuEvent::Keyboard && cell.isValid()) {
            const QRect rect = YearlyView->visualRect(cell);
            PlannerContext->popup(YearlyView->viewport()->mapToGlobal(rect.center()));
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TYearlyForm::DeletePlannerItem1Click() {
    const QModelIndexList selected = YearlyView->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        services_.messages.show(this, QStringLiteral("No items selected"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        return;
    }
    // The range's top row and left column.
    int month = 12;
    int day = 31;
    for (const QModelIndex& cell : selected) {
        month = std::min(month, cell.row() + 1);
        day = std::min(day, cell.column() + 1);
    }
    if (model_->marks(month, day).empty()) {
        services_.messages.show(this, QStringLiteral("Empty item selected fo deletion!"), QString(),
                                MessageButtons::Ok, MessageIcon::None);
        buildYear();
        YearlyView->viewport()->update();
        return;
    }
    const std::int32_t id = model_->periodId(month, day);
    std::optional<CalendarEntry> period;
    if (!readWithRetry(services_.messages, this,
                       [&] { period = loadEntry(services_.dataDir, id); })) {
        return;
    }
    if (id == -1 || !period) {
        services_.messages.show(this, QStringLiteral("Record not in database!"),
                                QStringLiteral("Critical Error!"), MessageButtons::Ok,
                                MessageIcon::Critical);
        return;
    }
    if (services_.messages.show(
            this, QStringLiteral("Delete item '%1' ?").arg(fromStored(period->comment)),
            QStringLiteral("Confirmation"), MessageButtons::OkCancel,
            MessageIcon::Question) != MessageResult::Ok) {
        return;
    }
    const RecordResult deleted = deleteEntry(services_.dataDir, id);
    if (!deleted.error.empty()) {
        reportWriteError(services_.messages, this, deleted.error);
    } else if (!deleted.found) {
        services_.messages.show(this, QStringLiteral("Record not in database!"),
                                QStringLiteral("Critical Error!"), MessageButtons::Ok,
                                MessageIcon::Critical);
    } else {
        deletedAny_ = true;
    }
    buildYear();
    YearlyView->viewport()->update();
}
