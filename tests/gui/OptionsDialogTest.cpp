// The options dialog as the main window opens it: the values handed in and taken back, the
// controls that act at once, the entry types, and what the window does after it.
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressDeletion.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "calendar/TypeForm.h"
#include "exchange/RecycleBin.h"
#include "options/OptionsForm.h"
#include "settings/Settings.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "storage/TypeSet.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <fstream>
#include <memory>

using namespace trevik;

class OptionsDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;

    void writeSettings(const std::string& text) { std::ofstream(env->configPath()) << text; }
    SettingsFile settings() const { return SettingsFile(env->configPath()); }

    static void selectType(TOptionsForm* options, int row) {
        options->TypeListBox->setCurrentRow(row);
    }
    static QStringList typeNames(TOptionsForm* options) {
        QStringList names;
        for (int i = 0; i < options->TypeListBox->count(); ++i) {
            names << options->TypeListBox->item(i)->text();
        }
        return names;
    }
    std::vector<EntryType> typesOnDisk() const { return listTypes({}); }
    QString lastMessage() const {
        return env->messages.shown.empty() ? QString() : env->messages.shown.back().text;
    }

    // Answers the type form that the next click opens.
    static void answerTypeForm(const QString& name, bool ok, QString* caption = nullptr,
                               QString* shown = nullptr) {
        whenModal<TTypeForm>([=](TTypeForm* form) {
            if (caption != nullptr) {
                *caption = form->windowTitle();
            }
            if (shown != nullptr) {
                *shown = form->TypeEdit->text();
            }
            form->TypeEdit->setText(name);
            (ok ? form->Button1 : form->Button2)->click();
        });
    }

    // The dialog a standalone test drives: the main window's values, as they are handed in.
    std::unique_ptr<TOptionsForm> dialog(std::int32_t& ratio, TOptionsForm::RunAtLogon logon = {}) {
        auto options = std::make_unique<TOptionsForm>(env->services, ratio, std::move(logon));
        options->Prepare(LoadDisplaySettings(env->services.settings));
        options->show();
        return options;
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() { env.reset(); }

    void theDialogShowsThePagesAndTheHandedInValues() {
        writeSettings("[Display]\nAddresRatio=55\nSplashScreen=0\nLaunchOnStartup=1\n"
                      "OpenOnStartup=0\nDateEntryDisplayMode=1\n"
                      "[Misc]\nTimeInterval=30\nTimeFormat=24\nWeekFormat=1\n"
                      "[Alarm]\nRepeat=7\nSound=/sounds/bell.wav\n");
        TMainForm main(env->services, {});
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            QCOMPARE(o->windowTitle(), QStringLiteral("Options"));
            QCOMPARE(o->OptionsPage->count(), 3);
            QCOMPARE(o->OptionsPage->tabText(0), QStringLiteral("Display"));
            QCOMPARE(o->OptionsPage->tabText(1), QStringLiteral("Misc"));
            QCOMPARE(o->OptionsPage->tabText(2), QStringLiteral("Types"));
            QCOMPARE(o->Ratio->text(), QStringLiteral("55/45"));
            QVERIFY(!o->SplashCheck->isChecked());
            QVERIFY(o->SplashCheck->isEnabled());
            QVERIFY(o->LaunchCheck->isChecked());
            QVERIFY(!o->OpenCheck->isChecked());
            QVERIFY(o->DateEntryType[1]->isChecked());
            QVERIFY(o->Radio30->isChecked());
            QVERIFY(!o->Radio15->isChecked() && !o->Radio60->isChecked());
            QVERIFY(o->Radio24->isChecked());
            QVERIFY(o->WeekCheck->isChecked());
            QCOMPARE(o->AlarmUpDown->value(), 7);
            QCOMPARE(o->AlarmUpDown->minimum(), 1);
            QCOMPARE(o->AlarmUpDown->maximum(), 99);
            QCOMPARE(o->AlarmEdit->text(), QStringLiteral("/sounds/bell.wav"));
            QCOMPARE(o->EmptyBin->text(), QStringLiteral("&Empty recycle bin"));
            QCOMPARE(o->Delete->text(), QStringLiteral("Delete Now!"));
            o->OK->click();
        });
        main.findChild<QAction*>(QStringLiteral("MainOptions"))->trigger();
        // Showing the stored sound wrote nothing new.
        QCOMPARE(LoadAlarmSound(settings()), std::string("/sounds/bell.wav"));
    }

    void twelveHoursChosenWithOkAreStoredAndShownNextTime() {
        writeSettings("[Misc]\nTimeFormat=24\n");
        TMainForm main(env->services, {});
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            QVERIFY(o->Radio24->isChecked());
            o->Radio12->click();
            o->OK->click();
        });
        main.MainOptionsClick();
        QCOMPARE(LoadDisplaySettings(settings()).timeFormat, 12);
        QCOMPARE(main.viewState().display.timeFormat, 12);
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            QVERIFY(o->Radio12->isChecked());
            QVERIFY(!o->Radio24->isChecked());
            o->Cancel->click();
        });
        main.MainOptionsClick();
    }

    void cancelTakesTheValuesBackAndTheCloseBoxDoesNot() {
        TMainForm main(env->services, {});
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            o->Radio60->click();
            o->WeekCheck->click();
            o->AlarmUpDown->setValue(12);
            o->DateEntryType[0]->click();
            o->Cancel->click();
        });
        main.MainOptionsClick();
        DisplaySettings stored = LoadDisplaySettings(settings());
        QCOMPARE(stored.timeInterval, 60);
        QCOMPARE(stored.weekStartsMonday, true);
        QCOMPARE(stored.alarmRepeat, 12);
        QCOMPARE(stored.datePeriodMode, 0);
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            o->Radio15->click();
            o->SpeedButton1->click(); // acts at once, whatever closes the dialog
            o->close();
        });
        main.MainOptionsClick();
        stored = LoadDisplaySettings(settings());
        QCOMPARE(stored.timeInterval, 60);
        QCOMPARE(main.viewState().display.timeInterval, 60);
        QCOMPARE(main.viewState().display.addressRatio, 65);
        QCOMPARE(stored.addressRatio, 60); // stored only with the next OK or Cancel
    }

    void theRatioButtonsStopAtTheEdgesAndTheWindowFollowsAfterOk() {
        writeSettings("[Display]\nAddresRatio=95\n");
        TMainForm main(env->services, {});
        main.resize(1000, 500);
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            o->SpeedButton1->click();
            QCOMPARE(o->Ratio->text(), QStringLiteral("100/ 0"));
            o->SpeedButton1->click();
            QCOMPARE(o->Ratio->text(), QStringLiteral("100/ 0"));
            for (int i = 0; i < 30; ++i) {
                o->SpeedButton2->click();
            }
            QCOMPARE(o->Ratio->text(), QStringLiteral(" 0/100"));
            for (int i = 0; i < 8; ++i) {
                o->SpeedButton1->click();
            }
            QCOMPARE(o->Ratio->text(), QStringLiteral("40/60"));
            o->OK->click();
        });
        main.MainOptionsClick();
        QCOMPARE(main.viewState().display.addressRatio, 40);
        QCOMPARE(LoadDisplaySettings(settings()).addressRatio, 40);
        const int client = main.Client->width();
        QCOMPARE(main.addressPane->AddressView->width(), client * 40 / 100);
        QCOMPARE(main.calendarPane->CalendarView->x(), client * 40 / 100);
    }

    void theWeekStartAndThePeriodModeReachTheCalendarAtOnce() {
        CalendarEntry period;
        period.comment = "Holiday";
        period.dateFrom = dayNumberFromCivil({2026, 12, 1});
        period.dateTo = dayNumberFromCivil({2026, 12, 10});
        addEntry({}, period, env->clock, 1);
        TMainForm main(env->services, {});
        const auto shows = [&] {
            const CalendarRowList& rows = main.calendarPane->rows();
            for (int n = 1; n <= rows.count(); ++n) {
                if (rows.at(n)->comment == "Holiday") {
                    return true;
                }
            }
            return false;
        };
        QVERIFY(shows()); // every day of the period, today among them
        whenModal<TOptionsForm>([](TOptionsForm* o) {
            o->DateEntryType[0]->click(); // the yearly planner only
            o->OK->click();
        });
        main.MainOptionsClick();
        QVERIFY(!shows());
    }

    void theAlarmSoundIsWrittenAtEveryChange() {
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        options->AlarmEdit->clear();
        QTest::keyClicks(options->AlarmEdit, QStringLiteral("/a.wav"));
        QCOMPARE(LoadAlarmSound(settings()), std::string("/a.wav"));
        // The browse dialog: WAV files that exist; its choice is written too.
        env->files.answers = {QStringLiteral("/sounds/ring.wav")};
        options->Button1->click();
        QCOMPARE(env->files.requests.size(), std::size_t(1));
        QVERIFY(env->files.requests[0].filter.contains(QStringLiteral("*.wav")));
        QVERIFY(env->files.requests[0].fileMustExist);
        QCOMPARE(options->AlarmEdit->text(), QStringLiteral("/sounds/ring.wav"));
        QCOMPARE(LoadAlarmSound(settings()), std::string("/sounds/ring.wav"));
        // Cancelled: nothing changes.
        options->Button1->click();
        QCOMPARE(LoadAlarmSound(settings()), std::string("/sounds/ring.wav"));
        // The dialog leaves the working directory, where the data files are, alone.
        QCOMPARE(QDir::currentPath(), QString::fromStdString(env->dataPath().string()));
        // The test player plays the file; an empty field plays nothing.
        FakeSoundPlayer* player = env->sounds.created.back();
        options->MediaPlayer1->click();
        QCOMPARE(player->plays, 1);
        QCOMPARE(player->fileName, QStringLiteral("/sounds/ring.wav"));
        options->AlarmEdit->clear();
        options->MediaPlayer1->click();
        QCOMPARE(player->plays, 1);
        QCOMPARE(LoadAlarmSound(settings()), std::string());
        options->CancelClick();
        QVERIFY(player->closes >= 1);
    }

    void aSoundThatCannotBeStoredIsToldOnce() {
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        // The settings file's place is taken by a directory: no write can succeed.
        std::filesystem::create_directory(env->configPath());
        QTest::keyClicks(options->AlarmEdit, QStringLiteral("abc"));
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("IO Error"));
        QVERIFY(!env->messages.shown[0].text.isEmpty());
    }

    void tickingLaunchOnStartUpStoresTheDataDirectory() {
        writeSettings("[Display]\nLaunchOnStartup=0\n");
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        options->LaunchCheck->click();
        QCOMPARE(loadDataDir(settings()), QDir::currentPath().toStdString());
        writeSettings("[Startup]\nDir=/elsewhere\n");
        options->LaunchCheck->click(); // unticked: nothing is written
        QCOMPARE(loadDataDir(settings()), std::string("/elsewhere"));
    }

    void onlyOkChangesTheLogonEntry() {
        std::vector<bool> calls;
        const auto logon = [&](bool on) {
            calls.push_back(on);
            return std::string();
        };
        std::int32_t ratio = 60;
        auto cancelled = dialog(ratio, logon);
        cancelled->LaunchCheck->setChecked(true);
        cancelled->Cancel->click();
        QVERIFY(calls.empty());
        QCOMPARE(cancelled->result(), int(QDialog::Accepted));
        auto confirmed = dialog(ratio, logon);
        confirmed->LaunchCheck->setChecked(false);
        confirmed->OK->click();
        QCOMPARE(calls, std::vector<bool>{false});
        // A logon entry that cannot be written is told.
        auto failing = dialog(ratio, [](bool) { return std::string("cannot write autostart"); });
        failing->OK->click();
        QCOMPARE(lastMessage(), QStringLiteral("cannot write autostart"));
    }

    void deleteNowRemovesYesterdaysOneDayEntriesAndTheCalendarShowsIt() {
        const auto add = [&](const char* comment, DayNumber from, DayNumber to = kNoDate,
                             std::int16_t repeat = kRepeatNone) {
            CalendarEntry e;
            e.comment = comment;
            e.dateFrom = from;
            e.dateTo = to;
            e.repeat = repeat;
            return addEntry({}, e, env->clock, 1).id;
        };
        const DayNumber today = dayNumberFromCivil({2026, 12, 7});
        const std::int32_t yesterday = add("Yesterday", today - 1);
        const std::int32_t period = add("Period", today - 1, today + 2);
        const std::int32_t weekly = add("Weekly", today - 1, kNoDate, kRepeatWeekly);
        const std::int32_t undated = add("Undated", kNoDate);
        const std::int32_t now = add("Today", today);
        TMainForm main(env->services, {});
        main.viewState().calendarViewCode = kWeekView;
        main.viewState().calendarDate = today - 1;
        main.refresh(Change::Calendar);
        const auto shown = [&](const char* comment) {
            const CalendarRowList& rows = main.calendarPane->rows();
            for (int n = 1; n <= rows.count(); ++n) {
                if (rows.at(n)->comment == comment) {
                    return true;
                }
            }
            return false;
        };
        QVERIFY(shown("Yesterday"));
        whenModal<TOptionsForm>([&](TOptionsForm* o) {
            o->Delete->click();
            QVERIFY(env->messages.shown.empty()); // no question, no message
            QVERIFY(!loadEntry({}, yesterday).has_value());
            o->OK->click();
        });
        main.MainOptionsClick();
        for (std::int32_t id : {period, weekly, undated, now}) {
            QVERIFY(loadEntry({}, id).has_value());
        }
        QVERIFY(!shown("Yesterday"));
        QVERIFY(shown("Today"));
    }

    void emptyRecycleBinEmptiesItAtOnceAndTellsWhenItCannot() {
        trevik::test::appendContacts(env->dataPath(), {trevik::test::contactOf("Ann", 1, 5, 2, 1)});
        QVERIFY(deleteAddress({}, 1).result.ok());
        QCOMPARE(readRecycleBin({}).entries.size(), std::size_t(1));
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        options->EmptyBin->click();
        QVERIFY(env->messages.shown.empty()); // no question, no message
        QVERIFY(readRecycleBin({}).entries.empty());
        // A bin that cannot be replaced (here a folder stands in its place) is told.
        std::filesystem::remove(env->dataPath() / trevik::kRecycleBinName);
        std::filesystem::create_directory(env->dataPath() / trevik::kRecycleBinName);
        std::filesystem::create_directory(env->dataPath() / trevik::kRecycleBinName / "x");
        options->EmptyBin->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("IO Error"));
    }

    void okInTheWindowWritesAndRemovesTheAutostartEntry() {
        TMainForm main(env->services, {});
        const std::filesystem::path entry =
            std::filesystem::path(env->config.path().toStdString()) / "autostart" /
            "trevik.desktop";
        for (const bool on : {true, false}) {
            whenModal<TOptionsForm>([&](TOptionsForm* o) {
                o->LaunchCheck->setChecked(on);
                o->OK->click();
            });
            main.MainOptionsClick();
            QCOMPARE(std::filesystem::exists(entry), on);
        }
        QVERIFY(env->messages.shown.empty());
    }

    void typesAreAddedRenamedAndDeletedAtOnce() {
        {
            // Types with the codes 0, 1 and 5.
            TypeSet set(std::filesystem::path{});
            set.Open();
            for (const auto& [code, name] :
                 {std::pair<std::int16_t, const char*>{0, "Zero"}, {1, "One"}, {5, "Five"}}) {
                set.NewRecord();
                set.code = code;
                set.name = name;
                set.Write();
            }
        }
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        QCOMPARE(typeNames(options.get()), (QStringList{"Zero", "One", "Five"}));
        QCOMPARE(options->typeCodes, (std::vector<std::int32_t>{0, 1, 5}));
        QString caption;
        QString shown;
        answerTypeForm(QStringLiteral("Holiday"), true, &caption, &shown);
        options->AddButton->click();
        QCOMPARE(caption, QStringLiteral("Add new type"));
        QCOMPARE(shown, QString());
        QCOMPARE(typesOnDisk().back().code, 6);
        QCOMPARE(typeNames(options.get()), (QStringList{"Zero", "One", "Five", "Holiday"}));
        // An empty name is stored as typed; a cancelled form stores nothing.
        answerTypeForm(QString(), true);
        options->AddButton->click();
        QCOMPARE(typesOnDisk().size(), std::size_t(5));
        QCOMPARE(typesOnDisk().back().name, std::string());
        answerTypeForm(QStringLiteral("Never"), false);
        options->AddButton->click();
        QCOMPARE(typesOnDisk().size(), std::size_t(5));
        // Renaming the selected type.
        options->EditButtonClick();
        QCOMPARE(lastMessage(), QStringLiteral("Select item to edit"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        selectType(options.get(), 2);
        answerTypeForm(QStringLiteral("Fünf"), true, &caption, &shown);
        options->EditButton->click();
        QCOMPARE(caption, QStringLiteral("Edit type"));
        QCOMPARE(shown, QStringLiteral("Five"));
        QCOMPARE(typesOnDisk()[2].code, 5);
        QCOMPARE(typesOnDisk()[2].name, std::string("F\xfc") + "nf"); // Windows-1252
        QCOMPARE(options->TypeListBox->item(2)->text(), QStringLiteral("Fünf"));
        QVERIFY(options->dataChanged());
    }

    void deletingATypeAsksFirstAndNamesTheEntriesThatUseIt() {
        addType({}, "Work");
        addType({}, "Home");
        CalendarEntry e;
        e.comment = "Uses work";
        e.dateFrom = dayNumberFromCivil({2026, 12, 7});
        e.type = 1;
        addEntry({}, e, env->clock, 1);
        addEntry({}, e, env->clock, 1);
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        options->DeleteButtonClick();
        QCOMPARE(lastMessage(), QStringLiteral("Select item to delete"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        // Cancel leaves the type file as it was.
        const std::string before = test::readText(env->dataPath() / "TYPE.TVD");
        selectType(options.get(), 0);
        env->messages.answers = {MessageResult::Cancel};
        options->DeleteButton->click();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Delete item?\n\n2 calendar entries use this type; they will "
                                "show no type."));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Confirmation"));
        QVERIFY(env->messages.shown.back().buttons == MessageButtons::OkCancel);
        QVERIFY(env->messages.shown.back().icon == MessageIcon::Question);
        QCOMPARE(test::readText(env->dataPath() / "TYPE.TVD"), before);
        // A type nobody uses: the plain question; OK deletes it.
        selectType(options.get(), 1);
        options->DeleteButton->click();
        QCOMPARE(lastMessage(), QStringLiteral("Delete item?"));
        QCOMPARE(typesOnDisk().size(), std::size_t(1));
        QCOMPARE(typeNames(options.get()), QStringList{"Work"});
        // The used one goes too when confirmed; its entries keep the code.
        selectType(options.get(), 0);
        options->DeleteButton->click();
        QVERIFY(typesOnDisk().empty());
        QCOMPARE(loadEntry({}, 1)->type, 1);
    }

    void aTypeFileThatCannotBeReadIsToldWithRetry() {
        std::filesystem::create_directory(env->dataPath() / "TYPE.TVD");
        std::int32_t ratio = 60;
        auto options = dialog(ratio);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].buttons == MessageButtons::RetryCancel);
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("TYPE.TVD")));
        QCOMPARE(options->TypeListBox->count(), 0);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
