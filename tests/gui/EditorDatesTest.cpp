#include "FakeServices.h"
#include "ModalDialogs.h"
#include "calendar/CalendarTexts.h"
#include "calendar/DateForm.h"
#include "editor/AddNewForm.h"
#include "platform/StoredText.h"
#include "platform/SystemLocale.h"
#include "storage/EntryRecords.h"
#include "support/Records.h"

#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

using namespace trevik;

// The date boxes of the entry editor in the desktop's own locales: the real SystemLocale,
// set the way it reads the locale, as the application's default.
class EditorDatesTest : public QObject {
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
    }

    std::unique_ptr<TAddNewForm> editEntry(std::int32_t id) {
        EditorSetup setup;
        setup.findCase = 3;
        setup.entry = loadEntry({}, id);
        auto form =
            std::make_unique<TAddNewForm>(*services, DisplaySettings{}, [] { return 4242; });
        form->Prepare(setup);
        form->show();
        return form;
    }

    std::int32_t addEntry(const char* comment, DayNumber from, DayNumber to = kNoDate) {
        CalendarEntry entry = test::entryRecord(comment, from);
        entry.dateTo = to;
        return trevik::addEntry({}, entry, env->clock, 1).id;
    }

    QString firstMessage() const {
        return env->messages.shown.empty() ? QString() : env->messages.shown.front().text;
    }

    QString shown(DayNumber day) const { return fromStored(ShortDateText(day, *locale)); }

    // Types `text` over the box's content, as a user would.
    static void typeOver(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    static void locales() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR", "en_US", "hu_HU", "ko_KR", "sk_SK",
                                 "sl_SI", "bg_BG", "ar_EG"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() {
        services.reset();
        locale.reset();
        env.reset();
        QLocale::setDefault(QLocale::system());
    }

    void theBoxesShowTheLocalesShortDates() {
        useLocale(QStringLiteral("hr_HR"));
        auto form = editEntry(addEntry("Holiday", dayNumberFromCivil({2026, 12, 10})));
        QCOMPARE(form->DateFromEdit->text(), QStringLiteral("10. 12. 2026."));
    }

    void anUntouchedSaveKeepsBothDates_data() { locales(); }
    void anUntouchedSaveKeepsBothDates() {
        QFETCH(QString, name);
        useLocale(name);
        const DayNumber from = dayNumberFromCivil({2026, 12, 10});
        const DayNumber to = dayNumberFromCivil({2026, 12, 13});
        const std::int32_t holiday = addEntry("Holiday", from, to);
        auto form = editEntry(holiday);
        QCOMPARE(form->DateFromEdit->text(), shown(from));
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Planner"));
        form->SaveCal->click();
        QVERIFY2(env->messages.shown.empty(), qPrintable(firstMessage()));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(loadEntry({}, holiday)->dateFrom, from);
        QCOMPARE(loadEntry({}, holiday)->dateTo, to);

        // A two-digit year keeps its century, untouched or retyped as the box wrote it.
        const DayNumber march12 = dayNumberFromCivil({1945, 3, 12});
        const DayNumber march13 = dayNumberFromCivil({1945, 3, 13});
        const std::int32_t old = addEntry("Armistice talk", march12);
        editEntry(old)->SaveCal->click();
        QCOMPARE(loadEntry({}, old)->dateFrom, march12);
        auto retyped = editEntry(old);
        typeOver(retyped->DateFromEdit, shown(march13));
        retyped->DateFromExit();
        retyped->SaveCal->click();
        QVERIFY2(env->messages.shown.empty(), qPrintable(firstMessage()));
        QCOMPARE(loadEntry({}, old)->dateFrom, march13);
    }

    void aPickedDateIsSaved_data() { locales(); }
    void aPickedDateIsSaved() {
        QFETCH(QString, name);
        useLocale(name);
        auto form =
            std::make_unique<TAddNewForm>(*services, DisplaySettings{}, [] { return 4242; });
        form->Prepare({});
        form->show();
        form->CommentEdit->setPlainText(QStringLiteral("Trip"));
        whenModal<TDateForm>([](TDateForm* picker) {
            picker->Kalendar->setSelectedDate(QDate(2027, 3, 14));
            picker->OKButton->click();
        });
        form->DateFromButton->click();
        whenModal<TDateForm>([](TDateForm* picker) {
            picker->Kalendar->setSelectedDate(QDate(2027, 3, 18));
            picker->OKButton->click();
        });
        form->DateToButton->click();
        QCOMPARE(form->DateFromEdit->text(), shown(dayNumberFromCivil({2027, 3, 14})));
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Planner"));
        form->SaveCalAsNew->click();
        QVERIFY2(env->messages.shown.empty(), qPrintable(firstMessage()));
        const CalendarEntry saved = *loadEntry({}, 1);
        QCOMPARE(saved.dateFrom, dayNumberFromCivil({2027, 3, 14}));
        QCOMPARE(saved.dateTo, dayNumberFromCivil({2027, 3, 18}));
    }

    void aTypedDateIsReadInTheLocale_data() { locales(); }
    void aTypedDateIsReadInTheLocale() {
        QFETCH(QString, name);
        useLocale(name);
        auto form =
            std::make_unique<TAddNewForm>(*services, DisplaySettings{}, [] { return 4242; });
        form->Prepare({});
        form->show();
        form->CommentEdit->setPlainText(QStringLiteral("Typed"));
        // Saved straight from the box, without leaving it first.
        QTest::keyClicks(form->DateFromEdit, shown(dayNumberFromCivil({2027, 1, 31})));
        form->SaveCalAsNew->click();
        QVERIFY2(env->messages.shown.empty(), qPrintable(firstMessage()));
        QCOMPARE(loadEntry({}, 1)->dateFrom, dayNumberFromCivil({2027, 1, 31}));
    }

    void aDateThatDoesNotReadStopsTheSave() {
        useLocale(QStringLiteral("de_DE"));
        const std::int32_t holiday = addEntry("Holiday", dayNumberFromCivil({2026, 12, 10}));
        auto form = editEntry(holiday);
        typeOver(form->DateFromEdit, QStringLiteral("31.02.2026"));
        form->SaveCal->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Wrong date format, enter again"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        QVERIFY(form->isVisible());
        QCOMPARE(form->DateFromEdit->text(), QStringLiteral("31.02.2026")); // to be corrected
        QCOMPARE(loadEntry({}, holiday)->dateFrom, dayNumberFromCivil({2026, 12, 10}));
        // The same from "Save changes?": nothing is written, the editor stays.
        form->Cancel->click();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Wrong date format, enter again"));
        QVERIFY(form->isVisible());
        QCOMPARE(loadEntry({}, holiday)->dateFrom, dayNumberFromCivil({2026, 12, 10}));
        // Leaving the box with it empties the box: then the entry is saved without a date.
        form->DateFromExit();
        QCOMPARE(form->DateFromEdit->text(), QString());
        form->SaveCal->click();
        QCOMPARE(loadEntry({}, holiday)->dateFrom, kNoDate);
    }
};

QTEST_MAIN(EditorDatesTest)
#include "EditorDatesTest.moc"
