// The real window and the real system clipboard on an X server: what Copy puts there is what
// another program (xclip) reads, and what another program put there is what Paste adds.
// Run by x11_clipboard_test.sh under a private X server with the xcb platform.
#include "FakeServices.h"
#include "address/AddressList.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "interchange/InterchangeText.h"
#include "platform/Clipboard.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "support/Records.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace trevik;

class ClipboardX11Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;
    // xclip serving a text we put on the clipboard, until it loses the selection.
    std::unique_ptr<QProcess> server;

    QAction* action(const char* name) {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

    void open() {
        form = std::make_unique<TMainForm>(env->services, QStringList{});
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->addressPane->AddressView->setFocus();
        QTRY_COMPARE(form->viewState().activePane, Pane::Address);
    }

    // What xclip reads from the clipboard, in a MIME type or as plain text.
    QByteArray readClipboard(const QString& type) {
        QStringList args = {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                            QStringLiteral("-o")};
        if (!type.isEmpty()) {
            args << QStringLiteral("-t") << type;
        }
        // xclip asks while the window answers: the event loop must run meanwhile.
        QProcess reader;
        reader.start(QStringLiteral("xclip"), args);
        if (!reader.waitForStarted(5000)) {
            return "xclip did not start";
        }
        if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 15000)) {
            reader.kill();
            reader.waitForFinished(5000);
            return "xclip did not finish";
        }
        if (reader.exitCode() != 0) {
            return "xclip failed: " + reader.readAllStandardError();
        }
        return reader.readAllStandardOutput();
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }

    void init() { env = std::make_unique<FakeEnvironment>(QString(), &systemClipboard()); }

    void cleanup() {
        if (server) {
            server->kill();
            server->waitForFinished(5000);
            server.reset();
        }
        form.reset();
        env.reset();
    }

    void copiedContactsAreWhatAnotherProgramReads() {
        Contact zoe = test::contactRecord(toStored(QStringLiteral("Zo\u00eb")), "zoe@example.org");
        zoe.address = "Road 1\r\nTown";
        addContact({}, zoe, env->clock, 1);
        addContact({}, test::contactRecord("Ann", "ann@example.org"), env->clock, 1);
        open();
        form->addressPane->SelectAll();
        action("MainCopy")->trigger();

        const QString read = QString::fromUtf8(readClipboard({}));
        QCOMPARE(read, QStringLiteral("Ann\t\t\t\t\tann@example.org\t\t\t\n"
                                      "Zo\u00eb\t\t\t\t\tzoe@example.org\t\tRoad 1\r\nTown\t\n"));
        // The same contacts as a vCard, for the address books that ask for one.
        const ContactsRead cards =
            contactsFromVCard(readClipboard(QStringLiteral("text/vcard")).toStdString());
        QCOMPARE(cards.contacts.size(), std::size_t(2));
        QCOMPARE(cards.contacts[0].name, std::string("Ann"));
        QCOMPARE(cards.contacts[1].name, zoe.name);
        QCOMPARE(cards.contacts[1].address, zoe.address);
        QCOMPARE(cards.contacts[1].email, std::string("zoe@example.org"));
    }

    void textAnotherProgramPutThereIsPastedIntoTheAddressBook() {
        addContact({}, test::contactRecord("Ann"), env->clock, 1);
        open();
        const QString text = QStringLiteral("Dan\t555-0101\t\t\t\t\t\t\t\n"
                                            "Zo\u00eb\t\t\t\t\tzoe@example.org\t\t\tnote\n");
        server = std::make_unique<QProcess>();
        server->start(QStringLiteral("xclip"),
                      {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                       QStringLiteral("-i"), QStringLiteral("-quiet")});
        QVERIFY(server->waitForStarted(5000));
        server->write(text.toUtf8());
        server->closeWriteChannel();
        // Once xclip owns the clipboard, Qt reads its text from there.
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), text, 15000);

        action("MainPaste")->trigger();
        QVERIFY(env->messages.shown.empty());
        const std::vector<Contact> all = listContacts({}, "");
        QCOMPARE(all.size(), std::size_t(3));
        QCOMPARE(all[1].name, std::string("Dan"));
        QCOMPARE(all[1].home, std::string("555-0101"));
        QCOMPARE(fromStored(all[2].name), QStringLiteral("Zo\u00eb"));
        QCOMPARE(all[2].email, std::string("zoe@example.org"));
        QCOMPARE(all[2].misc, std::string("note"));
        QCOMPARE(form->addressPane->rowCount(), 3);
    }
};

QTEST_MAIN(ClipboardX11Test)
#include "ClipboardX11Test.moc"
