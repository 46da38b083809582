#include "calendar/CalendarPane.h"
#include "FakePaneHost.h"
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateForm.h"
#include "calendar/TimeForm.h"
#include "calendar/TypeForm.h"
#include "common/Clock.h"
#include "editor/AddNewForm.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "support/Records.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <fstream>
#include <memory>

using namespace trevik;

class CalendarPaneTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<FakePaneHost> host;
    CalendarPane* alone = nullptr;

    static DayNumber dayOf(int y, int m, int d) { return dayNumberFromCivil({y, m, d}); }

    std::int32_t addEntry(const char* comment, DayNumber day, std::int32_t link = -1,
                          const char* file = "", std::int16_t repeat = kRepeatNone) {
        return trevik::addEntry({}, test::entryRecord(comment, day, link, file, repeat), env->clock,
                                1)
            .id;
    }

    void open() {
        form = std::make_unique<TMainForm>(env->services, QStringList{});
        form->resize(900, 600);
    }

    // The pane alone, in a fake window that builds the grid again after a change as the
    // window does.
    void openAlone() {
        host = std::make_unique<FakePaneHost>();
        host->view.calendarDate = today(env->services.clock);
        alone = new CalendarPane(*host, env->services, &host->window, new QWidget(&host->window));
        alone->CalendarView->resize(600, 400);
        host->onRefresh = [this](Change what) {
            if (has(what, Change::Calendar)) {
                alone->Rebuild();
                alone->ShowTopRow();
            }
        };
        alone->SetUpCalendarPane();
        host->window.show();
    }

    CalendarPane& pane() { return form ? *form->calendarPane : *alone; }

    QStringList comments() {
        QStringList out;
        for (const CalendarRow& row : pane().rows().rows()) {
            if (!row.isDayHeader) {
                out << QString::fromStdString(row.comment);
            }
        }
        return out;
    }

    // The grid row (one-based) holding the entry with this comment.
    int gridRowOf(const char* comment) {
        for (int r = 1; r <= pane().rows().count(); ++r) {
            if (pane().rows().at(r)->comment == comment) {
                return r;
            }
        }
        return 0;
    }

    void selectGridRow(int gridRow) {
        QTableView* view = pane().CalendarView;
        view->selectionModel()->setCurrentIndex(view->model()->index(gridRow - 1, 1),
                                                QItemSelectionModel::ClearAndSelect |
                                                    QItemSelectionModel::Rows);
    }

    void clickCell(int gridRow, int column) {
        QTableView* view = pane().CalendarView;
        const QModelIndex index = view->model()->index(gridRow - 1, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    QAction* action(const char* name) {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }

    void cleanup() {
        form.reset();
        host.reset();
        alone = nullptr;
        env.reset();
    }

    void startsOnTodaysDayViewWithStoredColumnWidths() {
        addEntry("today's entry", dayOf(2026, 12, 7));
        openAlone();
        QCOMPARE(host->view.calendarViewCode, 101);
        QCOMPARE(pane().rows().at(1)->dayText,
                 DayHeaderText(dayOf(2026, 12, 7), env->services.locale));
        QCOMPARE(comments(), QStringList{"today's entry"});
        QCOMPARE(pane().columnWidths(), kDefaultCalendarColumns);
        QCOMPARE(pane().CalendarView->model()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Comment"));
    }

    void monthNavigationFromTheThirtyFirstOfJanuaryLandsInFebruary() {
        addEntry("january", dayOf(2026, 1, 10));
        addEntry("february", dayOf(2026, 2, 10));
        open();
        form->viewState().calendarDate = dayOf(2026, 1, 31);
        action("MainCalMonth")->trigger();
        QCOMPARE(form->viewState().calendarViewCode, 103);
        QCOMPARE(comments(), QStringList{"january"});
        pane().CalRightClick();
        QCOMPARE(form->viewState().calendarDate, dayOf(2026, 2, 28));
        QCOMPARE(comments(), QStringList{"february"});
        pane().CalLeftClick();
        QCOMPARE(form->viewState().calendarDate, dayOf(2026, 1, 28));
        QCOMPARE(comments(), QStringList{"january"});
    }

    // The first visible row of the grid is the view's top row (today's day in a month or year).
    void theFirstSwitchToAMonthOrYearShowsItsTopRow() {
        std::ofstream(env->configPath()) << "[Display]\nCalendarView=106\n";
        addEntry("birthday", dayOf(1990, 12, 9), -1, "", kRepeatYearly);
        addEntry("walk", dayOf(2026, 1, 1), -1, "", kRepeatDaily);
        open();
        QCOMPARE(form->viewState().calendarViewCode, 106);
        action("MainCalMonth")->trigger();
        QVERIFY(form->viewState().calendarTopRow > 1);
        QCOMPARE(pane().rows().at(form->viewState().calendarTopRow)->dayText,
                 DayHeaderText(dayOf(2026, 12, 7), env->services.locale));
        QCOMPARE(pane().CalendarView->rowAt(0) + 1, form->viewState().calendarTopRow);

        form.reset();
        open();
        action("MainCalYear")->trigger();
        QVERIFY(form->viewState().calendarTopRow > 300);
        QCOMPARE(pane().rows().at(form->viewState().calendarTopRow)->dayText,
                 DayHeaderText(dayOf(2026, 12, 7), env->services.locale));
        QCOMPARE(pane().CalendarView->rowAt(0) + 1, form->viewState().calendarTopRow);
    }

    // Another program's append (in place) and delete (a new file renamed over the old) show
    // within a second; the grid keeps its selected entry and its first visible row.
    void entriesAnotherProgramChangesShowWithinASecond() {
        std::ofstream(env->configPath()) << "[Display]\nCalendarView=103\n";
        addEntry("walk", dayOf(2026, 1, 1), -1, "", kRepeatDaily);
        addEntry("Lunch", dayOf(2026, 12, 7));
        open();
        QTableView* view = pane().CalendarView;
        selectGridRow(gridRowOf("Lunch"));
        const auto headerRowOf = [&](int day) {
            const std::string text = DayHeaderText(dayOf(2026, 12, day), env->services.locale);
            for (int r = 1; r <= pane().rows().count(); ++r) {
                if (pane().rows().at(r)->dayText == text) {
                    return r;
                }
            }
            return 0;
        };
        view->scrollTo(view->model()->index(headerRowOf(6) - 1, 0),
                       QAbstractItemView::PositionAtTop);
        QCOMPARE(view->rowAt(0) + 1, headerRowOf(6));

        const std::int32_t breakfast = addEntry("Breakfast", dayOf(2026, 12, 3));
        QTRY_VERIFY_WITH_TIMEOUT(comments().contains(QStringLiteral("Breakfast")), 1000);
        QCOMPARE(view->rowAt(0) + 1, headerRowOf(6));
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(view->currentIndex().row() + 1, gridRowOf("Lunch"));

        deleteEntry({}, breakfast);
        QTRY_VERIFY_WITH_TIMEOUT(!comments().contains(QStringLiteral("Breakfast")), 1000);
        QCOMPARE(view->rowAt(0) + 1, headerRowOf(6));
        QCOMPARE(view->currentIndex().row() + 1, gridRowOf("Lunch"));

        // The window's own delete is shown once, not again when the files report it.
        QSignalSpy resets(view->model(), &QAbstractItemModel::modelReset);
        env->messages.answers = {MessageResult::Ok};
        pane().CalDeleteClick();
        QVERIFY(!comments().contains(QStringLiteral("Lunch")));
        const qsizetype shown = resets.count();
        QTest::qWait(700);
        QCOMPARE(resets.count(), shown);
    }

    // A rebuild keeps the selected entry selected, so Enter after a save edits it again.
    void theFoundEntryStaysSelectedOverASave() {
        addEntry("Early", dayOf(2026, 12, 7));
        addEntry("Dentist", dayOf(2026, 12, 7));
        open();
        QTest::keyClicks(form->FindEdit, "den");
        QCOMPARE(pane().CalendarView->currentIndex().row() + 1, gridRowOf("Dentist"));
        QStringList edited;
        const auto saveWhenShown = [&] {
            whenModal<TAddNewForm>([&](TAddNewForm* editor) {
                edited << editor->CommentEdit->toPlainText();
                editor->SaveCal->click();
            });
        };
        saveWhenShown();
        QTest::keyClick(form->FindEdit, Qt::Key_Return);
        QCOMPARE(edited, QStringList{"Dentist"});
        const QModelIndexList selected = pane().CalendarView->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0].row() + 1, gridRowOf("Dentist"));
        saveWhenShown();
        QTest::keyClick(form->FindEdit, Qt::Key_Return);
        QCOMPARE(edited, (QStringList{"Dentist", "Dentist"}));
        for (const auto& shown : env->messages.shown) {
            QVERIFY2(shown.text != QStringLiteral("No items selected"), qPrintable(shown.text));
        }
    }

    void theToDoAndAnniversaryViewsDoNotMove() {
        addEntry("birthday", dayOf(1990, 12, 9), -1, "", kRepeatYearly);
        openAlone();
        const DayNumber before = host->view.calendarDate;
        host->window.findChild<QAction*>(QStringLiteral("CalAnniversaires"))->trigger();
        QCOMPARE(host->view.calendarViewCode, 106);
        QCOMPARE(comments(), QStringList{"birthday"});
        const CalendarRowList rows = pane().rows();
        pane().CalLeftClick();
        pane().CalRightClick();
        QCOMPARE(host->view.calendarDate, before);
        QCOMPARE(pane().rows(), rows);
        host->view.calendarDate = dayOf(2020, 1, 1);
        pane().TodayClick(); // sets the date, leaves the rows
        QCOMPARE(host->view.calendarDate, dayOf(2026, 12, 7));
        QCOMPARE(pane().rows(), rows);

        host->window.findChild<QAction*>(QStringLiteral("CalToDo"))->trigger();
        QCOMPARE(host->view.calendarViewCode, 105);
        pane().CalRightClick();
        QCOMPARE(host->view.calendarDate, dayOf(2026, 12, 7));
    }

    void findingAnEntryMakesEditTheDefault() {
        addEntry("Dentist", dayOf(2026, 12, 7));
        open();
        QVERIFY(pane().CalNew->font().bold());
        QTest::keyClicks(form->FindEdit, "dEN");
        QCOMPARE(form->viewState().findState.calendar, FindMatch::Match);
        QVERIFY(pane().CalEdit->font().bold());
        QVERIFY(!pane().CalNew->font().bold());
        QCOMPARE(pane().CalendarView->currentIndex().row() + 1, gridRowOf("Dentist"));
        QTest::keyClicks(form->FindEdit, "x");
        QCOMPARE(form->viewState().findState.calendar, FindMatch::NoMatch);
        QVERIFY(pane().CalNew->font().bold());
    }

    void deletingALinkedEntryAsksTwice() {
        const std::int32_t id = addEntry("Lunch", dayOf(2026, 12, 7), 3);
        openAlone();
        selectGridRow(gridRowOf("Lunch"));
        env->messages.answers = {MessageResult::Ok, MessageResult::Cancel};
        pane().CalDeleteClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("Delete item 'Lunch' ?"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Confirmation"));
        QCOMPARE(env->messages.shown[1].text,
                 QStringLiteral("Are you sure, it's linked to address book?"));
        QVERIFY(loadEntry({}, id).has_value());

        selectGridRow(gridRowOf("Lunch"));
        env->messages.answers = {MessageResult::Ok, MessageResult::Ok};
        pane().CalDeleteClick();
        QVERIFY(!loadEntry({}, id).has_value());
        QCOMPARE(comments(), QStringList{});
    }

    void deleteWithAHeaderOrNothingSelected() {
        const std::int32_t id = addEntry("Keep", dayOf(2026, 12, 7));
        openAlone();
        selectGridRow(1); // the day header
        pane().CalDeleteClick();
        QVERIFY(env->messages.shown.empty());
        pane().CalendarView->clearSelection();
        pane().CalDeleteClick();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("No items selected"));
        QVERIFY(loadEntry({}, id).has_value());
        selectGridRow(gridRowOf("Keep"));
        QTest::keyClick(pane().CalendarView, Qt::Key_Delete);
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Delete item 'Keep' ?"));
        QVERIFY(!loadEntry({}, id).has_value());
    }

    void theFileAndAddressCellsDoWhatTheySay() {
        trevik::addContact({}, test::contactRecord("Ann"), env->clock, 1);
        const std::int32_t bobId =
            trevik::addContact({}, test::contactRecord("Bob"), env->clock, 1).id;
        addEntry("Meeting", dayOf(2026, 12, 7), bobId, "/home/me/agenda.odt");
        open();
        const int row = gridRowOf("Meeting");
        clickCell(row, 3);
        QVERIFY(env->shell.opened.empty());
        clickCell(row, 4);
        QCOMPARE(env->shell.opened.size(), std::size_t(1));
        QCOMPARE(env->shell.opened[0], QUrl::fromLocalFile(QStringLiteral("/home/me/agenda.odt")));
        clickCell(row, 5);
        const Contact* focused = form->addressPane->focusedContact();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->name, std::string("Bob"));
        QCOMPARE(form->addressPane->AddressView->selectionModel()->selectedRows().size(), 1);

        env->shell.succeeds = false;
        clickCell(row, 4);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("/home/me/agenda.odt")));
    }

    void aDroppedContactOpensTheEditorLinkedToIt() {
        const std::int32_t annId =
            trevik::addContact({}, test::contactRecord("Ann"), env->clock, 1).id;
        open();
        form->addressPane->SelectContact(annId);
        QMimeData mime;
        mime.setData(QString::fromLatin1(AddressPane::kContactMimeType), QByteArray::number(annId));
        QWidget* viewport = pane().CalendarView->viewport();
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QString loadedName;
        bool linked = false;
        whenModal<TAddNewForm>([&](TAddNewForm* editor) {
            loadedName = editor->NameEdit->text();
            linked = editor->Link->isChecked();
            env->messages.answers = {MessageResult::No};
            editor->Cancel->click();
        });
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(loadedName, QStringLiteral("Ann"));
        QVERIFY(linked);
        QCOMPARE(form->viewState().findState.address, FindMatch::Match);

        QMimeData text;
        text.setText(QStringLiteral("not a contact"));
        QDragEnterEvent other(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &other);
        QVERIFY(!other.isAccepted());
    }

    // What lies outside the grid (the find box, the editor, the address list, the shared
    // menu, the desktop) the pane asks of its host.
    void theGridAsksItsHostForWhatLiesOutsideIt() {
        const std::int32_t lunch = addEntry("Lunch", dayOf(2026, 12, 7), 4, "/home/me/menu.txt");
        openAlone();
        const int row = gridRowOf("Lunch");
        QVERIFY(row > 0);
        clickCell(row, 4);
        QCOMPARE(host->links, std::vector<QUrl>{QUrl::fromLocalFile("/home/me/menu.txt")});
        clickCell(row, 5);
        QCOMPARE(host->selectedContacts, std::vector<std::int32_t>{4});

        QWidget* viewport = pane().CalendarView->viewport();
        const QPoint inRow =
            pane()
                .CalendarView->visualRect(pane().CalendarView->model()->index(row - 1, 3))
                .center();
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, inRow);
        QCOMPARE(host->editors.size(), std::size_t(1));
        QCOMPARE(host->editors[0].mode, kEditEntryMode);
        QCOMPARE(host->editors[0].findState.calendar, FindMatch::Match);
        QCOMPARE(host->view.findState.calendar, FindMatch::NoMatch);

        const QPoint global = viewport->mapToGlobal(inRow);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, inRow, global);
        QApplication::sendEvent(viewport, &menu);
        QCOMPARE(host->menus.size(), std::size_t(1));
        QCOMPARE(host->menus[0].pane, Pane::Calendar);
        QCOMPARE(host->menus[0].globalPos, global);

        host->refreshes.clear();
        pane().CalRightClick();
        QCOMPARE(host->view.calendarDate, dayOf(2026, 12, 8));
        QCOMPARE(host->refreshes, std::vector<Change>{Change::Calendar | Change::CalendarFind});
        QCOMPARE(host->findFocused, 1);

        pane().CalViewClick();
        QCOMPARE(host->broughtToFront, 1);
        pane().CalViewMenu->close();

        QMimeData mime;
        mime.setData(QString::fromLatin1(AddressPane::kContactMimeType), QByteArray::number(4));
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(host->editors.back().mode, kDropMode);
        QCOMPARE(host->editors.back().findState.address, FindMatch::Match);
        QVERIFY(loadEntry({}, lunch).has_value());
    }
};

QTEST_MAIN(CalendarPaneTest)
#include "CalendarPaneTest.moc"
