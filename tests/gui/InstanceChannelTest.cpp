// A second start hands its arguments to the running window: through the local socket, to the
// desktop entry's actions and the Update dialog.
#include "app/InstanceChannel.h"
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "app/MainForm.h"
#include "editor/AddNewForm.h"
#include "exchange/UpdateForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class InstanceChannelTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FakeEnvironment> env;
    QTemporaryDir runtime;

    QString socketPath() const { return runtime.filePath(QStringLiteral("trevik.socket")); }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() { env.reset(); }

    void argumentsArriveWholeWhateverBytesTheyHold() {
        InstanceChannel channel;
        QCOMPARE(channel.listen(socketPath()), QString());
        QSignalSpy received(&channel, &InstanceChannel::argumentsReceived);
        const QStringList arguments = {QStringLiteral("--today"),
                                       QStringLiteral("/media/usb/my desk\nfile.tvx"), QString()};
        QCOMPARE(InstanceChannel::send(socketPath(), arguments), QString());
        QTRY_COMPARE(received.size(), 1);
        QCOMPARE(received[0][0].toStringList(), arguments);
    }

    void aStaleSocketIsReplacedAndNoListenerIsToldToTheSender() {
        // Nobody listens: the second start learns why it cannot hand on.
        QVERIFY(!InstanceChannel::send(socketPath(), {QStringLiteral("--today")}).isEmpty());
        {
            InstanceChannel crashed;
            QCOMPARE(crashed.listen(socketPath()), QString());
        }
        InstanceChannel channel;
        QCOMPARE(channel.listen(socketPath()), QString());
        QSignalSpy received(&channel, &InstanceChannel::argumentsReceived);
        QCOMPARE(InstanceChannel::send(socketPath(), {QStringLiteral("--new-entry")}), QString());
        QTRY_COMPARE(received.size(), 1);
    }

    void aMessageCutShortOrTooLongIsDropped() {
        InstanceChannel channel;
        QCOMPARE(channel.listen(socketPath()), QString());
        QSignalSpy received(&channel, &InstanceChannel::argumentsReceived);
        QLocalSocket cut;
        cut.connectToServer(socketPath());
        QVERIFY(cut.waitForConnected(3000));
        cut.write("--today"); // no closing separator: the sender died midway
        QVERIFY(cut.waitForBytesWritten(3000));
        cut.disconnectFromServer();
        QLocalSocket flood;
        flood.connectToServer(socketPath());
        QVERIFY(flood.waitForConnected(3000));
        flood.write(QByteArray(300 * 1024, 'a').append('\0'));
        flood.waitForBytesWritten(3000);
        flood.disconnectFromServer();
        QTest::qWait(200);
        QCOMPARE(received.size(), 0);
    }

    void todayShowsTheDayViewOfTodayAndBringsTheWindowUp() {
        TMainForm main(env->services, {});
        main.viewState().calendarViewCode = trevik::kMonthView;
        main.viewState().calendarDate -= 40;
        main.hide();
        main.handleStart(trevik::parseStartArguments({"--today"}));
        QVERIFY(main.isVisible());
        QCOMPARE(main.viewState().calendarViewCode, trevik::kDayView);
        QCOMPARE(main.viewState().calendarDate, trevik::today(env->clock));
    }

    void newEntryOpensTheEditorOnceTheCallHasReturned() {
        TMainForm main(env->services, {});
        main.handleStart(trevik::parseStartArguments({"--new-entry"}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        bool opened = false;
        whenModal<TAddNewForm>([&](TAddNewForm* editor) {
            opened = true;
            static_cast<QDialog*>(editor)->reject();
        });
        QTRY_VERIFY(opened);
    }

    void aFileHandedOnOpensTheUpdateDialogButNotOverAnOpenDialog() {
        TMainForm main(env->services, {});
        QSignalSpy files(&main, &TMainForm::exchangeFileRequested);
        main.handleStart(trevik::parseStartArguments({"/media/usb/desk.tvx"}));
        QCOMPARE(files.size(), 1);
        bool opened = false;
        whenModal<TUpdateForm>([&](TUpdateForm* form) {
            opened = true;
            QCOMPARE(form->UpdateFile->text(), QStringLiteral("/media/usb/desk.tvx"));
            // A dialog already open is left to the user: nothing else opens over it.
            main.handleStart(trevik::parseStartArguments({"/media/usb/other.tvx"}));
            main.handleStart(trevik::parseStartArguments({"--new-entry"}));
            QCOMPARE(files.size(), 1);
            form->Cancel->click();
        });
        QTRY_VERIFY(opened);
        QTest::qWait(20);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(InstanceChannelTest)
#include "InstanceChannelTest.moc"
