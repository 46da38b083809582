// Cut, copy, copy special and paste from the main window's Edit menu, toolbar, context menu and
// keys, on the contacts and calendar rows the panes show.
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressList.h"
#include "address/AddressPane.h"
#include "app/CopySpecialForm.h"
#include "app/MainForm.h"
#include "calendar/AddressLinks.h"
#include "calendar/CalendarPane.h"
#include "clipboard/ClipboardLines.h"
#include "interchange/InterchangeText.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "support/Records.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using namespace trevik;

class ClipboardWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;

    Contact contact(const char* name, const char* email, const char* work = "") {
        Contact c = test::contactRecord(name, email);
        c.work = work;
        c.address = "Road 1\r\nTown"; // a memo with a line break travels too
        return c;
    }

    void addContacts() {
        for (const Contact& c :
             {contact("Ann", "ann@example.org", "555-0101"), contact("Bob", "bob@example.org"),
              contact("Cid", "cid@example.org")}) {
            trevik::addContact({}, c, env->clock, 1);
        }
    }

    std::int32_t addEntry(const char* comment, int day, std::int32_t link = -1) {
        return trevik::addEntry(
                   {}, test::entryRecord(comment, dayNumberFromCivil({2026, 12, day}), link),
                   env->clock, 1)
            .id;
    }

    void open() {
        form = std::make_unique<TMainForm>(env->services, QStringList{});
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    QAction* action(const char* name) {
        auto* found = form->findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    AddressPane& addresses() { return *form->addressPane; }
    CalendarPane& calendar() { return *form->calendarPane; }

    void focusAddressList() {
        addresses().AddressView->setFocus();
        QTRY_COMPARE(form->viewState().activePane, Pane::Address);
    }

    void focusCalendar() {
        calendar().CalendarView->setFocus();
        QTRY_COMPARE(form->viewState().activePane, Pane::Calendar);
    }

    void selectContactRows(std::initializer_list<int> rows) {
        QTreeView* view = addresses().AddressView;
        view->clearSelection();
        for (const int row : rows) {
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    void selectGridRows(int top, int bottom) {
        QTableView* grid = calendar().CalendarView;
        grid->clearSelection();
        grid->selectionModel()->select(
            QItemSelection(grid->model()->index(top - 1, 0), grid->model()->index(bottom - 1, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QStringList listedNames() {
        QStringList names;
        for (int row = 0; row < addresses().rowCount(); ++row) {
            names << fromStored(addresses().contactAt(row).name);
        }
        return names;
    }

    void showWeekOf7December() {
        form->viewState().calendarViewCode = kWeekView;
        form->viewState().calendarDate = dayNumberFromCivil({2026, 12, 7});
        form->refresh(Change::Calendar);
    }

    // The grid row of the first row showing this comment (or day text), 0 when none.
    int gridRowOf(const char* text) {
        const CalendarRowList& rows = calendar().rows();
        for (int n = 1; n <= rows.count(); ++n) {
            if (rows.at(n)->comment == text || rows.at(n)->dayText == text) {
                return n;
            }
        }
        return 0;
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }

    void cleanup() {
        form.reset();
        env.reset();
    }

    void everyClipboardCommandCanBeChosenAndCopySpecialOnlyOnTheList() {
        addContacts();
        open();
        for (const char* name :
             {"MainCut", "MainCopy", "MainPaste", "MainSpecial", "MainSearch", "MainFindNext",
              "CutButton", "CopyButton", "CopySpecButton", "PasteButton", "SearchButton",
              "ContextCut", "ContextCopy", "ContextPaste"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        QVERIFY(addresses().AddrSearch->isEnabled());
        QCOMPARE(action("MainPaste")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(action("MainSpecial")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(action("ContextCut")->text(), QStringLiteral("Cu&t"));
        form->SetUpContextMenu(Pane::Calendar);
        QVERIFY(!action("ContextCopySpecial")->isEnabled());
        QVERIFY(action("ContextCut")->isEnabled());
        form->SetUpContextMenu(Pane::Address);
        QVERIFY(action("ContextCopySpecial")->isEnabled());
    }

    void threeCopiedContactsPasteBackAsThreeMore() {
        addContacts();
        open();
        focusAddressList();
        addresses().SelectAll();
        QTest::keyClick(addresses().AddressView, Qt::Key_C, Qt::ControlModifier);
        const QString text = env->clipboard.text();
        QCOMPARE(text.count(QLatin1Char('\n')), 3 + 3); // and the memos' CR LF
        QCOMPARE(text.count(QLatin1Char('\t')), 3 * 8);
        QCOMPARE(text.section(QLatin1Char('\n'), 0, 1),
                 QStringLiteral("Ann\t\t555-0101\t\t\tann@example.org\t\tRoad 1\r\nTown\t"));
        QVERIFY(text.endsWith(QStringLiteral("Town\t\n")));
        // Beside the lines, the same contacts as a vCard that reads back to them.
        QCOMPARE(env->clipboard.content.formats.size(), std::size_t(1));
        const ContactsRead cards =
            contactsFromVCard(env->clipboard.data(QStringLiteral("text/vcard")).toStdString());
        QVERIFY(cards.notes.lossy.empty() && cards.notes.skipped.empty());
        const std::vector<Contact> copied = listContacts({}, "");
        QCOMPARE(cards.contacts.size(), copied.size());
        for (std::size_t i = 0; i < copied.size(); ++i) {
            QCOMPARE(addressLine(cards.contacts[i]), addressLine(copied[i]));
            QCOMPARE(cards.contacts[i].created, copied[i].created);
            QCOMPARE(cards.contacts[i].originUid, copied[i].originUid);
        }

        action("PasteButton")->trigger();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(listedNames(), (QStringList{"Ann", "Ann", "Bob", "Bob", "Cid", "Cid"}));
        const std::vector<Contact> all = listContacts({}, "");
        QCOMPARE(all.size(), std::size_t(6));
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(addressLine(all[3 + i]), addressLine(all[i]));
            QCOMPARE(all[3 + i].id, std::int32_t(4 + i));
            QCOMPARE(all[3 + i].originUid, form->installationUid());
        }
    }

    void copyWithNothingSelectedEmptiesTheClipboardAndAnEmptyListLeavesIt() {
        addContacts();
        open();
        focusAddressList();
        addresses().AddressView->clearSelection();
        env->clipboard.setText(QStringLiteral("before"));
        action("MainCopy")->trigger();
        QCOMPARE(env->clipboard.text(), QString());

        form->FindEdit->setText(QStringLiteral("nobody"));
        QCOMPARE(addresses().rowCount(), 0);
        env->clipboard.setText(QStringLiteral("before"));
        action("CopyButton")->trigger();
        action("CutButton")->trigger();
        QCOMPARE(env->clipboard.text(), QStringLiteral("before"));
        QCOMPARE(env->clipboard.puts, 1);
    }

    void cutTakesTheContactsOutWithoutAskingAndSaysHowMany() {
        addContacts();
        const std::int32_t linked = addEntry("call Bob", 7, 2);
        open();
        focusAddressList();
        selectContactRows({0, 1});
        env->messages.shown.clear();
        action("MainCut")->trigger();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(env->clipboard.text().count(QLatin1Char('\t')), 16);
        QVERIFY(env->clipboard.text().startsWith(QStringLiteral("Ann\t")));
        QCOMPARE(listedNames(), QStringList{"Cid"});
        QCOMPARE(form->statusPanels[0]->text(), QStringLiteral("2 contacts cut"));
        // The calendar entry still names the contact that was cut.
        QCOMPARE(loadEntry({}, linked)->addressLink, 2);

        // Pasted back, the contacts are there again.
        action("MainPaste")->trigger();
        QCOMPARE(listedNames(), (QStringList{"Ann", "Bob", "Cid"}));
    }

    void calendarRowsCopyWithTheirDayHeaders() {
        addEntry("first", 7);
        addEntry("second", 8);
        open();
        showWeekOf7December();
        focusCalendar();
        const int first = gridRowOf("first");
        const int second = gridRowOf("second");
        QVERIFY(first > 1 && second > first + 1);
        selectGridRows(first - 1, second);
        QTest::keyClick(calendar().CalendarView, Qt::Key_C, Qt::ControlModifier);
        const CalendarRowList& rows = calendar().rows();
        const QString expected =
            fromStored("\t\t" + rows.at(first - 1)->dayText + "\t\r\n" + "\t\tfirst\t \t \r\n" +
                       "\t\t" + rows.at(first + 1)->dayText + "\t\r\n" + "\t\tsecond\t \t \r\n");
        QCOMPARE(env->clipboard.text(), expected);
        // And the two entries as an iCalendar file that reads back to them.
        const EntriesRead read = entriesFromICalendar(
            env->clipboard.data(QStringLiteral("text/calendar")).toStdString());
        QVERIFY(read.notes.lossy.empty() && read.notes.skipped.empty());
        QCOMPARE(read.entries.size(), std::size_t(2));
        for (std::size_t i = 0; i < 2; ++i) {
            const CalendarEntry stored = *loadEntry({}, std::int32_t(i + 1));
            const CalendarEntry& back = read.entries[i].entry;
            QCOMPARE(back.comment, stored.comment);
            QCOMPARE(back.dateFrom, stored.dateFrom);
            QCOMPARE(back.timeFrom, stored.timeFrom);
            QCOMPARE(back.created, stored.created);
            QCOMPARE(back.originUid, stored.originUid);
        }

        calendar().CalendarView->clearSelection();
        action("ContextCopy")->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("No items selected"));
        QCOMPARE(env->messages.shown[0].caption, QString());
        QCOMPARE(env->clipboard.text(), expected);
    }

    void aCalendarCutStopsAtADayHeaderAndTheGridShowsWhatIsLeft() {
        addEntry("one", 7);
        addEntry("two", 7);
        addEntry("three", 8);
        open();
        showWeekOf7December();
        focusCalendar();
        const int one = gridRowOf("one");
        const int three = gridRowOf("three");

        // Beginning at a day header: nothing is cut, nothing is put.
        selectGridRows(one - 1, three);
        action("MainCut")->trigger();
        QCOMPARE(env->clipboard.puts, 0);
        QVERIFY(gridRowOf("one") != 0);

        selectGridRows(one, three);
        action("ContextCut")->trigger();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(env->clipboard.text(), QStringLiteral("\t\tone\t \t \n\t\ttwo\t \t \n"));
        QCOMPARE(gridRowOf("one"), 0);
        QCOMPARE(gridRowOf("two"), 0);
        QVERIFY(gridRowOf("three") != 0);
        QCOMPARE(form->statusPanels[0]->text(), QStringLiteral("2 calendar entries cut"));
        QVERIFY(form->FindEdit->hasFocus());
        // Paste belongs to the address book alone.
        const std::size_t contacts = listContacts({}, "").size();
        action("MainPaste")->trigger();
        QCOMPARE(listContacts({}, "").size(), contacts);
    }

    void copySpecialCopiesTheTickedColumnsWithTheChosenSeparators() {
        addContacts();
        open();
        focusAddressList();
        selectContactRows({0, 2});
        whenModal<TCopySpecialForm>([](TCopySpecialForm* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Copy special"));
            QVERIFY(dialog->width() >= 262 && dialog->height() >= 243);
            for (QCheckBox* box : dialog->columnBoxes()) {
                QVERIFY(!box->isChecked());
            }
            QCOMPARE(dialog->ColumnSeparator->title(), QStringLiteral("Separate columns with"));
            QCOMPARE(dialog->RowSeparator->title(), QStringLiteral("Separate rows with:"));
            QVERIFY(dialog->columnItem(0)->isChecked());
            QVERIFY(dialog->rowItem(3)->isChecked());
            QCOMPARE(dialog->rowItem(3)->text(), QStringLiteral("Enter"));
            dialog->NameBox->click();
            dialog->EmailBox->click();
            dialog->columnItem(1)->click();
            dialog->Copy->click();
        });
        action("MainSpecial")->trigger();
        QCOMPARE(env->clipboard.text(),
                 QStringLiteral("Ann,ann@example.org\r\nCid,cid@example.org\r\n"));

        // A second use starts afresh: with no box ticked, one row separator per contact.
        whenModal<TCopySpecialForm>([](TCopySpecialForm* dialog) {
            QVERIFY(!dialog->NameBox->isChecked());
            dialog->rowItem(2)->click();
            dialog->Copy->click();
        });
        action("CopySpecButton")->trigger();
        QCOMPARE(env->clipboard.text(), QStringLiteral(";;"));

        // Cancel leaves the clipboard alone; so does Escape.
        whenModal<TCopySpecialForm>([](TCopySpecialForm* dialog) {
            dialog->NameBox->click();
            dialog->Cancel->click();
        });
        form->ContextCopySpecialClick();
        whenModal<TCopySpecialForm>(
            [](TCopySpecialForm* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        form->ContextCopySpecialClick();
        QCOMPARE(env->clipboard.text(), QStringLiteral(";;"));
        QCOMPARE(env->clipboard.puts, 2);
    }

    void copySpecialDoesNothingForTheCalendar() {
        addContacts();
        open();
        focusCalendar();
        // No dialog opens: the command returns at once (one that opened would be closed here).
        bool opened = false;
        const auto closeAny = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    opened = true;
                    dialog->reject();
                }
            });
        };
        closeAny();
        action("MainSpecial")->trigger();
        closeAny();
        action("CopySpecButton")->trigger();
        QTest::qWait(10);
        QVERIFY(!opened);
        QCOMPARE(env->clipboard.puts, 0);
    }

    void aPasteThatIsNotInTheAddressFormatIsRefused() {
        addContacts();
        open();
        focusAddressList();
        env->clipboard.setText(QStringLiteral("Dan\t1\nEve\t2"));
        action("MainPaste")->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("Invalid address format!"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Clipboard copy failed"));
        QCOMPARE(addresses().rowCount(), 3);

        // A line with nine tabs stops the paste; the lines before it are added.
        env->messages.shown.clear();
        env->clipboard.setText(QStringLiteral("Dan\t1\n1\t2\t3\t4\t5\t6\t7\t8\t9\t10\nEve\n"));
        action("ContextPaste")->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(listedNames(), (QStringList{"Ann", "Bob", "Cid", "Dan"}));

        // One word, no tab: a contact with nine empty texts.
        env->clipboard.setText(QStringLiteral("word\n"));
        action("MainPaste")->trigger();
        QCOMPARE(addresses().rowCount(), 5);
        QCOMPARE(fromStored(addresses().contactAt(0).name), QString());
    }

    void aPastedVCardMergesByIdentityAndTellsWhatItLost() {
        trevik::addContact({}, contact("Ann", "ann@example.org"), env->clock, 1);
        open();
        focusAddressList();
        // Another address book's copy: text/vcard beside a plain text that is no address line.
        const QByteArray card = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:other-1\r\nFN:Dan\r\n"
                                "EMAIL:dan@example.org\r\nEND:VCARD\r\n"
                                "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:other-2\r\nFN:Eve\r\n"
                                "TEL;TYPE=CELL:1\r\nTEL;TYPE=CELL:2\r\nEND:VCARD\r\n";
        env->clipboard.put({QStringLiteral("Dan, Eve"), {{QStringLiteral("text/vcard"), card}}});
        for (int paste = 0; paste < 2; ++paste) {
            env->messages.shown.clear();
            action("MainPaste")->trigger();
            QCOMPARE(listedNames(), (QStringList{"Ann", "Dan", "Eve"}));
            // Eve's second mobile phone has no place: the user is told, naming her card.
            QCOMPARE(env->messages.shown.size(), std::size_t(1));
            QVERIFY2(env->messages.shown[0].text.contains(QStringLiteral("other-2 (Eve)")),
                     qPrintable(env->messages.shown[0].text));
            QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("mobile")));
        }
        QCOMPARE(fromStored(listContacts({}, "")[1].email), QStringLiteral("dan@example.org"));

        // A vCard as the plain text alone, as a text editor copies it; a whole one says nothing.
        env->clipboard.setText(QStringLiteral("begin:vcard\r\nVERSION:4.0\r\nUID:other-3\r\n"
                                              "FN:Fay\r\nEND:VCARD\r\n"));
        env->messages.shown.clear();
        action("MainPaste")->trigger();
        action("MainPaste")->trigger();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(listedNames(), (QStringList{"Ann", "Dan", "Eve", "Fay"}));
    }

    void pastedTextOutsideTheCodePageKeepsWhatItCanHold() {
        open();
        focusAddressList();
        env->clipboard.setText(QStringLiteral("Zo\u00eb \u0141\u00f3d\u017a\t\u20ac 5\t\n"));
        action("MainPaste")->trigger();
        const std::vector<Contact> all = listContacts({}, "");
        QCOMPARE(all.back().name, std::string("Zo\xeb ?\xf3"
                                              "d?"));
        QCOMPARE(fromStored(all.back().home), QStringLiteral("\u20ac 5"));
    }
};

QTEST_MAIN(ClipboardWindowTest)
#include "ClipboardWindowTest.moc"
