#include "calendar/CalendarPane.h"

#include "address/AddressPane.h"
#include "calendar/CalendarCellDelegate.h"
#include "calendar/CalendarNavigation.h"
#include "calendar/CalendarRowsModel.h"
#include "calendar/CalendarView.h"
#include "host/PaneActivation.h"
#include "host/PaneHost.h"
#include "platform/DataFilesWatcher.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "storage/EntryRecords.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

using namespace trevik;

CalendarPane::CalendarPane(PaneHost& host, Services& services, QWidget* paneParent,
                           QWidget* buttonBarParent)
    : QObject(paneParent), host_(host), services_(services), model_(new CalendarRowsModel(this)) {
    CalendarView = new QTableView(paneParent);
    CalendarView->setObjectName(QStringLiteral("CalendarView"));
    CalendarView->setAccessibleName(QStringLiteral("Calendar"));
    CalendarView->setModel(model_);
    CalendarView->setItemDelegate(new CalendarCellDelegate(CalendarView));
    CalendarView->verticalHeader()->hide();
    CalendarView->verticalHeader()->setMinimumSectionSize(1);
    CalendarView->verticalHeader()->setDefaultSectionSize(16);
    CalendarView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Stored widths are applied as they are, however narrow (the first column is 6 pixels).
    CalendarView->horizontalHeader()->setMinimumSectionSize(1);
    CalendarView->horizontalHeader()->setHighlightSections(false);
    CalendarView->horizontalHeader()->setSectionsClickable(false);
    CalendarView->setSelectionBehavior(QAbstractItemView::SelectRows);
    CalendarView->setSelectionMode(QAbstractItemView::ContiguousSelection);
    CalendarView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CalendarView->setWordWrap(false);
    CalendarView->setAcceptDrops(true);
    CalendarView->setDragDropMode(QAbstractItemView::DropOnly);
    CalendarView->installEventFilter(this);
    CalendarView->viewport()->installEventFilter(this);
    buildButtons(buttonBarParent);
    buildViewMenu();
    auto* activation = new PaneActivation(host_.viewState().activePane, Pane::Calendar, this);
    activation->watch(CalendarView);
    activation->watch(CalButtonBar);
}

void CalendarPane::buildButtons(QWidget* parent) {
    CalButtonBar = new QWidget(parent);
    CalButtonBar->setObjectName(QStringLiteral("CalButtonBar"));
    const auto button = [this](const char* name, const char* caption, const QString& help) {
        auto* b = new QPushButton(QString::fromLatin1(caption), CalButtonBar);
        b->setObjectName(QString::fromLatin1(name));
        if (!help.isEmpty()) {
            b->setToolTip(help);
            b->setAccessibleName(help);
        }
        return b;
    };
    CalNew = button("CalNew", "New", {});
    CalEdit = button("CalEdit", "Edit", {});
    CalDelete = button("CalDelete", "Delete", {});
    CalView = button("CalView", "View ", {});
    CalLeft = button("CalLeft", "<", QStringLiteral("Back"));
    Today = button("Today", "T", QStringLiteral("Today"));
    CalRight = button("CalRight", ">", QStringLiteral("Forward"));
    PaneHost::SetDefaultButton(CalNew, true);
    connect(CalNew, &QPushButton::clicked, this,
            [this] { host_.openEditorFor(Pane::Calendar, FindMatch::NoMatch, kNewEntryMode); });
    connect(CalEdit, &QPushButton::clicked, this,
            [this] { host_.openEditorFor(Pane::Calendar, FindMatch::Match, kEditEntryMode); });
    connect(CalDelete, &QPushButton::clicked, this, &CalendarPane::CalDeleteClick);
    connect(CalView, &QPushButton::clicked, this, &CalendarPane::CalViewClick);
    connect(CalLeft, &QPushButton::clicked, this, &CalendarPane::CalLeftClick);
    connect(Today, &QPushButton::clicked, this, &CalendarPane::TodayClick);
    connect(CalRight, &QPushButton::clicked, this, &CalendarPane::CalRightClick);
}

void CalendarPane::buildViewMenu() {
    CalViewMenu = new QMenu(CalView);
    CalViewMenu->setObjectName(QStringLiteral("CalViewMenu"));
    const std::pair<const char*, const char*> views[] = {
        {"CalDay", "Day"},   {"CalWeek", "Week"},       {"CalMonth", "Month"},
        {"CalYear", "Year"}, {"CalToDo", "To Do List"}, {"CalAnniversaires", "Anniversaries"}};
    std::int32_t code = kDayView;
    for (const auto& [name, caption] : views) {
        QAction* action = CalViewMenu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, code] { SelectView(code); });
        ++code;
    }
    CalViewMenu->addSeparator();
    QAction* planner = CalViewMenu->addAction(QStringLiteral("Yearly Planner"));
    planner->setObjectName(QStringLiteral("CalPlanner"));
    // The window that holds the pane opens the planner, and enables the entry when it connects it.
    planner->setEnabled(false);
}

void CalendarPane::SetUpCalendarPane() {
    const CalendarColumnWidths widths = loadCalendarColumnWidths(services_.settings);
    for (int i = 0; i < CalendarRowsModel::kColumnCount; ++i) {
        CalendarView->setColumnWidth(i, widths[std::size_t(i)]);
    }
    Rebuild();
    host_.layOut();
}

void CalendarPane::Rebuild() {
    ViewContext context;
    context.viewCode = host_.viewState().calendarViewCode;
    context.today = today(services_.clock);
    context.datePeriodMode = host_.viewState().display.datePeriodMode;
    context.weekStartsMonday = host_.viewState().display.weekStartsMonday;
    // A view code the program does not know builds nothing: the rows stay as they were.
    const bool knownView = context.viewCode >= kDayView && context.viewCode <= kAnniversaryView;
    CalendarRowList rows;
    const bool slow = context.viewCode == kYearView || context.viewCode == kAnniversaryView;
    if (slow) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    CalendarBuild build;
    DataFilesWatcher::SideState files;
    const bool read = readWithRetry(services_.messages, host_.dialogParent(), [&] {
        files = host_.dataFiles().stateOf(DataFilesWatcher::Side::Calendar);
        rows = knownView ? CalendarRowList{} : model_->rows();
        build = BuildCalendarView(rows, {}, host_.viewState().calendarDate, context,
                                  CalendarView->height(), services_.locale);
    });
    if (slow) {
        QGuiApplication::restoreOverrideCursor();
    }
    if (!read) {
        return; // the grid keeps what it showed
    }
    host_.dataFiles().markShown(DataFilesWatcher::Side::Calendar, files);
    const KeptSelection kept = keepSelection();
    host_.viewState().calendarTopRow = build.calendarTopRow;
    model_->setRows(std::move(rows), build.gridRowCount);
    restoreSelection(kept);
}

CalendarPane::KeptSelection CalendarPane::keepSelection() const {
    KeptSelection kept;
    for (const QModelIndex& index : CalendarView->selectionModel()->selectedRows()) {
        if (const auto place = placeOfRow(model_->rows(), index.row() + 1)) {
            kept.selected.push_back(*place);
        }
    }
    const QModelIndex current = CalendarView->currentIndex();
    if (current.isValid()) {
        kept.current = placeOfRow(model_->rows(), current.row() + 1);
        kept.currentColumn = current.column();
    }
    return kept;
}

void CalendarPane::restoreSelection(const KeptSelection& kept) {
    QItemSelectionModel* selectionModel = CalendarView->selectionModel();
    if (kept.current) {
        if (const int gridRow = rowAtPlace(model_->rows(), *kept.current); gridRow > 0) {
            selectionModel->setCurrentIndex(model_->index(gridRow - 1, kept.currentColumn),
                                            QItemSelectionModel::NoUpdate);
        }
    }
    QItemSelection selection;
    for (const RowPlace& place : kept.selected) {
        if (const int gridRow = rowAtPlace(model_->rows(), place); gridRow > 0) {
            selection.select(model_->index(gridRow - 1, 0),
                             model_->index(gridRow - 1, CalendarRowsModel::kColumnCount - 1));
        }
    }
    selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CalendarPane::rebuildInPlace() {
    const std::optional<RowPlace> top = placeOfRow(model_->rows(), CalendarView->rowAt(0) + 1);
    const int scrolled = CalendarView->verticalScrollBar()->value();
    Rebuild();
    host_.layOut();
    CalendarView->doItemsLayout();
    if (const int gridRow = top ? rowAtPlace(model_->rows(), *top) : 0; gridRow > 0) {
        CalendarView->scrollTo(model_->index(gridRow - 1, 0), QAbstractItemView::PositionAtTop);
    } else {
        CalendarView->verticalScrollBar()->setValue(scrolled);
    }
}

void CalendarPane::ShowTopRow() {
    // The grid lays out new rows later by itself; until then its scroll range is that of the
    // previous view, which would stop the scroll short of the top row.
    CalendarView->doItemsLayout();
    const int row = std::clamp(host_.viewState().calendarTopRow - 1, 0, model_->rowCount() - 1);
    CalendarView->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtTop);
}

bool CalendarPane::FindInCalendar(const QString& text) {
    const int gridRow = trevik::FindInCalendar(model_->rows(), toStored(text));
    if (gridRow == 0) {
        return false;
    }
    const QModelIndex index = model_->index(gridRow - 1, 1);
    CalendarView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
    CalendarView->scrollTo(index);
    return true;
}

void CalendarPane::SelectView(std::int32_t viewCode) {
    host_.viewState().calendarViewCode = viewCode;
    Rebuild();
    host_.layOut();
    if (viewCode != kDayView) {
        ShowTopRow();
    }
}

void CalendarPane::applyLayout(const MainLayout& layout, int clientWidth) {
    // The layout widens the grid by 15 pixels while its rows do not fit, past the window's
    // edge; here the grid stops at the edge so its scroll bar stays visible and usable.
    Box grid = layout.calendarView;
    grid.width = std::min(grid.width, clientWidth - grid.left);
    CalendarView->setGeometry(grid.left, grid.top, grid.width, grid.height);
    CalButtonBar->setGeometry(layout.calButtonBarLeft, 0, layout.calButtonBarWidth,
                              kButtonBarHeight);
    const std::array<QPushButton*, 4> buttons = {CalNew, CalEdit, CalDelete, CalView};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(layout.calendarButtons[i].left, 20, layout.calendarButtons[i].width,
                                30);
    }
    const std::array<QPushButton*, 3> navigation = {CalLeft, Today, CalRight};
    for (std::size_t i = 0; i < navigation.size(); ++i) {
        navigation[i]->setGeometry(layout.navigationButtons[i].left, 20,
                                   layout.navigationButtons[i].width, 30);
        navigation[i]->setVisible(layout.navigationVisible);
    }
}

void CalendarPane::step(int direction) {
    if (!viewMovesByDate(host_.viewState().calendarViewCode)) {
        return;
    }
    host_.viewState().calendarDate = stepCalendarDate(
        host_.viewState().calendarDate, host_.viewState().calendarViewCode, direction);
    host_.refresh(Change::Calendar | Change::CalendarFind);
    host_.focusFind();
}

void CalendarPane::CalLeftClick() {
    step(-1);
}

void CalendarPane::CalRightClick() {
    step(1);
}

void CalendarPane::TodayClick() {
    host_.viewState().calendarDate = today(services_.clock);
    if (host_.viewState().calendarViewCode == kToDoView ||
        host_.viewState().calendarViewCode == kAnniversaryView) {
        return;
    }
    host_.refresh(Change::Calendar);
}

int CalendarPane::selectedTopGridRow() const {
    int top = 0;
    for (const QModelIndex& index : CalendarView->selectionModel()->selectedRows()) {
        if (top == 0 || index.row() + 1 < top) {
            top = index.row() + 1;
        }
    }
    return top;
}

std::pair<int, int> CalendarPane::selectedGridRows() const {
    int top = 0;
    int bottom = 0;
    for (const QModelIndex& index : CalendarView->selectionModel()->selectedRows()) {
        const int gridRow = index.row() + 1;
        top = top == 0 ? gridRow : std::min(top, gridRow);
        bottom = std::max(bottom, gridRow);
    }
    return {top, bottom};
}

void CalendarPane::CalDeleteClick() {
    const int gridRow = selectedTopGridRow();
    if (gridRow == 0) {
        services_.messages.show(host_.dialogParent(), QStringLiteral("No items selected"),
                                QString(), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const CalendarRow* row = rowAt(gridRow);
    if (row == nullptr || row->isDayHeader) {
        return;
    }
    const std::int32_t id = std::int32_t(row->recordId);
    std::optional<CalendarEntry> entry;
    if (!readWithRetry(services_.messages, host_.dialogParent(),
                       [&] { entry = loadEntry(services_.dataDir, id); }) ||
        !entry) {
        return;
    }
    const auto confirmed = [this](const QString& question) {
        return services_.messages.show(host_.dialogParent(), question,
                                       QStringLiteral("Confirmation"), MessageButtons::OkCancel,
                                       MessageIcon::Question) == MessageResult::Ok;
    };
    if (!confirmed(QStringLiteral("Delete item '%1' ?").arg(fromStored(entry->comment)))) {
        return;
    }
    if (entry->addressLink != -1 &&
        !confirmed(QStringLiteral("Are you sure, it's linked to address book?"))) {
        return;
    }
    reportWriteError(services_.messages, host_.dialogParent(),
                     deleteEntry(services_.dataDir, id).error);
    host_.refresh(Change::Calendar);
    host_.focusFind();
}

void CalendarPane::CalViewClick() {
    host_.bringToFront();
    const QPoint below = CalView->mapToGlobal(QPoint(0, CalView->height()));
    CalViewMenu->popup(QPoint(QCursor::pos().x(), below.y()));
}

CalendarSelection CalendarPane::selection() const {
    const CalendarRow* row = rowAt(selectedTopGridRow());
    if (row == nullptr) {
        return {};
    }
    if (row->isDayHeader) {
        return {CalendarSelection::DayHeader, 0};
    }
    return {CalendarSelection::Entry, std::int32_t(row->recordId)};
}

const CalendarRowList& CalendarPane::rows() const {
    return model_->rows();
}

const CalendarRow* CalendarPane::rowAt(int gridRow) const {
    return model_->rows().at(gridRow);
}

int CalendarPane::rowsHeight() const {
    return (model_->rowCount() + 1) * CalendarView->verticalHeader()->defaultSectionSize();
}

CalendarColumnWidths CalendarPane::columnWidths() const {
    CalendarColumnWidths widths{};
    for (int i = 0; i < CalendarRowsModel::kColumnCount; ++i) {
        widths[std::size_t(i)] = CalendarView->columnWidth(i);
    }
    return widths;
}

void CalendarPane::CalendarViewMouseDown(const QPoint& position) {
    const QModelIndex index = CalendarView->indexAt(position);
    const CalendarRow* row = index.isValid() ? rowAt(index.row() + 1) : nullptr;
    if (row == nullptr || row->isDayHeader) {
        return;
    }
    if (index.column() == 4 && row->fileMark == 'F') {
        host_.openLink(QUrl::fromUserInput(fromStored(row->fileLink),
                                           QFile::decodeName(services_.dataDir.c_str()),
                                           QUrl::AssumeLocalFile),
                       fromStored(row->fileLink));
    } else if (index.column() == 5 && row->addressMark == 'A') {
        host_.selectContact(row->addressId);
    }
}

bool CalendarPane::eventFilter(QObject* watched, QEvent* event) {
    QWidget* viewport = CalendarView->viewport();
    switch (event->type()) {
    case QEvent::FocusIn:
        if (watched == CalendarView) {
            host_.viewState().activePane = Pane::Calendar; // CalendarViewEnter
        }
        break;
    case QEvent::KeyPress:
        if (watched == CalendarView && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            CalDeleteClick();
            return true;
        }
        break;
    case QEvent::ContextMenu:
        if (watched == viewport || watched == CalendarView) {
            host_.showContextMenu(Pane::Calendar,
                                  static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == viewport && mouse->button() == Qt::LeftButton) {
            CalendarViewMouseDown(mouse->position().toPoint());
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (watched == viewport) {
            const QModelIndex index =
                CalendarView->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (index.isValid()) {
                host_.openEditorFor(Pane::Calendar, FindMatch::Match, kEditEntryMode);
                return true;
            }
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == viewport) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasFormat(AddressPane::kContactMimeType)) {
                drag->acceptProposedAction();
            } else {
                drag->ignore();
            }
            return true;
        }
        break;
    case QEvent::Drop:
        if (watched == viewport) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasFormat(AddressPane::kContactMimeType)) {
                drop->acceptProposedAction();
                // CalendarViewDragDrop: a new entry linked to the dropped contact.
                host_.viewState().findState.address = FindMatch::Match;
                host_.openEditor(kDropMode);
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
