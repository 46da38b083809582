#include "address/AddressPane.h"
#include "FakePaneHost.h"
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressDeletion.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "editor/AddNewForm.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "support/Records.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using namespace trevik;

class AddressPaneTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<FakePaneHost> host;
    AddressPane* alone = nullptr;

    std::int32_t addContact(const char* name, const char* email = "", const char* www = "",
                            const char* fax = "") {
        return trevik::addContact({}, test::contactRecord(name, email, www, fax), env->clock, 1).id;
    }

    void addEntry(const char* comment) {
        trevik::addEntry({}, test::entryRecord(comment, dayNumberFromCivil({2026, 12, 7})),
                         env->clock, 1);
    }

    void open() { form = std::make_unique<TMainForm>(env->services, QStringList{}); }

    // The pane alone, in a fake window that refills it after a change as the window does.
    void openAlone() {
        host = std::make_unique<FakePaneHost>();
        host->view.activePane = Pane::Address;
        alone = new AddressPane(*host, env->services, &host->window, new QWidget(&host->window));
        host->onRefresh = [this](Change what) {
            if (has(what, Change::Contacts)) {
                alone->RefillAddressList(host->find);
                alone->SortBy(host->view.sortColumn);
            }
        };
        alone->ApplyAddressColumns();
        alone->AddressView->resize(500, 300);
        host->window.show();
    }

    AddressPane& pane() { return form ? *form->addressPane : *alone; }

    // The names in the order the locale's comparison gives them.
    QStringList sortedByLocale(QStringList names) {
        const Locale& locale = env->services.locale;
        std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
            return locale.compare(toStored(a), toStored(b)) < 0;
        });
        return names;
    }

    int rowOf(const char* name) { return int(listedNames().indexOf(QString::fromLatin1(name))); }

    QStringList listedNames() {
        QStringList names;
        QAbstractItemModel* model = pane().AddressView->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            names << model->index(row, 0).data().toString();
        }
        return names;
    }

    void focusAddressList() {
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(pane().AddressView, &in);
    }

    void
    selectRow(int row,
              QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::ClearAndSelect) {
        QTreeView* view = pane().AddressView;
        view->selectionModel()->setCurrentIndex(view->model()->index(row, 0),
                                                flags | QItemSelectionModel::Rows);
    }

    QAction* action(const char* name) {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>();
        for (const char* name : {"Mary", "bob", "martin", "Ann", "MARGIT"}) {
            addContact(name);
        }
    }

    void cleanup() {
        form.reset();
        host.reset();
        alone = nullptr;
        env.reset();
    }

    void typingIntoTheFindBoxFiltersAndMarksTheDefaultButtons() {
        open();
        QCOMPARE(listedNames(), sortedByLocale({"Mary", "bob", "martin", "Ann", "MARGIT"}));
        QVERIFY(pane().AddrNew->font().bold());
        QVERIFY(!pane().AddrEdit->font().bold());
        QVERIFY(form->calendarPane->CalNew->font().bold());

        QTest::keyClicks(form->FindEdit, "mar");
        QCOMPARE(listedNames(), sortedByLocale({"Mary", "martin", "MARGIT"}));
        QCOMPARE(form->viewState().findState.address, FindMatch::Match);
        QVERIFY(pane().AddrEdit->font().bold());
        QVERIFY(!pane().AddrNew->font().bold());
        // The first match in file order is selected and shown in the full view.
        QCOMPARE(pane().firstSelectedRow(), rowOf("Mary"));
        QCOMPARE(pane().fullValues[0]->text(), QStringLiteral("Mary"));

        QTest::keyClicks(form->FindEdit, "z");
        QVERIFY(listedNames().isEmpty());
        QCOMPARE(form->viewState().findState.address, FindMatch::NoMatch);
        QVERIFY(pane().AddrNew->font().bold());
        QCOMPARE(pane().fullValues[0]->text(), QString());
    }

    void findIgnoresLetterCaseInEveryLocale_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    // Letter case follows the code page, not the language: a Turkish desktop lower-cases
    // "I" to a dotless i, which the code page cannot hold.
    void findIgnoresLetterCaseInEveryLocale() {
        QFETCH(QString, locale);
        env.reset();
        env = std::make_unique<FakeEnvironment>(locale);
        for (const char* name : {"Ida", "ivan", "\xC9lodie",
                                 "\x8A"
                                 "ime",
                                 "Bob"}) {
            addContact(name);
        }
        addEntry("Inventur");
        open();
        for (const char* typed : {"i", "I"}) {
            form->FindEdit->setText(QString::fromLatin1(typed));
            QCOMPARE(listedNames(), sortedByLocale({"Ida", "ivan"}));
            QCOMPARE(form->viewState().findState.address, FindMatch::Match);
            QCOMPARE(form->viewState().findState.calendar, FindMatch::Match);
        }
        form->FindEdit->setText(QStringLiteral("é"));
        QCOMPARE(listedNames(), QStringList{QStringLiteral("Élodie")});
        form->FindEdit->setText(QStringLiteral("ŠI"));
        QCOMPARE(listedNames(), QStringList{QStringLiteral("Šime")});
        form->FindEdit->setText(QStringLiteral("INV"));
        QCOMPARE(form->viewState().findState.calendar, FindMatch::Match);
    }

    void escapeEmptiesTheFindBox() {
        open();
        QTest::keyClicks(form->FindEdit, "b");
        QCOMPARE(listedNames(), QStringList{"bob"});
        QTest::keyClick(form->FindEdit, Qt::Key_Escape);
        QCOMPARE(form->FindEdit->text(), QString());
        QCOMPARE(listedNames().size(), 5);
        QCOMPARE(form->viewState().findState.address, FindMatch::NoMatch);
    }

    void aColumnClickKeepsItsSortOverRefills() {
        addContact("Zed", "", "", "1");
        addContact("Abe", "", "", "3");
        open();
        form->resize(900, 500);
        QHeaderView* header = pane().AddressView->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(3) + 5, 5));
        QCOMPARE(form->viewState().sortColumn, 3);
        QCOMPARE(listedNames().mid(5), (QStringList{"Zed", "Abe"}));
        QTest::keyClicks(form->FindEdit, "a");
        QCOMPARE(listedNames(), (QStringList{"Ann", "Abe"}));
        QTest::keyClick(form->FindEdit, Qt::Key_Escape);
        QCOMPARE(listedNames().mid(5), (QStringList{"Zed", "Abe"}));
    }

    void draggedColumnWidthsSurviveASaveAndTheSortColumnIsMarked() {
        open();
        form->resize(900, 500);
        QHeaderView* header = pane().AddressView->header();
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), 0);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);

        header->resizeSection(3, 211); // as the user's drag does
        whenModal<TAddNewForm>([](TAddNewForm* editor) {
            editor->NameEdit->setText(QStringLiteral("Zoe"));
            editor->SaveAddr->click();
        });
        selectRow(rowOf("bob"));
        pane().AddrEdit->click();
        QVERIFY(listedNames().contains(QStringLiteral("Zoe")));
        QCOMPARE(header->sectionSize(3), 211);
        QCOMPARE(header->sectionSize(0), kDefaultAddressColumns[0]);

        // Widths that change in the settings (an update brings them) are applied.
        QVERIFY(env->services.settings.writeInteger("Address", "Col4", 77));
        pane().ApplyAddressColumns();
        QCOMPARE(header->sectionSize(3), 77);

        // Sorting is always ascending: a second click on the same column keeps the order.
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(4) + 5, 5));
            QCOMPARE(header->sortIndicatorSection(), 4);
            QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        }
    }

    // trevik-cli writes the same files: an append changes the file in place, a delete renames
    // a new file over it. The list follows within a second and keeps its selection and place.
    void changesByAnotherProgramShowWithinASecond() {
        for (int i = 0; i < 100; ++i) {
            addContact(qPrintable(QStringLiteral("Zz %1").arg(i, 3, 10, QLatin1Char('0'))));
        }
        open();
        form->resize(900, 500);
        QTreeView* view = pane().AddressView;
        selectRow(rowOf("Zz 050"));
        view->scrollTo(view->model()->index(rowOf("Zz 040"), 0), QAbstractItemView::PositionAtTop);
        const auto topName = [&] { return view->indexAt(QPoint(1, 1)).data().toString(); };
        QCOMPARE(topName(), QStringLiteral("Zz 040"));

        addContact("Carl");
        QTRY_VERIFY_WITH_TIMEOUT(listedNames().contains(QStringLiteral("Carl")), 1000);
        QCOMPARE(pane().focusedContact()->name, std::string("Zz 050"));
        QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(topName(), QStringLiteral("Zz 040")); // though Carl came in above

        deleteAddress({}, pane().contactAt(rowOf("Ann")).id);
        QTRY_VERIFY_WITH_TIMEOUT(!listedNames().contains(QStringLiteral("Ann")), 1000);
        QCOMPARE(pane().focusedContact()->name, std::string("Zz 050"));
        QCOMPARE(topName(), QStringLiteral("Zz 040"));

        // The window's own change is shown once, not again when the files report it.
        QSignalSpy resets(view->model(), &QAbstractItemModel::modelReset);
        env->messages.answers = {MessageResult::Ok};
        selectRow(rowOf("bob"));
        pane().AddrDeleteClick();
        QVERIFY(!listedNames().contains(QStringLiteral("bob")));
        const qsizetype shown = resets.count();
        QTest::qWait(700);
        QCOMPARE(resets.count(), shown);
    }

    void deleteAsksAndRemovesOnlyTheFocusedContact() {
        openAlone();
        selectRow(rowOf("Ann"));
        selectRow(rowOf("bob"), QItemSelectionModel::Select); // focused
        env->messages.answers = {MessageResult::Cancel};
        pane().AddrDeleteClick();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Delete bob?"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Confirmation"));
        QCOMPARE(env->messages.shown.back().buttons, MessageButtons::OkCancel);
        QCOMPARE(env->messages.shown.back().icon, MessageIcon::Question);
        QCOMPARE(listedNames().size(), 5);

        selectRow(rowOf("Ann"));
        selectRow(rowOf("bob"), QItemSelectionModel::Select);
        focusAddressList();
        QTest::keyClick(pane().AddressView, Qt::Key_Delete);
        QCOMPARE(listedNames(), sortedByLocale({"Mary", "martin", "Ann", "MARGIT"}));
        QVERIFY(!loadContact({}, 2).has_value());
    }

    void deleteWithoutAFocusedContactSaysSo() {
        openAlone();
        pane().AddressView->setCurrentIndex({});
        pane().AddrDeleteClick();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("No items selected"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Error"));
        QCOMPARE(listedNames().size(), 5);
    }

    void deletingALinkedContactClearsTheLinks() {
        const std::int32_t lunch =
            trevik::addEntry({}, test::entryRecord("Lunch", kNoDate, 4 /* Ann */), env->clock, 1)
                .id;
        openAlone();
        selectRow(rowOf("Ann"));
        QCOMPARE(pane().focusedContact()->name, std::string("Ann"));
        pane().AddrDeleteClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(1)); // no question about the links
        QCOMPARE(loadEntry({}, lunch)->addressLink, -1);
        QCOMPARE(loadEntry({}, lunch)->comment, std::string("Lunch"));
        // The grid shows the entry's link mark: it is built again with the list.
        QCOMPARE(host->refreshes.back(), Change::Calendar | Change::Contacts);

        env->messages.answers = {MessageResult::Ok};
        selectRow(rowOf("bob"));
        pane().AddrDeleteClick();
        QCOMPARE(host->refreshes.back(), Change::Contacts);
    }

    // What lies outside the list (the find box, the editor, the shared menu, the window) the
    // pane asks of its host.
    void theListAsksItsHostForWhatLiesOutsideIt() {
        openAlone();
        QCOMPARE(listedNames(), sortedByLocale({"Mary", "bob", "martin", "Ann", "MARGIT"}));
        focusAddressList();
        QTest::keyClick(pane().AddressView, Qt::Key_B);
        QCOMPARE(host->find, QStringLiteral("B"));
        QCOMPARE(host->findFocused, 1);
        QTest::keyClick(pane().AddressView, Qt::Key_Escape);
        QCOMPARE(host->findFocused, 2);

        selectRow(rowOf("bob"));
        pane().AddrEdit->click();
        pane().AddrNew->click();
        QCOMPARE(host->editors.size(), std::size_t(2));
        QCOMPARE(host->editors[0].mode, kEditContactMode);
        QCOMPARE(host->editors[0].findState.address, FindMatch::Match);
        QCOMPARE(host->editors[1].mode, kNewContactMode);
        QCOMPARE(host->editors[1].findState.address, FindMatch::NoMatch);

        QWidget* viewport = pane().AddressView->viewport();
        const QPoint global = viewport->mapToGlobal(QPoint(10, 10));
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10), global);
        QApplication::sendEvent(viewport, &click);
        QCOMPARE(host->menus.size(), std::size_t(1));
        QCOMPARE(host->menus[0].pane, Pane::Address);
        QCOMPARE(host->menus[0].globalPos, global);

        pane().AddrViewClick();
        QCOMPARE(host->broughtToFront, 1);
        pane().AddrViewMenu->close();

        pane().AddressViewColumnClick(3);
        QCOMPARE(host->view.sortColumn, 3);
    }

    void emailAndWebGoToTheShell() {
        addContact("Web Person", "web@example.org", "abc");
        addContact("Secure", "", "https://secure.example.org");
        open();
        focusAddressList();
        QCOMPARE(form->viewState().activePane, Pane::Address);
        selectRow(rowOf("Web Person"));
        action("MainEmail")->trigger();
        action("MainWWW")->trigger();
        selectRow(rowOf("Secure"));
        action("WWWButton")->trigger();
        action("EmailButton")->trigger(); // no e-mail text: nothing happens
        QCOMPARE(env->shell.opened.size(), std::size_t(3));
        QCOMPARE(env->shell.opened[0], QUrl(QStringLiteral("mailto:web@example.org")));
        QCOMPARE(env->shell.opened[1], QUrl(QStringLiteral("http://abc")));
        QCOMPARE(env->shell.opened[2], QUrl(QStringLiteral("https://secure.example.org")));
        QVERIFY(env->messages.shown.empty());

        pane().AddressView->setCurrentIndex({});
        action("MainWWW")->trigger();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("No items selected"));
    }

    // Texts from other installations (exchange files) decide what a click opens: only web and
    // ftp links open at once, anything else is asked about first, and e-mail gets the address
    // alone.
    void linksOpenOnlyWhatTheUserExpects() {
        addContact("Fields", "ann@example.org?subject=Hi&body=Send%20money", "file:///etc/passwd");
        addContact("Script", "", "javascript:alert(1)");
        addContact("Files", "", "FTP://files.example.org");
        open();
        focusAddressList();
        selectRow(rowOf("Fields"));
        action("MainEmail")->trigger();
        QCOMPARE(env->shell.opened.size(), std::size_t(1));
        QCOMPARE(env->shell.opened[0].toString(), QStringLiteral("mailto:ann@example.org"));

        env->messages.answers = {MessageResult::Cancel};
        action("MainWWW")->trigger();
        QCOMPARE(env->shell.opened.size(), std::size_t(1));
        QVERIFY(env->messages.shown.back().text.contains(QStringLiteral("file:///etc/passwd")));
        QCOMPARE(env->messages.shown.back().buttons, MessageButtons::OkCancel);
        env->messages.answers = {MessageResult::Ok};
        action("WWWButton")->trigger();
        QCOMPARE(env->shell.opened.size(), std::size_t(2));
        QCOMPARE(env->shell.opened[1], QUrl(QStringLiteral("file:///etc/passwd")));

        selectRow(rowOf("Script"));
        env->messages.answers = {MessageResult::Cancel};
        action("MainWWW")->trigger();
        QVERIFY(env->messages.shown.back().text.contains(QStringLiteral("javascript:alert(1)")));
        QCOMPARE(env->shell.opened.size(), std::size_t(2));

        const std::size_t asked = env->messages.shown.size();
        selectRow(rowOf("Files"));
        action("MainWWW")->trigger();
        QCOMPARE(env->messages.shown.size(), asked);
        QCOMPARE(env->shell.opened.back(), QUrl(QStringLiteral("ftp://files.example.org")));
    }

    // Where no program opens links (no xdg-utils), the user learns what could not be opened.
    void aLinkTheDesktopCannotOpenIsReported() {
        addContact("Web Person", "web@example.org", "abc");
        open();
        env->shell.succeeds = false;
        focusAddressList();
        selectRow(rowOf("Web Person"));
        action("MainWWW")->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("http://abc")));
        action("MainEmail")->trigger();
        QVERIFY(env->messages.shown.back().text.contains(QStringLiteral("web@example.org")));
        action("MainHelp")->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(3));
        QVERIFY(env->messages.shown.back().text.contains(QStringLiteral("index.html")));
        QCOMPARE(env->shell.opened.size(), std::size_t(3));
    }

    void commandsGoToThePaneThatLastHadTheFocus() {
        addContact("Web Person", "web@example.org", "abc");
        open();
        QCOMPARE(form->viewState().activePane, Pane::Calendar);
        selectRow(rowOf("Ann"));
        action("MainEmail")->trigger();
        action("MainDelete")->trigger(); // the calendar has no selected entry
        QVERIFY(env->shell.opened.empty());
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("No items selected"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        QCOMPARE(listedNames().size(), 6);

        focusAddressList();
        action("MainDelete")->trigger();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Delete Ann?"));
        QCOMPARE(listedNames().size(), 5);

        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(form->calendarPane->CalendarView, &in);
        QCOMPARE(form->viewState().activePane, Pane::Calendar);
        action("MainDelete")->trigger();
        QCOMPARE(listedNames().size(), 5);
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("No items selected"));
    }

    // The contact card, the title rows and the buttons never take the focus; a click on them
    // still decides which pane the commands act on.
    void aClickOnAnyPartOfAPaneMakesItTheActivePane() {
        addEntry("Mar meeting");
        open();
        form->calendarPane->CalendarView->selectRow(1);
        action("MainAddrFull")->trigger();
        QCOMPARE(pane().fullValues[0]->text(), QStringLiteral("Ann"));
        QCOMPARE(form->viewState().activePane, Pane::Calendar);

        QLabel* card = pane().fullValues[0];
        QTest::mousePress(card, Qt::RightButton);
        QTest::mouseRelease(card, Qt::RightButton);
        QCOMPARE(form->viewState().activePane, Pane::Address);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2),
                               card->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(card, &menu);
        QTRY_VERIFY(form->RightContext->isVisible());
        form->RightContext->close();
        env->messages.answers = {MessageResult::Cancel};
        action("ContextDelete")->trigger();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Delete Ann?"));

        const auto clickTurns = [&](QWidget* widget, Pane expected) {
            form->viewState().activePane =
                expected == Pane::Address ? Pane::Calendar : Pane::Address;
            QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
            return form->viewState().activePane == expected;
        };
        QTableView* grid = form->calendarPane->CalendarView;
        QVERIFY(clickTurns(grid->horizontalHeader()->viewport(), Pane::Calendar));
        QVERIFY(clickTurns(pane().AddrNext, Pane::Address));
        QVERIFY(clickTurns(pane().AddressFull, Pane::Address));
        QVERIFY(clickTurns(form->calendarPane->CalButtonBar, Pane::Calendar));
        action("MainAddrList")->trigger();
        QVERIFY(clickTurns(pane().AddressView->header()->viewport(), Pane::Address));
        env->messages.answers = {MessageResult::Cancel};
        QVERIFY(clickTurns(pane().AddrDelete, Pane::Address));
        QVERIFY(clickTurns(grid->viewport(), Pane::Calendar));
    }

    void ctrlASelectsEveryContactWhileTheListIsTheActivePane() {
        open();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        focusAddressList();
        form->FindEdit->setFocus();
        QTest::keyClick(form->FindEdit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(pane().AddressView->selectionModel()->selectedRows().size(), 5);
        QVERIFY(form->FindEdit->hasFocus());

        // With the calendar active the keys stay with the find box.
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(form->calendarPane->CalendarView, &in);
        form->FindEdit->setFocus();
        form->FindEdit->setText(QStringLiteral("ma"));
        form->FindEdit->deselect();
        QTest::keyClick(form->FindEdit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(form->FindEdit->selectedText(), QStringLiteral("ma"));
        QCOMPARE(pane().AddressView->selectionModel()->selectedRows().size(), 1);

        // The command is in no menu.
        QAction* selectAll = action("MainSelectAll");
        for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
            QVERIFY(!menu->actions().contains(selectAll));
        }
        QCOMPARE(selectAll->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    }

    void fullViewStepsThroughTheList() {
        openAlone();
        pane().AddressView->clearSelection();
        pane().AddrFullClick();
        QVERIFY(pane().fullViewShown());
        QCOMPARE(pane().fullValues[0]->text(), QStringLiteral("Ann"));
        pane().AddressView->clearSelection();
        pane().AddrNextClick(); // nothing selected: the second contact
        QCOMPARE(pane().fullValues[0]->text(), listedNames().at(1));
        pane().AddressView->clearSelection();
        pane().AddrPrevClick(); // nothing selected: the last contact
        QCOMPARE(pane().fullValues[0]->text(), listedNames().last());
        pane().AddrNextClick(); // wraps to the first
        QCOMPARE(pane().fullValues[0]->text(), QStringLiteral("Ann"));
        pane().AddrListClick();
        QVERIFY(!pane().fullViewShown());
        QVERIFY(pane().AddressView->isVisible());
    }

    void theFullViewShowsLongTextsWhole() {
        Contact zoe;
        zoe.name = "Zoe";
        zoe.address = "Flat 4\r\n12 Long Road\r\nSouthtown\r\nAB1 2CD";
        zoe.misc = "one\r\ntwo\r\nthree\r\nfour\r\nfive";
        trevik::addContact({}, zoe, env->clock, 1);
        open();
        form->resize(710, 417);
        form->show();
        form->FindEdit->setText(QStringLiteral("Zoe"));
        action("MainAddrFull")->trigger();
        QTest::qWait(50);
        auto* card = pane().AddressFull->findChild<QScrollArea*>(QStringLiteral("AddressCard"));
        QVERIFY(card != nullptr);
        for (QLabel* value : {pane().fullValues[7], pane().fullValues[8]}) {
            QVERIFY(value->text().count(QLatin1Char('\n')) >= 3);
            // The label has the room its lines need; what the pane cannot show, the card scrolls
            // to.
            QVERIFY2(value->height() >= value->sizeHint().height() &&
                         value->width() >= value->sizeHint().width(),
                     qPrintable(value->objectName()));
            card->ensureWidgetVisible(value);
            const QRect shown(value->mapTo(card->viewport(), QPoint(0, 0)), value->size());
            QVERIFY(card->viewport()->rect().intersects(shown));
        }
    }

    void aTypedLetterInTheListStartsTheFindBox() {
        open();
        focusAddressList();
        QTest::keyClick(pane().AddressView, Qt::Key_B);
        QCOMPARE(form->FindEdit->text(), QStringLiteral("B"));
        QCOMPARE(listedNames(), QStringList{"bob"});
        QTest::keyClick(form->FindEdit, Qt::Key_Escape);
        selectRow(0);
        QTest::keyClick(pane().AddressView, Qt::Key_Down); // navigation stays with the list
        QCOMPARE(form->FindEdit->text(), QString());
        QCOMPARE(pane().AddressView->currentIndex().row(), 1);
    }

    void listAndFindBoxCarryAccessibleNames() {
        open();
        QCOMPARE(QAccessible::queryAccessibleInterface(form->FindEdit)->text(QAccessible::Name),
                 QStringLiteral("Find/New:"));
        QCOMPARE(QAccessible::queryAccessibleInterface(pane().AddressView)->text(QAccessible::Name),
                 QStringLiteral("Address book"));
        QCOMPARE(QAccessible::queryAccessibleInterface(form->calendarPane->CalendarView)
                     ->text(QAccessible::Name),
                 QStringLiteral("Calendar"));
    }

    void aRightClickPreparesTheSharedContextMenuForTheList() {
        open();
        form->SetUpContextMenu(Pane::Calendar);
        QVERIFY(!action("ContextFullView")->isVisible());
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                                pane().AddressView->viewport()->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(pane().AddressView->viewport(), &click);
        QTRY_VERIFY(form->RightContext->isVisible());
        for (const char* name : {"ContextSelectAll", "ContextEmail", "ContextWWW"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        for (const char* name : {"ContextDelete", "ContextFullView", "ContextListView"}) {
            QVERIFY2(action(name)->isVisible(), name);
        }
        form->RightContext->close();
        action("ContextFullView")->trigger();
        QVERIFY(pane().fullViewShown());
    }
};

QTEST_MAIN(AddressPaneTest)
#include "AddressPaneTest.moc"
