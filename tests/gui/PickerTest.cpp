#include "FakeServices.h"
#include "ModalDialogs.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateForm.h"
#include "calendar/TimeForm.h"
#include "calendar/TypeForm.h"
#include "editor/AddNewForm.h"
#include "editor/DateParsing.h"
#include "platform/StoredText.h"
#include "platform/SystemLocale.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/Records.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <memory>

using namespace trevik;

namespace {

// What a picker showed when it opened, read before the test touches it.
struct DateSeen {
    QDate selected;
    QDate page;
    QString title;
};

struct TimeSeen {
    QString selected;
    QString topVisible;
    bool selectedVisible = false;
    int rows = 0;
};

DateSeen seeDate(const TDateForm* picker) {
    return {picker->Kalendar->selectedDate(),
            QDate(picker->Kalendar->yearShown(), picker->Kalendar->monthShown(), 1),
            picker->Naslov->text()};
}

// Read once the list has been laid out, as the user sees it.
TimeSeen seeTime(TTimeForm* picker) {
    QListWidget* list = picker->TimeBox;
    if (!QTest::qWaitFor([list] { return list->itemAt(5, 5) != nullptr; })) {
        return {};
    }
    const QListWidgetItem* top = list->itemAt(5, 5);
    const QListWidgetItem* current = list->currentItem();
    return {current != nullptr ? current->text() : QString(),
            top != nullptr ? top->text() : QString(),
            current != nullptr && list->viewport()->rect().contains(list->visualItemRect(current)),
            list->count()};
}

} // namespace

// The date and time pickers as the entry editor opens them, in the desktop's own locales:
// the real SystemLocale, set the way it reads the locale, as the application's default.
class PickerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<SystemLocale> locale;
    std::unique_ptr<Services> services;

    void useLocale(const QString& name) {
        QLocale::setDefault(QLocale(name));
        locale = std::make_unique<SystemLocale>();
        services = std::make_unique<Services>(Services{env->clock, env->messages, env->tray,
                                                       env->shell, env->files, env->sounds, *locale,
                                                       SettingsFile(env->configPath())});
        services->dataDir = env->dataPath();
    }

    std::unique_ptr<TAddNewForm> editor(const EditorSetup& setup = {},
                                        bool weekStartsMonday = false, int timeInterval = 15) {
        DisplaySettings display;
        display.weekStartsMonday = weekStartsMonday;
        display.timeInterval = timeInterval;
        auto form = std::make_unique<TAddNewForm>(*services, display, [] { return 4242; });
        form->Prepare(setup);
        form->show();
        return form;
    }

    std::unique_ptr<TAddNewForm> editEntry(const CalendarEntry& fields, int timeInterval = 15) {
        EditorSetup setup;
        setup.findCase = 3;
        setup.entry = loadEntry({}, addEntry({}, fields, env->clock, 1).id);
        return editor(setup, false, timeInterval);
    }

    // Opens the picker of `button`, notes what it shows, then lets `body` finish with it.
    template <typename Body> DateSeen pickDate(QPushButton* button, Body body) {
        DateSeen seen;
        whenModal<TDateForm>([&](TDateForm* picker) {
            seen = seeDate(picker);
            body(picker);
        });
        button->click();
        return seen;
    }

    template <typename Body> TimeSeen pickTime(QPushButton* button, Body body) {
        TimeSeen seen;
        whenModal<TTimeForm>([&](TTimeForm* picker) {
            seen = seeTime(picker);
            body(picker);
        });
        button->click();
        return seen;
    }

    // The day the box's text reads back as, the way the editor reads a typed date.
    std::optional<DayNumber> readBack(const QLineEdit* box) const {
        return ParseDateText(toStored(box->text()), *locale);
    }

    QString shown(DayNumber day) const { return fromStored(ShortDateText(day, *locale)); }

    static void locales() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("december");
        QTest::addColumn<QString>("january");
        QTest::addColumn<QString>("march");
        const auto row = [](const char* name, const char* dec, const char* jan, const char* mar) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(dec)
                                << QString::fromUtf8(jan) << QString::fromUtf8(mar);
        };
        row("C", "December", "January", "March");
        row("de_DE", "Dezember", "Januar", "März");
        row("tr_TR", "Aralık", "Ocak", "Mart");
        // A title names the month on its own, not in the form a date gives it.
        row("hr_HR", "prosinac", "siječanj", "ožujak");
        row("pl_PL", "grudzień", "styczeń", "marzec");
        row("en_US", "December", "January", "March");
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() {
        services.reset();
        locale.reset();
        env.reset();
        QLocale::setDefault(QLocale::system());
    }

    void theDatePickerOpensOnTheDayInItsBox_data() { locales(); }
    void theDatePickerOpensOnTheDayInItsBox() {
        QFETCH(QString, name);
        QFETCH(QString, december);
        QFETCH(QString, january);
        QFETCH(QString, march);
        useLocale(name);
        const DayNumber jan31 = dayNumberFromCivil({2027, 1, 31});
        auto form = editor();

        // An empty box: today, 7 December 2026 on the test's clock.
        DateSeen seen = pickDate(form->DateFromButton, [](TDateForm* picker) {
            picker->Kalendar->setSelectedDate(QDate(2027, 1, 31));
            picker->OKButton->click();
        });
        QCOMPARE(seen.selected, QDate(2026, 12, 7));
        QCOMPARE(seen.page, QDate(2026, 12, 1));
        QCOMPARE(seen.title, december + QStringLiteral(" 2026"));
        QCOMPARE(form->DateFromEdit->text(), shown(jan31));
        QCOMPARE(readBack(form->DateFromEdit), std::optional<DayNumber>(jan31));

        // The day it wrote; OK at once keeps it.
        seen = pickDate(form->DateFromButton, [](TDateForm* picker) { picker->OKButton->click(); });
        QCOMPARE(seen.selected, QDate(2027, 1, 31));
        QCOMPARE(seen.title, january + QStringLiteral(" 2027"));
        QCOMPARE(form->DateFromEdit->text(), shown(jan31));

        // A day typed over the box and not yet left.
        const DayNumber feb3 = dayNumberFromCivil({2027, 2, 3});
        QTest::keyClicks(form->DateToEdit, shown(feb3));
        seen = pickDate(form->DateToButton, [](TDateForm* picker) { picker->OKButton->click(); });
        QCOMPARE(seen.selected, QDate(2027, 2, 3));
        QCOMPARE(readBack(form->DateToEdit), std::optional<DayNumber>(feb3));

        // A text that is no date: today.
        form->DateToEdit->selectAll();
        QTest::keyClicks(form->DateToEdit, QStringLiteral("soon"));
        seen =
            pickDate(form->DateToButton, [](TDateForm* picker) { picker->CancelButton->click(); });
        QCOMPARE(seen.selected, QDate(2026, 12, 7));
        QCOMPARE(form->DateToEdit->text(), QStringLiteral("soon"));

        form->CommentEdit->setPlainText(QStringLiteral("Trip"));
        form->DateToEdit->selectAll();
        QTest::keyClick(form->DateToEdit, Qt::Key_Backspace);
        form->SaveCalAsNew->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(0));
        QCOMPARE(loadEntry({}, 1)->dateFrom, jan31);

        // A loaded entry's day, whose year the short pattern may give with two digits only.
        CalendarEntry old;
        old.comment = "Armistice talk";
        old.dateFrom = dayNumberFromCivil({1945, 3, 12});
        auto edited = editEntry(old);
        seen =
            pickDate(edited->DateFromButton, [](TDateForm* picker) { picker->OKButton->click(); });
        QCOMPARE(seen.selected, QDate(1945, 3, 12));
        QCOMPARE(seen.title, march + QStringLiteral(" 1945"));
        edited->SaveCal->click();
        QCOMPARE(loadEntry({}, 2)->dateFrom, old.dateFrom);
    }

    void theWeekStartsOnTheDayTheSettingsGive_data() { locales(); }
    void theWeekStartsOnTheDayTheSettingsGive() {
        QFETCH(QString, name);
        useLocale(name);
        for (const bool monday : {false, true}) {
            auto form = editor({}, monday);
            Qt::DayOfWeek first = Qt::Saturday;
            QString header;
            pickDate(form->DateFromButton, [&](TDateForm* picker) {
                first = picker->Kalendar->firstDayOfWeek();
                // The grid's first column, as drawn.
                const auto* grid = qobject_cast<QTableView*>(picker->Kalendar->focusProxy());
                QVERIFY(grid != nullptr);
                header = grid->model()->data(grid->model()->index(0, 0)).toString();
                picker->CancelButton->click();
            });
            QCOMPARE(first, monday ? Qt::Monday : Qt::Sunday);
            QCOMPARE(header, fromStored(locale->shortDayName(monday ? 1 : 0)));
        }
    }

    void theTimePickerOpensOnTheTimeInItsBox_data() { locales(); }
    void theTimePickerOpensOnTheTimeInItsBox() {
        QFETCH(QString, name);
        useLocale(name);
        auto form = editor();
        const auto ok = [](TTimeForm* picker) { picker->OKButton->click(); };

        // An empty box: nine o'clock, shown and chosen alike.
        TimeSeen seen = pickTime(form->TimeFromButton, ok);
        QCOMPARE(seen.selected, QStringLiteral("09:00"));
        QCOMPARE(seen.topVisible, QStringLiteral("09:00"));
        QCOMPARE(form->TimeFromEdit->text(), QStringLiteral("09:00"));

        QTest::keyClicks(form->TimeToEdit, QStringLiteral("14:30"));
        seen = pickTime(form->TimeToButton, ok);
        QCOMPARE(seen.selected, QStringLiteral("14:30"));
        QCOMPARE(seen.topVisible, QStringLiteral("14:30"));
        QCOMPARE(seen.rows, 96);
        QCOMPARE(form->TimeToEdit->text(), QStringLiteral("14:30"));

        // The last slot cannot be scrolled to the top, but it is in sight.
        QTest::keyClicks(form->AlarmEdit, QStringLiteral("23:45"));
        seen = pickTime(form->AlarmButton, ok);
        QCOMPARE(seen.selected, QStringLiteral("23:45"));
        QVERIFY(seen.selectedVisible);
        QCOMPARE(form->AlarmEdit->text(), QStringLiteral("23:45"));

        // A text that is no time: nine o'clock; Cancel leaves the box.
        form->AlarmEdit->setText(QStringLiteral("noon"));
        seen =
            pickTime(form->AlarmButton, [](TTimeForm* picker) { picker->CancelButton->click(); });
        QCOMPARE(seen.selected, QStringLiteral("09:00"));
        QCOMPARE(form->AlarmEdit->text(), QStringLiteral("noon"));

        // A stored time between two slots keeps its own row.
        CalendarEntry fields;
        fields.comment = "Standup";
        fields.dateFrom = dayNumberFromCivil({2026, 12, 8});
        fields.timeFrom = timeFraction({9, 5, 0, 0});
        auto edited = editEntry(fields, 30);
        QCOMPARE(edited->TimeFromEdit->text(), QStringLiteral("9:05"));
        seen = pickTime(edited->TimeFromButton, ok);
        QCOMPARE(seen.selected, QStringLiteral("09:05"));
        QCOMPARE(seen.topVisible, QStringLiteral("09:05"));
        QCOMPARE(seen.rows, 49);
        edited->SaveCal->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(0));
        QCOMPARE(loadEntry({}, 1)->timeFrom, fields.timeFrom);
    }

    // The manual's pictures: the editor holding a contact and a linked entry, and the two
    // pickers it opens, each on the value in its box.
    void theManualsPicturesShowTheEditorAndItsPickers() {
        useLocale(QStringLiteral("en_GB"));
        Contact anna = test::contactRecord("Anna Berg", "anna.berg@example.org");
        anna.home = "0151 234 5678";
        anna.address = "Harbour Road 4\r\nKirkwall";
        anna.id = trevik::addContact(env->dataPath(), anna, env->clock, 1).id;
        CalendarEntry lunch =
            test::entryRecord("Lunch with Anna", dayNumberFromCivil({2026, 12, 9}), anna.id);
        lunch.timeFrom = timeFraction({12, 30, 0, 0});
        lunch.timeTo = timeFraction({13, 30, 0, 0});
        lunch.alarm = timeFraction({12, 0, 0, 0});
        lunch.type = static_cast<std::int16_t>(addType(env->dataPath(), "Meeting").id);
        lunch.repeat = kRepeatNone;
        EditorSetup setup;
        setup.findCase = 4;
        setup.contact = loadContact(env->dataPath(), anna.id);
        setup.entry =
            loadEntry(env->dataPath(), trevik::addEntry(env->dataPath(), lunch, env->clock, 1).id);
        setup.linkChecked = true;
        auto form = editor(setup, true);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(form->grab().save(QStringLiteral(TREVIK_SCREENSHOT_DIR "/entry-editor.png")));

        bool dateSaved = false;
        const DateSeen date = pickDate(form->DateFromButton, [&](TDateForm* picker) {
            dateSaved =
                picker->grab().save(QStringLiteral(TREVIK_SCREENSHOT_DIR "/date-picker.png"));
            picker->CancelButton->click();
        });
        QVERIFY(dateSaved);
        QCOMPARE(date.selected, QDate(2026, 12, 9));
        bool timeSaved = false;
        const TimeSeen time = pickTime(form->TimeFromButton, [&](TTimeForm* picker) {
            timeSaved =
                picker->grab().save(QStringLiteral(TREVIK_SCREENSHOT_DIR "/time-picker.png"));
            picker->CancelButton->click();
        });
        QVERIFY(timeSaved);
        QCOMPARE(time.selected, QStringLiteral("12:30"));
        QVERIFY(time.selectedVisible);
    }

    void datePickerPagesClearsAndCancels() {
        useLocale(QStringLiteral("C"));
        TDateForm picker(QDate(2026, 1, 15), false);
        QCOMPARE(picker.Naslov->text(), QStringLiteral("January 2026"));
        picker.PrevMonthClick();
        QCOMPARE(picker.Naslov->text(), QStringLiteral("December 2025"));
        QCOMPARE(picker.Kalendar->selectedDate(), QDate(2025, 12, 28));
        picker.NextMonthClick();
        picker.NextMonthClick();
        QCOMPARE(picker.Naslov->text(), QStringLiteral("February 2026"));
        picker.OKButtonClick();
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(std::tuple(picker.year, picker.month, picker.day), std::tuple(2026, 2, 28));

        TDateForm cleared(QDate(2026, 1, 15), false);
        QTimer::singleShot(0, &cleared, [&] { cleared.ClearButton->click(); });
        QCOMPARE(cleared.exec(), int(QDialog::Accepted));
        QCOMPARE(cleared.day, 0);

        TDateForm cancelled(QDate(2026, 1, 15), false);
        QTimer::singleShot(0, &cancelled, [&] { cancelled.CancelButton->click(); });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
    }

    void thePickersNameTheirControlsAndStartOnTheDays() {
        useLocale(QStringLiteral("de_DE"));
        TDateForm dates(QDate(2026, 1, 15), true);
        dates.show();
        dates.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dates));
        // The grid takes the focus, so the grid itself is what a screen reader names.
        QAccessibleInterface* grid =
            QAccessible::queryAccessibleInterface(dates.Kalendar->focusProxy());
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Calendar"));
        QTRY_COMPARE(QApplication::focusWidget(), dates.Kalendar->focusProxy());
        QCOMPARE(QAccessible::queryAccessibleInterface(dates.Naslov)->text(QAccessible::Name),
                 QStringLiteral("Month"));
        QCOMPARE(QAccessible::queryAccessibleInterface(dates.Naslov)->text(QAccessible::Value),
                 QStringLiteral("Januar 2026"));
        TTimeForm times(15);
        times.show();
        QCOMPARE(QAccessible::queryAccessibleInterface(times.TimeBox)->text(QAccessible::Name),
                 QStringLiteral("Select time"));
        TTypeForm types;
        QCOMPARE(QAccessible::queryAccessibleInterface(types.TypeEdit)->text(QAccessible::Name),
                 QStringLiteral("Type"));
    }

    void timePickerListsSlotsOfItsInterval() {
        TTimeForm picker(30);
        picker.show();
        QCOMPARE(picker.TimeBox->count(), 48);
        QCOMPARE(picker.TimeBox->item(0)->text(), QStringLiteral("00:00"));
        QCOMPARE(picker.TimeBox->item(47)->text(), QStringLiteral("23:30"));
        picker.TimeBox->setCurrentRow(21);
        picker.OKButtonClick();
        QCOMPARE(picker.time, QStringLiteral("10:30"));
        QCOMPARE(picker.result(), int(QDialog::Accepted));

        TTimeForm odd(20, QStringLiteral("10:20"));
        odd.show();
        QCOMPARE(odd.TimeBox->count(), 97); // quarter hours, and the box's time between them
        odd.Button1Click();
        QCOMPARE(odd.time, QString());
        QCOMPARE(odd.result(), int(QDialog::Accepted));
    }

    void typeDialogAcceptsWithEnter() {
        TTypeForm dialog(QStringLiteral("Work"));
        QCOMPARE(dialog.TypeEdit->text(), QStringLiteral("Work"));
        QTimer::singleShot(0, &dialog, [&] {
            dialog.TypeEdit->setText(QStringLiteral("Private"));
            QTest::keyClick(dialog.TypeEdit, Qt::Key_Return);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QCOMPARE(dialog.name(), QStringLiteral("Private"));

        TTypeForm cancelled;
        QTimer::singleShot(0, &cancelled, [&] { QTest::keyClick(&cancelled, Qt::Key_Escape); });
        QCOMPARE(cancelled.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(PickerTest)
#include "PickerTest.moc"
