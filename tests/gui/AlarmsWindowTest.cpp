// The alarms of the real main window on a clock the test moves: the notice, the sound, the
// warning, the desktop notification, catching up after a suspend, and the desktop's locales.
#include "FakeServices.h"
#include "alarms/AlarmForm.h"
#include "app/MainForm.h"
#include "platform/SystemLocale.h"
#include "storage/EntryRecords.h"

#include <QDate>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace trevik;

class AlarmsWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<SystemLocale> locale;
    std::unique_ptr<Services> services;
    std::unique_ptr<TMainForm> form;

    static DayNumber dayOf(int y, int m, int d) { return dayNumberFromCivil({y, m, d}); }
    static double at(int hour, int minute) { return timeFraction({hour, minute, 0, 0}); }

    void add(const char* comment, DayNumber from, double alarm, DayNumber to = kNoDate,
             std::int16_t repeat = kRepeatNone) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.dateTo = to;
        e.alarm = alarm;
        e.repeat = repeat;
        QVERIFY(addEntry({}, e, env->clock, 1).ok());
    }

    // The window with the settings `ini`, in the locale `name`, after its first check.
    void start(const std::string& ini = "[Alarm]\nSound=/sounds/bell.wav\n",
               const QString& name = QStringLiteral("C")) {
        std::ofstream(env->configPath()) << ini;
        QLocale::setDefault(QLocale(name));
        locale = std::make_unique<SystemLocale>();
        services = std::make_unique<Services>(
            Services{env->clock, env->messages, env->tray, env->shell, env->files, env->sounds,
                     *locale, SettingsFile(env->configPath()), env->monotonic});
        form = std::make_unique<TMainForm>(*services, QStringList{});
        // The first check runs from the message loop, then the timer waits for the next minute.
        QTRY_VERIFY(form->MainAlarmTimer->interval() > 0);
    }

    FakeSoundPlayer& player() const { return static_cast<FakeSoundPlayer&>(*form->MainPlayer); }
    QStringList lines() const { return form->AlarmForm->lines(); }
    int warnings() const {
        int count = 0;
        for (const auto& shown : env->messages.shown) {
            count += shown.text == QStringLiteral("No sound selected!") ? 1 : 0;
        }
        return count;
    }

    // The clock moves on and the timer fires, as it was armed to.
    void minutesPass(int minutes) {
        env->clock.advanceMinutes(minutes);
        form->MainAlarmTimerTimer();
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>(); // Monday 7 December 2026, 9:30:00
    }
    void cleanup() {
        form.reset();
        services.reset();
        locale.reset();
        env.reset();
        QLocale::setDefault(QLocale::system());
    }

    void theWindowShowsTheNoticeForAnEntryDueThisMinute() {
        add("Dentist", dayOf(2026, 12, 7), at(9, 30));
        start();
        QVERIFY(form->AlarmForm->isVisible());
        QCOMPARE(lines(), QStringList{QStringLiteral("Dentist")});
        QCOMPARE(form->AlarmForm->windowTitle(), QStringLiteral("Alarm"));
        const Qt::WindowFlags flags = form->AlarmForm->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(form->AlarmForm->Memo1->isReadOnly());
        // One sound, and a desktop notification of the same line.
        QCOMPARE(player().plays, 1);
        QCOMPARE(player().fileName, QStringLiteral("/sounds/bell.wav"));
        QCOMPARE(env->tray.messages.size(), std::size_t(1));
        QCOMPARE(env->tray.messages[0].first, QStringLiteral("Alarm"));
        QCOMPARE(env->tray.messages[0].second, QStringLiteral("Dentist"));
        // Armed for the start of the next minute, a little after it.
        QVERIFY(form->MainAlarmTimer->isActive());
        QVERIFY(form->MainAlarmTimer->isSingleShot());
        QCOMPARE(form->MainAlarmTimer->interval(), 60000 + 50);
        // The notice shows while the window is in the tray.
        form->MinimizeToTray();
        QVERIFY(!form->isVisible());
        QVERIFY(form->AlarmForm->isVisible());
    }

    void anAlarmAtHalfPastTwoRingsOnceInItsMinute() {
        env->clock.set({2026, 12, 7}, {14, 29, 30, 0});
        add("Dentist", dayOf(2026, 12, 7), at(14, 30));
        start();
        QVERIFY(!form->AlarmForm->isVisible());
        QCOMPARE(form->MainAlarmTimer->interval(), 30000 + 50);
        minutesPass(1); // 14:30:30
        QCOMPARE(lines(), QStringList{QStringLiteral("Dentist")});
        QCOMPARE(player().plays, 1);
        player().finish(); // the end of the sound closes the player
        QCOMPARE(player().closes, 1);
        form->MainAlarmTimerTimer(); // a second firing within 14:30
        for (int i = 0; i < 5; ++i) {
            minutesPass(1);
        }
        QCOMPARE(lines(), QStringList{QStringLiteral("Dentist")});
        QCOMPARE(player().plays, 1);
        QVERIFY(env->messages.shown.empty());
    }

    void twoEntriesOfOneMinuteGiveTwoLinesAndOneSound() {
        add("Dentist", dayOf(2026, 12, 7), at(9, 31));
        add("Call Ann", dayOf(2026, 12, 7), at(9, 31));
        start();
        minutesPass(1);
        QCOMPARE(lines(), (QStringList{QStringLiteral("Dentist"), QStringLiteral("Call Ann")}));
        QCOMPARE(player().plays, 1);
        QCOMPARE(env->tray.messages.size(), std::size_t(2));
    }

    void repeatsRingOnTheirDaysAndPeriodsByThePeriodMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("planner only") << 0 << QStringList{QStringLiteral("Weekly")};
        QTest::newRow("first and last")
            << 1 << QStringList{QStringLiteral("Weekly"), QStringLiteral("Period ends")};
        QTest::newRow("every day")
            << 2
            << QStringList{QStringLiteral("Weekly"), QStringLiteral("Period"),
                           QStringLiteral("Period ends")};
    }
    void repeatsRingOnTheirDaysAndPeriodsByThePeriodMode() {
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        // A weekly entry starting on a later Monday rings this Monday already.
        add("Weekly", dayOf(2027, 1, 4), at(9, 31), kNoDate, kRepeatWeekly);
        add("Period", dayOf(2026, 12, 1), at(9, 31), dayOf(2026, 12, 9));
        add("Period ends", dayOf(2026, 12, 3), at(9, 31), dayOf(2026, 12, 7));
        start("[Display]\nDateEntryDisplayMode=" + std::to_string(mode) +
              "\n[Alarm]\nSound=/sounds/bell.wav\n");
        minutesPass(1);
        QCOMPARE(lines(), expected);
    }

    void closeEmptiesTheNoticeAndTheNextAlarmStartsAFreshList() {
        add("First", dayOf(2026, 12, 7), at(9, 31));
        add("Second", dayOf(2026, 12, 7), at(9, 33));
        start();
        minutesPass(1);
        QCOMPARE(lines(), QStringList{QStringLiteral("First")});
        form->AlarmForm->Close->click();
        QVERIFY(!form->AlarmForm->isVisible());
        QVERIFY(lines().isEmpty());
        minutesPass(2);
        QVERIFY(form->AlarmForm->isVisible());
        QCOMPARE(lines(), QStringList{QStringLiteral("Second")});
    }

    void linesAccumulateUntilClose() {
        add("First", dayOf(2026, 12, 7), at(9, 31));
        add("Second", dayOf(2026, 12, 7), at(9, 32));
        start();
        minutesPass(1);
        minutesPass(1);
        QCOMPARE(lines(), (QStringList{QStringLiteral("First"), QStringLiteral("Second")}));
        QCOMPARE(player().plays, 2); // one sound per alarm minute
    }

    void withoutASoundTheNoticeComesWithAWarning() {
        add("Dentist", dayOf(2026, 12, 7), at(9, 31));
        add("Later", dayOf(2026, 12, 7), at(9, 32));
        start("");
        minutesPass(1);
        QCOMPARE(lines(), QStringList{QStringLiteral("Dentist")});
        QCOMPARE(warnings(), 1);
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Warning"));
        QCOMPARE(player().plays, 0);
        minutesPass(1);
        QCOMPARE(warnings(), 2); // once per alarm minute
        minutesPass(1);
        QCOMPARE(warnings(), 2); // and none without an alarm
    }

    void aSuspendOfThreeHoursShowsEachMissedAlarmOnceWithItsTime() {
        add("Tea", dayOf(2026, 12, 7), at(10, 0));
        add("Meeting", dayOf(2026, 12, 7), at(11, 15));
        add("Standup", dayOf(2026, 12, 7), at(12, 30));
        add("After", dayOf(2026, 12, 7), at(12, 31));
        start();
        QVERIFY(!form->AlarmForm->isVisible());
        // Asleep from 9:30 to 12:30: the timer fires once on waking.
        minutesPass(180);
        QCOMPARE(lines(), (QStringList{QStringLiteral("Tea (due at 10:00)"),
                                       QStringLiteral("Meeting (due at 11:15)"),
                                       QStringLiteral("Standup")}));
        QCOMPARE(player().plays, 1);
        QCOMPARE(form->MainAlarmTimer->interval(), 60000 + 50);
        minutesPass(1);
        QCOMPARE(lines().size(), 4);
        QCOMPARE(lines().back(), QStringLiteral("After"));
    }

    void aClockSetBackAnHourRingsNothingTwice() {
        add("Tea", dayOf(2026, 12, 7), at(9, 40));
        add("Later", dayOf(2026, 12, 7), at(10, 20));
        start();
        for (int i = 0; i < 60; ++i) { // to 10:30
            minutesPass(1);
        }
        QCOMPARE(lines(), (QStringList{QStringLiteral("Tea"), QStringLiteral("Later")}));
        env->clock.advanceMinutes(-60); // 9:30 again
        for (int i = 0; i < 70; ++i) {  // to 10:40
            minutesPass(1);
        }
        QCOMPARE(lines(), (QStringList{QStringLiteral("Tea"), QStringLiteral("Later")}));
        QCOMPARE(player().plays, 2);
    }

    // The date of an alarm missed on an earlier day, in the desktop's short date format.
    void aMissedAlarmOfYesterdayNamesItsDateInTheLocale_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void aMissedAlarmOfYesterdayNamesItsDateInTheLocale() {
        QFETCH(QString, name);
        env->clock.set({2026, 12, 7}, {23, 0, 0, 0});
        add("Late call", dayOf(2026, 12, 7), at(23, 50));
        start("[Alarm]\nSound=/sounds/bell.wav\n", name);
        minutesPass(90); // 0:30 on 8 December
        const QString date = QLocale(name).toString(QDate(2026, 12, 7), QLocale::ShortFormat);
        QCOMPARE(lines(), QStringList{QStringLiteral("Late call (due at 23:50 on %1)").arg(date)});
    }

    void aCalendarThatCannotBeReadIsToldOnceAndItsAlarmsComeLater() {
        add("Dentist", dayOf(2026, 12, 7), at(9, 32));
        start();
        const std::filesystem::path file = env->dataPath() / "CALENDAR.TVD";
        std::filesystem::rename(file, env->dataPath() / "saved");
        std::filesystem::create_directory(file);
        minutesPass(1);
        minutesPass(1);
        minutesPass(1);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QString::fromStdString(file.string())));
        QVERIFY(!form->AlarmForm->isVisible());
        std::filesystem::remove(file);
        std::filesystem::rename(env->dataPath() / "saved", file);
        minutesPass(1);
        QCOMPARE(lines(), QStringList{QStringLiteral("Dentist (due at 9:32)")});
    }

    void aCommentOutsideTheCodePageReadsAsStored() {
        add("Caf\xe9 with Zo\xeb", dayOf(2026, 12, 7), at(9, 30)); // Windows-1252 bytes
        start();
        QCOMPARE(lines(), QStringList{QStringLiteral("Café with Zoë")});
    }
};

QTEST_MAIN(AlarmsWindowTest)
#include "AlarmsWindowTest.moc"
