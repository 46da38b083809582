#include "address/AddressPane.h"

#include "address/AddressDeletion.h"
#include "address/AddressList.h"
#include "address/AddressListDelegate.h"
#include "address/AddressListModel.h"
#include "editor/EditorSetup.h"
#include "host/PaneActivation.h"
#include "host/PaneHost.h"
#include "platform/DataFilesWatcher.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_set>

using namespace trevik;

AddressPane::AddressPane(PaneHost& host, Services& services, QWidget* paneParent,
                         QWidget* buttonBarParent)
    : QObject(paneParent), host_(host), services_(services), model_(new AddressListModel(this)) {
    buildList(paneParent);
    buildFullView(paneParent);
    buildButtons(buttonBarParent);
    auto* activation = new PaneActivation(host_.viewState().activePane, Pane::Address, this);
    for (QWidget* part :
         {static_cast<QWidget*>(AddressView), static_cast<QWidget*>(AddressFull), AdrButtonBar}) {
        activation->watch(part);
    }
}

void AddressPane::buildList(QWidget* parent) {
    AddressView = new QTreeView(parent);
    AddressView->setObjectName(QStringLiteral("AddressView"));
    AddressView->setAccessibleName(QStringLiteral("Address book"));
    AddressView->setModel(model_);
    AddressView->setItemDelegate(new AddressListDelegate(AddressView));
    AddressView->setRootIsDecorated(false);
    AddressView->setUniformRowHeights(true);
    AddressView->setItemsExpandable(false);
    AddressView->setAllColumnsShowFocus(true);
    AddressView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    AddressView->setSelectionBehavior(QAbstractItemView::SelectRows);
    AddressView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AddressView->setContextMenuPolicy(Qt::DefaultContextMenu);
    AddressView->header()->setStretchLastSection(false);
    AddressView->header()->setMinimumSectionSize(1);
    AddressView->header()->setSectionsClickable(true);
    AddressView->header()->setSectionsMovable(false);
    AddressView->header()->setSortIndicatorShown(true);
    AddressView->header()->setSortIndicator(host_.viewState().sortColumn, Qt::AscendingOrder);
    AddressView->installEventFilter(this);
    AddressView->viewport()->installEventFilter(this);
    connect(AddressView->header(), &QHeaderView::sectionClicked, this,
            &AddressPane::AddressViewColumnClick);
}

void AddressPane::buildFullView(QWidget* parent) {
    AddressFull = new QFrame(parent);
    AddressFull->setObjectName(QStringLiteral("AddressFull"));
    AddressFull->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    AddressFull->setAutoFillBackground(true);
    AddressFull->setContextMenuPolicy(Qt::DefaultContextMenu);
    AddressFull->installEventFilter(this);
    auto* layout = new QVBoxLayout(AddressFull);
    // The card scrolls, so a long address or note can be read to its last line.
    auto* scroller = new QScrollArea(AddressFull);
    scroller->setObjectName(QStringLiteral("AddressCard"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    auto* card = new QWidget(scroller);
    auto* cardLayout = new QVBoxLayout(card);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    const std::array<std::pair<const char*, const char*>, 9> fields = {{{"Name", "Name:"},
                                                                        {"Home", "Home:"},
                                                                        {"Work", "Work:"},
                                                                        {"Fax", "Fax:"},
                                                                        {"Mobile", "Mobile:"},
                                                                        {"Email", "E-mail:"},
                                                                        {"web", "WWW:"},
                                                                        {"Addr", "Address:"},
                                                                        {"misc", "Misc:"}}};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto* caption = new QLabel(QString::fromLatin1(fields[i].second), card);
        auto* value = new QLabel(card);
        value->setObjectName(QString::fromLatin1(fields[i].first));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // A right click anywhere on the card opens the pane's menu, not the label's own.
        value->setContextMenuPolicy(Qt::NoContextMenu);
        // Unwrapped: every line keeps its own, and the card scrolls either way to show it all.
        value->setWordWrap(false);
        value->setAccessibleName(caption->text().chopped(1));
        caption->setBuddy(value);
        form->addWidget(caption, int(i), 0, Qt::AlignTop);
        form->addWidget(value, int(i), 1);
        fullValues[i] = value;
    }
    cardLayout->addLayout(form);
    cardLayout->addStretch();
    scroller->setWidget(card);
    layout->addWidget(scroller, 1);
    auto* steps = new QHBoxLayout;
    AddrPrev = new QPushButton(QStringLiteral("&Previous"), AddressFull);
    AddrPrev->setObjectName(QStringLiteral("AddrPrev"));
    AddrNext = new QPushButton(QStringLiteral("&Next"), AddressFull);
    AddrNext->setObjectName(QStringLiteral("AddrNext"));
    steps->addWidget(AddrPrev);
    steps->addWidget(AddrNext);
    steps->addStretch();
    layout->addLayout(steps);
    connect(AddrPrev, &QPushButton::clicked, this, &AddressPane::AddrPrevClick);
    connect(AddrNext, &QPushButton::clicked, this, &AddressPane::AddrNextClick);
    AddressFull->hide();
}

void AddressPane::buildButtons(QWidget* parent) {
    AdrButtonBar = new QWidget(parent);
    AdrButtonBar->setObjectName(QStringLiteral("AdrButtonBar"));
    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), AdrButtonBar);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    AddrNew = button("AddrNew", "New");
    AddrEdit = button("AddrEdit", "Edit");
    AddrDelete = button("AddrDelete", "Delete");
    AddrSearch = button("AddrSearch", "Search");
    AddrView = button("AddrView", "View ");
    PaneHost::SetDefaultButton(AddrNew, true);
    connect(AddrNew, &QPushButton::clicked, this,
            [this] { host_.openEditorFor(Pane::Address, FindMatch::NoMatch, kNewContactMode); });
    connect(AddrEdit, &QPushButton::clicked, this,
            [this] { host_.openEditorFor(Pane::Address, FindMatch::Match, kEditContactMode); });
    connect(AddrDelete, &QPushButton::clicked, this, &AddressPane::AddrDeleteClick);
    connect(AddrView, &QPushButton::clicked, this, &AddressPane::AddrViewClick);

    AddrViewMenu = new QMenu(AddrView);
    AddrViewMenu->setObjectName(QStringLiteral("AddrViewMenu"));
    QAction* list = AddrViewMenu->addAction(QStringLiteral("List"));
    list->setObjectName(QStringLiteral("AddrList"));
    QAction* full = AddrViewMenu->addAction(QStringLiteral("Full"));
    full->setObjectName(QStringLiteral("AddrFull"));
    connect(list, &QAction::triggered, this, &AddressPane::AddrListClick);
    connect(full, &QAction::triggered, this, &AddressPane::AddrFullClick);
}

bool AddressPane::RefillAddressList(const QString& filter) {
    ContactBook::Reading reading;
    DataFilesWatcher::SideState files;
    const bool read = readWithRetry(services_.messages, host_.dialogParent(), [&] {
        files = host_.dataFiles().stateOf(DataFilesWatcher::Side::Addresses);
        reading = model_->readFile(services_.dataDir, services_.clock, host_.installationUid());
    });
    if (!read) {
        return false; // the list keeps what it showed
    }
    host_.dataFiles().markShown(DataFilesWatcher::Side::Addresses, files);
    const AddressListing listing = model_->refill(std::move(reading), toStored(filter),
                                                  host_.viewState().sortColumn, services_.locale);
    // The first match in file order is selected, wherever the sort put it.
    if (listing.matched) {
        selectOnly(model_->rowOfPosition(listing.positions.front()));
    }
    return listing.matched;
}

void AddressPane::ShowAddressFull(int row) {
    for (std::size_t i = 0; i < fullValues.size(); ++i) {
        // Memos hold CR LF line breaks; a label breaks lines at LF alone.
        fullValues[i]->setText(row < 0
                                   ? QString()
                                   : fromStored(addressColumnText(model_->contact(row), int(i)))
                                         .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    // A card the list hides is laid out when it is shown: AddrFullClick fills it again then.
    // Laying it out on every keystroke in the find box would cost more than the refill.
    if (AddressFull->isHidden()) {
        return;
    }
    // The card's rows follow the new texts.
    QWidget* card = AddressFull->findChild<QScrollArea*>()->widget();
    card->layout()->invalidate();
    card->adjustSize();
}

void AddressPane::ApplyAddressColumns() {
    // Stored widths are set when they differ from the ones set last (at start, or after an
    // update brought new ones), so the widths the user dragged survive every save.
    const AddressColumnWidths widths = loadAddressColumnWidths(services_.settings);
    if (widths != appliedWidths_) {
        for (int i = 0; i < kAddressColumnCount; ++i) {
            AddressView->setColumnWidth(i, widths[std::size_t(i)]);
        }
        appliedWidths_ = widths;
    }
    host_.refresh(Change::Contacts);
}

void AddressPane::applyLayout(const MainLayout& layout) {
    const auto place = [](QWidget* widget, const Box& box) {
        widget->setGeometry(box.left, box.top, box.width, box.height);
    };
    place(AddressView, layout.addressView);
    place(AddressFull, layout.addressFull);
    AdrButtonBar->setGeometry(0, 0, layout.adrButtonBarWidth, kButtonBarHeight);
    const std::array<QPushButton*, 5> buttons = {AddrNew, AddrEdit, AddrDelete, AddrSearch,
                                                 AddrView};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(layout.addressButtons[i].left, 20, layout.addressButtons[i].width,
                                30);
    }
}

void AddressPane::SortBy(int column) {
    // A refill already sorted its rows by the stored column.
    if (!model_->isSortedBy(column)) {
        // The selection stays on the same contacts while the rows move.
        const ListPlace kept = place();
        model_->sortBy(column, services_.locale);
        reselect(kept);
    }
    // The header flips its indicator at a click; the order is always ascending.
    AddressView->header()->setSortIndicator(column, Qt::AscendingOrder);
}

AddressPane::ListPlace AddressPane::place() const {
    ListPlace kept;
    for (const QModelIndex& index : AddressView->selectionModel()->selectedRows()) {
        kept.selectedIds.insert(model_->contact(index.row()).id);
    }
    const QModelIndex current = AddressView->currentIndex();
    kept.currentId = current.isValid() ? model_->contact(current.row()).id : -1;
    const QModelIndex top = AddressView->indexAt(QPoint(1, 1));
    kept.topId = top.isValid() ? model_->contact(top.row()).id : -1;
    return kept;
}

// One pass over the rows finds the kept contacts again, however many are selected.
void AddressPane::reselect(const ListPlace& place) {
    QItemSelection selection;
    int currentRow = -1;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const std::int32_t id = model_->contact(row).id;
        if (id == place.currentId) {
            currentRow = row;
        }
        if (place.selectedIds.count(id) != 0) {
            selection.select(model_->index(row, 0), model_->index(row, kAddressColumnCount - 1));
        }
    }
    if (currentRow >= 0) {
        AddressView->selectionModel()->setCurrentIndex(model_->index(currentRow, 0),
                                                       QItemSelectionModel::NoUpdate);
    }
    AddressView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void AddressPane::restorePlace(const ListPlace& place) {
    bool anyListed = false;
    for (const std::int32_t id : place.selectedIds) {
        anyListed = anyListed || model_->rowOfId(id) >= 0;
    }
    if (anyListed) {
        reselect(place);
    }
    if (const int top = model_->rowOfId(place.topId); top >= 0) {
        AddressView->scrollTo(model_->index(top, 0), QAbstractItemView::PositionAtTop);
    }
}

void AddressPane::AddressViewColumnClick(int column) {
    SortBy(column);
    host_.viewState().sortColumn = column;
}

int AddressPane::firstSelectedRow() const {
    int first = -1;
    for (const QModelIndex& index : AddressView->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first) {
            first = index.row();
        }
    }
    return first;
}

std::vector<Contact> AddressPane::selectedContacts() const {
    std::vector<int> rows;
    for (const QModelIndex& index : AddressView->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    std::vector<Contact> selected;
    selected.reserve(rows.size());
    for (const int row : rows) {
        selected.push_back(model_->contact(row));
    }
    return selected;
}

void AddressPane::SelectRow(int row) {
    selectOnly(row);
    AddressView->setFocus();
}

const Contact& AddressPane::contactAt(int row) const {
    return model_->contact(row);
}

const Contact* AddressPane::focusedContact() const {
    const QModelIndex current = AddressView->currentIndex();
    return current.isValid() ? &model_->contact(current.row()) : nullptr;
}

int AddressPane::rowCount() const {
    return model_->rowCount();
}

AddressColumnWidths AddressPane::columnWidths() const {
    AddressColumnWidths widths{};
    for (int i = 0; i < kAddressColumnCount; ++i) {
        widths[std::size_t(i)] = AddressView->columnWidth(i);
    }
    return widths;
}

bool AddressPane::fullViewShown() const {
    return AddressFull->isVisible();
}

void AddressPane::selectOnly(int row) {
    const QModelIndex index = model_->index(row, 0);
    AddressView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
    AddressView->scrollTo(index);
}

void AddressPane::AddrFullClick() {
    AddressView->hide();
    AddressFull->show();
    int row = firstSelectedRow();
    if (row < 0 && rowCount() > 0) {
        row = 0;
        selectOnly(0);
    }
    ShowAddressFull(row);
}

void AddressPane::AddrListClick() {
    AddressView->show();
    AddressFull->hide();
}

void AddressPane::AddrNextClick() {
    const int target = nextAddressIndex(rowCount(), firstSelectedRow());
    if (target < 0) {
        return;
    }
    selectOnly(target);
    ShowAddressFull(target);
}

void AddressPane::AddrPrevClick() {
    const int target = previousAddressIndex(rowCount(), firstSelectedRow());
    if (target < 0) {
        return;
    }
    selectOnly(target);
    ShowAddressFull(target);
}

void AddressPane::AddrDeleteClick() {
    const Contact* contact = focusedContact();
    if (contact == nullptr) {
        services_.messages.show(host_.dialogParent(), QStringLiteral("No items selected"),
                                QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const QString question = QStringLiteral("Delete %1?").arg(fromStored(contact->name));
    if (services_.messages.show(host_.dialogParent(), question, QStringLiteral("Confirmation"),
                                MessageButtons::OkCancel,
                                MessageIcon::Question) != MessageResult::Ok) {
        return;
    }
    const AddressDeletion deletion = deleteAddress(services_.dataDir, contact->id);
    reportWriteError(services_.messages, host_.dialogParent(), deletion.result.error);
    host_.refresh(deletion.unlinkedEntries ? Change::Calendar | Change::Contacts
                                           : Change::Contacts);
}

void AddressPane::AddrViewClick() {
    host_.bringToFront();
    const QPoint below = AddrView->mapToGlobal(QPoint(0, AddrView->height()));
    AddrViewMenu->popup(QPoint(QCursor::pos().x(), below.y()));
}

void AddressPane::SelectAll() {
    AddressView->selectAll();
}

void AddressPane::SelectContact(std::int32_t id) {
    const int row = model_->rowOfId(id);
    if (row < 0) {
        return;
    }
    SelectRow(row);
}

void AddressPane::AddressViewMouseMove(QMouseEvent* event) {
    // Reaching the list's right edge with one contact selected drags it out, towards the
    // calendar grid.
    if (!(event->buttons() & Qt::LeftButton) ||
        event->position().x() < AddressView->viewport()->width() - 5 ||
        AddressView->selectionModel()->selectedRows().size() != 1) {
        return;
    }
    const Contact& contact = model_->contact(firstSelectedRow());
    auto* mime = new QMimeData;
    mime->setData(QString::fromLatin1(kContactMimeType), QByteArray::number(contact.id));
    auto* drag = new QDrag(AddressView);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
}

void AddressPane::popUpContextMenu(const QPoint& globalPos) {
    host_.showContextMenu(Pane::Address, globalPos);
}

void AddressPane::AddressViewKeyDown(QKeyEvent* event, bool& handled) {
    if (event->key() == Qt::Key_Delete) {
        AddrDeleteClick();
        handled = true;
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        host_.focusFind();
        handled = true;
        return;
    }
    // A typed character starts the find box. Navigation keys stay with the list.
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const QString text = event->text();
    if (modifiers == Qt::NoModifier && text.size() == 1 && text.at(0).isPrint() &&
        !text.at(0).isSpace()) {
        host_.startFind(text.toUpper());
        handled = true;
    }
}

bool AddressPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == AddressView && event->type() == QEvent::FocusIn) {
        host_.viewState().activePane = Pane::Address; // AddressViewEnter
    }
    if (watched == AddressView && event->type() == QEvent::KeyPress) {
        bool handled = false;
        AddressViewKeyDown(static_cast<QKeyEvent*>(event), handled);
        if (handled) {
            return true;
        }
    }
    if (watched == AddressView->viewport() && event->type() == QEvent::MouseMove) {
        AddressViewMouseMove(static_cast<QMouseEvent*>(event));
    }
    if (watched == AddressView->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // AddressViewDblClick: edit the contact under the pointer.
        const QModelIndex index =
            AddressView->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid()) {
            selectOnly(index.row());
            host_.openEditorFor(Pane::Address, FindMatch::Match, kEditContactMode);
        }
        return true;
    }
    if ((watched == AddressView->viewport() || watched == AddressFull || watched == AddressView) &&
        event->type() == QEvent::ContextMenu) {
        popUpContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
