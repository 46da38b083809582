// The search dialog of the main window: made once, shown without blocking, finding the next
// listed contact with a text in one of its visible columns, with no wrap-around.
#include "address/SearchForm.h"
#include "FakeServices.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "support/Records.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace trevik;

class SearchFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;

    void add(const char* name, const char* work = "", const char* misc = "") {
        Contact c = test::contactRecord(name);
        c.work = work;
        c.misc = misc;
        addContact({}, c, env->clock, 1);
    }

    void open() {
        // Listed by name: Bob Smith (id 1), Dot Smith (id 2), Eve (id 3), Ida (id 4), Zed (id 5).
        add("Bob Smith", "555-0101");
        add("Dot smith", "", "Ida's friend");
        add("Eve", "0777 98765");
        add("Ida");
        add("Zed", "", "no 4");
        form = std::make_unique<TMainForm>(env->services, QStringList{});
    }

    TSearchForm& search() { return *form->SearchForm; }

    QAction* action(const char* name) {
        auto* found = form->findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    // The name of the only selected contact, or a note saying how many are selected.
    QString selectedName() {
        const QModelIndexList rows =
            form->addressPane->AddressView->selectionModel()->selectedRows();
        if (rows.size() != 1) {
            return QStringLiteral("%1 selected").arg(rows.size());
        }
        return fromStored(form->addressPane->contactAt(rows[0].row()).name);
    }

    std::size_t notFoundCount() {
        std::size_t count = 0;
        for (const auto& shown : env->messages.shown) {
            if (shown.text == QStringLiteral("Item not found") && shown.caption.isEmpty()) {
                ++count;
            }
        }
        return count;
    }

    void lookFor(const QString& text, bool matchCase = false) {
        search().FindEdit->setText(text);
        search().MatchCase->setChecked(matchCase);
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }

    void cleanup() {
        form.reset();
        env.reset();
    }

    void theDialogIsMadeOnceHiddenAndShownWithoutBlocking() {
        open();
        QVERIFY(form->SearchForm != nullptr);
        QVERIFY(!search().isVisible());
        QCOMPARE(search().windowTitle(), QStringLiteral("Find"));
        QVERIFY(!search().Find->isEnabled());
        QCOMPARE(search().Find->text(), QStringLiteral("Find again"));
        QCOMPARE(search().MatchCase->text(), QStringLiteral("Match &case"));
        QVERIFY(!(search().windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!search().isModal());

        form->addressPane->AddrSearch->click();
        QVERIFY(search().isVisible());
        search().CancelClick();
        QVERIFY(!search().isVisible());
        action("MainSearch")->trigger();
        QVERIFY(search().isVisible());
        search().hide();
        action("SearchButton")->trigger();
        QVERIFY(search().isVisible());
        QCOMPARE(form->findChildren<TSearchForm*>().size(), 1);

        search().FindEdit->setText(QStringLiteral("a"));
        QVERIFY(search().Find->isEnabled());
        search().FindEdit->clear();
        QVERIFY(!search().Find->isEnabled());
    }

    void findAgainGoesThroughTheMatchesAndThenFindsNothing() {
        open();
        action("MainSearch")->trigger();
        lookFor(QStringLiteral("smith"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
        QCOMPARE(search().resumeIndex, 1);
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
        QCOMPARE(search().resumeIndex, 2);
        QCOMPARE(notFoundCount(), std::size_t(0));
        // No wrap-around: "Item not found" until the text changes.
        search().FindClick();
        QCOMPARE(notFoundCount(), std::size_t(1));
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
        QCOMPARE(search().resumeIndex, 2);
        search().FindClick();
        QCOMPARE(notFoundCount(), std::size_t(2));

        // A changed text starts at the top again.
        search().FindEdit->setText(QStringLiteral("smit"));
        QCOMPARE(search().resumeIndex, 0);
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
    }

    void everyVisibleColumnIsSearchedButNeverTheId() {
        open();
        lookFor(QStringLiteral("98765"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Eve")); // its work number
        // "Ida" is Dot's misc text before it is Ida's name.
        lookFor(QStringLiteral("ida"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Ida"));
        // Ida's id is 4: only Zed's misc "no 4" holds the digit.
        lookFor(QStringLiteral("4"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Zed"));
        search().FindClick();
        QCOMPARE(notFoundCount(), std::size_t(1));
    }

    void matchCaseDecidesWhetherCapitalsFindMixedCase() {
        open();
        lookFor(QStringLiteral("SMITH"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
        lookFor(QStringLiteral("SMITH"), true);
        search().FindClick();
        QCOMPARE(notFoundCount(), std::size_t(1));
        lookFor(QStringLiteral("smith"), true);
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
        // A capital I finds the i of "Ida" in every language, Turkish too.
        lookFor(QStringLiteral("IDA"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
    }

    void onlyTheListedContactsAreSearchedInTheListsOrder() {
        open();
        form->FindEdit->setText(QStringLiteral("Z"));
        QCOMPARE(form->addressPane->rowCount(), 1);
        lookFor(QStringLiteral("smith"));
        search().FindClick();
        QCOMPARE(notFoundCount(), std::size_t(1));
        form->FindEdit->clear();
        // Sorted by the work column, Eve's "0777" comes before Bob's "555".
        form->addressPane->AddressViewColumnClick(2);
        lookFor(QStringLiteral("5"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Eve"));
        search().FindClick();
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
    }

    void findNextSearchesAtOnceWhenTheDialogHoldsAText() {
        open();
        QVERIFY(action("MainFindNext")->shortcuts().contains(QKeySequence(Qt::Key_F3)));
        QCOMPARE(action("MainFindNext")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F3));
        form->addressPane->AddressView->clearSelection();
        action("MainFindNext")->trigger();
        QVERIFY(!search().isVisible());
        QCOMPARE(selectedName(), QStringLiteral("0 selected"));

        lookFor(QStringLiteral("smith"));
        action("MainFindNext")->trigger();
        QVERIFY(search().isVisible());
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
        action("MainFindNext")->trigger();
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
    }

    void enterFindsAndEscapeClosesKeepingTheText() {
        open();
        action("MainSearch")->trigger();
        QVERIFY(QTest::qWaitForWindowActive(&search()));
        search().FindEdit->setFocus();
        QTest::keyClicks(search().FindEdit, QStringLiteral("smith"));
        QTest::keyClick(search().FindEdit, Qt::Key_Return);
        QCOMPARE(selectedName(), QStringLiteral("Bob Smith"));
        QTest::keyClick(search().FindEdit, Qt::Key_Enter);
        QCOMPARE(selectedName(), QStringLiteral("Dot smith"));
        QTest::keyClick(search().FindEdit, Qt::Key_Escape);
        QVERIFY(!search().isVisible());
        QCOMPARE(search().FindEdit->text(), QStringLiteral("smith"));
        QCOMPARE(search().resumeIndex, 2);
    }
};

QTEST_MAIN(SearchFormTest)
#include "SearchFormTest.moc"
