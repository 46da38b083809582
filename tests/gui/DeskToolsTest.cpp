// The countdown timer and the stopwatch in their windows and in the main window's status bar and
// tray menu, on a monotonic clock the test moves and with the desktop's own locales.
#include "FakeServices.h"
#include "app/MainForm.h"
#include "platform/SystemLocale.h"
#include "settings/Settings.h"
#include "tools/StopwatchForm.h"
#include "tools/TimerForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

using namespace trevik;
using namespace std::chrono_literals;

class DeskToolsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<SystemLocale> locale;
    std::unique_ptr<Services> services;
    std::unique_ptr<TMainForm> form;

    // The main window with the desktop's locale `name`, and the settings `ini`.
    void start(const QString& name, const std::string& ini = {}) {
        std::ofstream(env->configPath()) << ini;
        QLocale::setDefault(QLocale(name));
        locale = std::make_unique<SystemLocale>();
        services = std::make_unique<Services>(
            Services{env->clock, env->messages, env->tray, env->shell, env->files, env->sounds,
                     *locale, SettingsFile(env->configPath()), env->monotonic});
        form = std::make_unique<TMainForm>(*services, QStringList{});
    }

    QAction* action(const char* name) const {
        auto* found = form->findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }
    QString panel(std::size_t index) const { return form->statusPanels[index]->text(); }

    // What the tray menu shows at a right click, at positions 4 and 5.
    QStringList trayToolCaptions() const {
        form->TrayMenu->popup(QPoint(10, 10));
        form->TrayMenu->hide();
        const QList<QAction*> entries = form->TrayMenu->actions();
        return {entries[4]->text(), entries[5]->text()};
    }

    // One second passes and the timer's ticker fires, as it was set to.
    void timerTick(std::chrono::milliseconds late = 0ms) {
        TTimerForm* timer = form->TimerForm;
        QVERIFY(timer->PIMTimer->isActive());
        env->monotonic.advance(std::chrono::milliseconds(timer->PIMTimer->interval()) + late);
        timer->PIMTimerTimer();
    }
    void stopwatchTick() {
        TStopwatchForm* stopwatch = form->StopwatchForm;
        QVERIFY(stopwatch->Stopwatch->isActive());
        env->monotonic.advance(std::chrono::milliseconds(stopwatch->Stopwatch->interval()));
        stopwatch->StopwatchTimer();
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const auto& shown : env->messages.shown) {
            texts.push_back(shown.text);
        }
        return texts;
    }

    static void locales() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR", "ar_EG"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    static void focusOnto(QWidget* window, QWidget* control) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        control->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(control->hasFocus());
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() {
        form.reset();
        services.reset();
        locale.reset();
        env.reset();
        QLocale::setDefault(QLocale::system());
    }

    void theToolsAreMadeHiddenAndEveryEntryReachesThem() {
        start(QStringLiteral("C"));
        QVERIFY(form->TimerForm != nullptr);
        QVERIFY(form->StopwatchForm != nullptr);
        QVERIFY(!form->TimerForm->isVisible());
        QVERIFY(!form->StopwatchForm->isVisible());
        QCOMPARE(form->TimerForm->windowTitle(), QStringLiteral("Timer"));
        QCOMPARE(form->StopwatchForm->windowTitle(), QStringLiteral("Stopwatch"));
        QVERIFY(!(form->TimerForm->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(form->TimerForm->TimeLabel->font().pixelSize(), 35);
        QCOMPARE(panel(3), QStringLiteral("Timer off"));
        QCOMPARE(panel(4), QStringLiteral("Stopwatch off"));
        QCOMPARE(trayToolCaptions(), (QStringList{"Stopwatch", "Timer"}));
        for (const char* name :
             {"MainTimer", "MainStopwatch", "MainNotes", "TimerButton", "StopwatchButton",
              "NotesButton", "TrayStopwatch", "TrayTimer", "TrayNotes"}) {
            QVERIFY2(action(name)->isEnabled(), name);
        }
        for (const char* name : {"MainTimer", "TimerButton", "TrayTimer"}) {
            form->TimerForm->hide();
            action(name)->trigger();
            QVERIFY2(form->TimerForm->isVisible(), name);
        }
        for (const char* name : {"MainStopwatch", "StopwatchButton", "TrayStopwatch"}) {
            form->StopwatchForm->hide();
            action(name)->trigger();
            QVERIFY2(form->StopwatchForm->isVisible(), name);
        }
        form->TimerForm->CloseButton->click();
        QVERIFY(!form->TimerForm->isVisible());
    }

    void aRunningTimerShowsInTheStatusBarAndTheTrayMenu_data() { locales(); }
    void aRunningTimerShowsInTheStatusBarAndTheTrayMenu() {
        QFETCH(QString, name);
        start(name, "[Timer]\nTime=00:00:05\n[Alarm]\nSound=/sounds/bell.wav\nRepeat=3\n");
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        QCOMPARE(timer->TimeEdit->text(), QStringLiteral("00:00:05"));
        QVERIFY(!timer->RestartBox->isChecked());
        QTest::mouseClick(timer->Start, Qt::LeftButton);
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:00:05"));
        QCOMPARE(timer->PIMTimer->interval(), 1000);
        timer->CloseButton->click(); // the countdown goes on hidden
        for (const char* shown : {"00:00:04", "00:00:03", "00:00:02", "00:00:01", "00:00:00"}) {
            timerTick();
            QCOMPARE(timer->TimeLabel->text(), QString::fromLatin1(shown));
            QCOMPARE(panel(3), QStringLiteral("T ") + QString::fromLatin1(shown));
            QCOMPARE(trayToolCaptions()[1], QStringLiteral("Timer [%1]").arg(shown));
        }
        QVERIFY(!timer->isVisible());
        FakeSoundPlayer* player = env->sounds.created.at(0);
        QCOMPARE(player->plays, 0);
        timerTick();
        // Run out: the window comes to the front and the sound plays Repeat times in all.
        QVERIFY(timer->isVisible());
        QVERIFY(!timer->PIMTimer->isActive());
        QCOMPARE(player->fileName, QStringLiteral("/sounds/bell.wav"));
        QCOMPARE(player->plays, 1);
        player->finish();
        player->finish();
        QCOMPARE(player->plays, 3);
        QCOMPARE(player->closes, 0);
        player->finish();
        QCOMPARE(player->plays, 3);
        QCOMPARE(player->closes, 1);
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(panel(3), QStringLiteral("T 00:00:00"));
        QTest::mouseClick(timer->Stop, Qt::LeftButton);
        QCOMPARE(panel(3), QStringLiteral("Timer off"));
        QCOMPARE(trayToolCaptions()[1], QStringLiteral("Timer"));
    }

    void aRunningStopwatchShowsInTheStatusBarAndTheTrayMenu_data() { locales(); }
    void aRunningStopwatchShowsInTheStatusBarAndTheTrayMenu() {
        QFETCH(QString, name);
        start(name);
        action("TrayStopwatch")->trigger();
        TStopwatchForm* stopwatch = form->StopwatchForm;
        QVERIFY(stopwatch->isVisible());
        stopwatch->Start->click();
        for (int i = 0; i < 3; ++i) {
            stopwatchTick();
        }
        QCOMPARE(panel(4), QStringLiteral("S 00:00:03"));
        QCOMPARE(trayToolCaptions(), (QStringList{"Stopwatch [00:00:03]", "Timer"}));
        stopwatch->Stop->click();
        QVERIFY(!stopwatch->Stopwatch->isActive());
        QCOMPARE(stopwatch->TimeLabel->text(), QStringLiteral("00:00:03"));
        QCOMPARE(panel(4), QStringLiteral("Stopwatch off"));
        QCOMPARE(trayToolCaptions()[0], QStringLiteral("Stopwatch"));
        stopwatch->Start->click();
        stopwatchTick();
        stopwatchTick();
        QCOMPARE(stopwatch->TimeLabel->text(), QStringLiteral("00:00:05"));
        // Reset while running: zero at once, the status bar keeps its reading until the tick.
        env->monotonic.advance(300ms);
        stopwatch->Reset->click();
        QCOMPARE(stopwatch->TimeLabel->text(), QStringLiteral("00:00:00"));
        QCOMPARE(panel(4), QStringLiteral("S 00:00:05"));
        QCOMPARE(stopwatch->Stopwatch->interval(), 1000);
        stopwatchTick();
        QCOMPARE(stopwatch->TimeLabel->text(), QStringLiteral("00:00:01"));
        QCOMPARE(panel(4), QStringLiteral("S 00:00:01"));
    }

    void bothToolsShowInTheTrayMenuAtOnce() {
        start(QStringLiteral("de_DE"), "[Timer]\nTime=1:00\n");
        action("MainTimer")->trigger();
        form->TimerForm->Start->click();
        form->StopwatchForm->Start->click();
        env->monotonic.advanceSeconds(1); // both tickers fire
        form->TimerForm->PIMTimerTimer();
        form->StopwatchForm->StopwatchTimer();
        QCOMPARE(trayToolCaptions(), (QStringList{"Stopwatch [00:00:01]", "Timer [00:59:59]"}));
        // Going to the tray leaves the running tools' windows on screen.
        action("MainStopwatch")->trigger();
        action("MainCloseTray")->trigger();
        QVERIFY(!form->isVisible());
        QVERIFY(form->TimerForm->isVisible());
        QVERIFY(form->StopwatchForm->isVisible());
    }

    void aLateTickCatchesUpAndTheTickerComesBackOnTheSecond() {
        start(QStringLiteral("hr_HR"), "[Timer]\nTime=00:00:10\n");
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        timer->Start->click();
        timerTick();
        timerTick(3400ms);
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:00:05"));
        QCOMPARE(timer->PIMTimer->interval(), 600);
        // Asleep past the end: one alarm on resume.
        env->monotonic.advanceSeconds(3600);
        timer->PIMTimerTimer();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("No sound selected!"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Warning"));
        QVERIFY(!timer->PIMTimer->isActive());
    }

    void theDurationsLengthRulesAndTheirMessages() {
        start(QStringLiteral("tr_TR"));
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        timer->TimeEdit->setText(QStringLiteral("5:30"));
        timer->Set->click();
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("05:30:00"));
        timer->TimeEdit->setText(QStringLiteral("00:75:99"));
        timer->Set->click();
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:75:99"));
        QVERIFY(env->messages.shown.empty());

        focusOnto(timer, timer->Set);
        timer->TimeEdit->setText(QStringLiteral("1:2"));
        timer->Set->click();
        QCOMPARE(messageTexts(), std::vector<QString>{"Incorrect time format!"});
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Error"));
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:75:99"));
        QTRY_VERIFY(timer->TimeEdit->hasFocus());

        timer->TimeEdit->setText(QStringLiteral("00:xx:05"));
        timer->Set->click();
        QCOMPARE(env->messages.shown.back().text,
                 QStringLiteral("'xx' is not a valid integer value"));
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:75:05"));
    }

    void startIsRefusedWhenTheDurationCannotBeRead() {
        start(QStringLiteral("C"), "[Timer]\nTime=123\n");
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        timer->Start->click();
        QCOMPARE(messageTexts(), std::vector<QString>{"Incorrect time format!"});
        QVERIFY(!timer->PIMTimer->isActive());
        QVERIFY(!timer->countdown().counting());
        QCOMPARE(panel(3), QStringLiteral("Timer off"));
        QCOMPARE(trayToolCaptions()[1], QStringLiteral("Timer"));
    }

    void autoRestartRingsAgainWithoutASoundAndReadsTheBoxAgain() {
        start(QStringLiteral("de_DE"), "[Timer]\nTime=00:00:03\nAutoRepeat=1\n");
        action("TrayTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        QVERIFY(timer->RestartBox->isChecked());
        timer->Start->click();
        for (int i = 0; i < 4; ++i) {
            timerTick();
        }
        QCOMPARE(messageTexts(), std::vector<QString>{"No sound selected!"});
        QVERIFY(timer->PIMTimer->isActive());
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:00:03"));
        QCOMPARE(panel(3), QStringLiteral("T 00:00:03"));
        timer->TimeEdit->setText(QStringLiteral("00:00:01"));
        for (int i = 0; i < 4; ++i) {
            timerTick();
        }
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:00:01"));
        timerTick();
        timerTick();
        QCOMPARE(env->messages.shown.size(), std::size_t(3));
        timer->Stop->click();
        QVERIFY(!timer->PIMTimer->isActive());
    }

    void openingReloadsTheBoxesButLeavesACountdownRunning() {
        start(QStringLiteral("C"), "[Timer]\nTime=00:02:00\n");
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        timer->Start->click();
        timerTick();
        timer->TimeEdit->setText(QStringLiteral("00:00:09"));
        action("MainTimer")->trigger();
        QCOMPARE(timer->TimeEdit->text(), QStringLiteral("00:02:00"));
        QVERIFY(timer->PIMTimer->isActive());
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:01:59"));
        timerTick();
        QCOMPARE(timer->TimeLabel->text(), QStringLiteral("00:01:58"));
    }

    void theBoxesReachTheSettingsOnlyWhenTheyLoseTheFocus() {
        start(QStringLiteral("de_DE"));
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        focusOnto(timer, timer->TimeEdit);
        timer->TimeEdit->selectAll();
        QTest::keyClicks(timer->TimeEdit, QStringLiteral("00:10:00"));
        QCOMPARE(LoadTimerTime(services->settings), std::string("00:00:00"));
        QTest::keyClick(timer->TimeEdit, Qt::Key_Tab);
        QTRY_VERIFY(!timer->TimeEdit->hasFocus());
        QCOMPARE(LoadTimerTime(services->settings), std::string("00:10:00"));

        focusOnto(timer, timer->RestartBox);
        timer->RestartBox->setChecked(true);
        QVERIFY(!LoadTimerAutoRepeat(services->settings));
        timer->Edit2->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(timer->Edit2->hasFocus());
        QVERIFY(LoadTimerAutoRepeat(services->settings));
        QVERIFY(env->messages.shown.empty());
    }

    void aTimerSettingThatCannotBeStoredIsReportedWithItsReason() {
        start(QStringLiteral("C"));
        action("MainTimer")->trigger();
        TTimerForm* timer = form->TimerForm;
        std::filesystem::remove(env->configPath());
        std::filesystem::create_directory(env->configPath());
        focusOnto(timer, timer->TimeEdit);
        timer->Set->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY2(env->messages.shown[0].text.contains(QStringLiteral("Is a directory")),
                 qPrintable(env->messages.shown[0].text));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("IO Error"));
    }
};

QTEST_MAIN(DeskToolsTest)
#include "DeskToolsTest.moc"
