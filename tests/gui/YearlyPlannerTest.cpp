// The yearly planner window: its grid and texts, paging, the right-click deletion with its three
// messages, the screen reader's view of the marks, the tips in the desktop's locales, and the
// ways the main window opens it.
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "planner/PlannerModel.h"
#include "planner/YearlyForm.h"
#include "platform/SystemLocale.h"
#include "storage/CalSet.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"

#include <QAccessible>
#include <QAction>
#include <QDate>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace trevik;

class YearlyPlannerTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<SystemLocale> locale;
    std::unique_ptr<Services> services;

    static DayNumber dayOf(int y, int m, int d) { return dayNumberFromCivil({y, m, d}); }

    std::int32_t add(const char* comment, DayNumber from, DayNumber to, std::int16_t type = -1,
                     std::int16_t repeat = kRepeatNone) {
        CalendarEntry e;
        e.comment = comment;
        e.dateFrom = from;
        e.dateTo = to;
        e.type = type;
        e.repeat = repeat;
        return addEntry({}, e, env->clock, 1).id;
    }

    void useLocale(const QString& name) {
        QLocale::setDefault(QLocale(name));
        locale = std::make_unique<SystemLocale>();
        services = std::make_unique<Services>(
            Services{env->clock, env->messages, env->tray, env->shell, env->files, env->sounds,
                     *locale, SettingsFile(env->configPath()), env->monotonic});
    }

    std::unique_ptr<TYearlyForm> openPlanner() {
        auto planner = std::make_unique<TYearlyForm>(*services);
        planner->show();
        return planner;
    }

    static QString cell(const TYearlyForm& planner, int month, int day) {
        return planner.YearlyView->model()->index(month - 1, day - 1).data().toString();
    }
    static QString tip(const TYearlyForm& planner, int month, int day) {
        return planner.YearlyView->model()
            ->index(month - 1, day - 1)
            .data(Qt::ToolTipRole)
            .toString();
    }

    // A right click on the cell, as the user makes it; the menu is closed again.
    static void rightClick(TYearlyForm& planner, int month, int day) {
        QTableView* view = planner.YearlyView;
        const QRect rect = view->visualRect(view->model()->index(month - 1, day - 1));
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, rect.center());
        QVERIFY(planner.PlannerContext->isVisible());
        planner.PlannerContext->hide();
    }

    QStringList texts() const {
        QStringList shown;
        for (const auto& message : env->messages.shown) {
            shown << message.text;
        }
        return shown;
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>(); // Monday 7 December 2026
        useLocale(QStringLiteral("C"));
    }
    void cleanup() {
        services.reset();
        locale.reset();
        env.reset();
        QLocale::setDefault(QLocale::system());
    }

    void theGridShowsTheYearWithItsFixedTexts() {
        addType({}, "Holiday");
        addType({}, "Business");
        add("Winter", dayOf(2025, 12, 30), dayOf(2026, 1, 2), 1);
        add("Trip", dayOf(2026, 1, 2), dayOf(2026, 1, 3), 2);
        add("Untyped", dayOf(2026, 5, 1), dayOf(2026, 5, 1));
        add("Single day", dayOf(2026, 6, 1), kNoDate, 1);
        add("Weekly", dayOf(2026, 6, 2), kNoDate, 1, kRepeatWeekly);
        add("To do", kNoDate, kNoDate, 1);
        auto planner = openPlanner();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2026"));
        QVERIFY(!planner->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(planner->Previous->text(), QStringLiteral("Previous year"));
        QCOMPARE(planner->Button1->text(), QStringLiteral("Cancel"));
        QCOMPARE(planner->Next->text(), QStringLiteral("Next year"));
        QAbstractItemModel* model = planner->YearlyView->model();
        QCOMPARE(model->rowCount(), 12);
        QCOMPARE(model->columnCount(), 31);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1"));
        QCOMPARE(model->headerData(30, Qt::Horizontal).toString(), QStringLiteral("31"));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("January"));
        QCOMPARE(model->headerData(8, Qt::Vertical).toString(), QStringLiteral("September"));
        QCOMPARE(model->headerData(11, Qt::Vertical).toString(), QStringLiteral("December"));
        QCOMPARE(planner->YearlyView->horizontalHeader()->sectionSize(0), 22);
        QVERIFY(planner->YearlyView->verticalHeader()->width() >= 50);
        planner->grab().save(QStringLiteral(TREVIK_SCREENSHOT_DIR "/yearly-planner.png"));
        QCOMPARE(cell(*planner, 1, 1), QStringLiteral("H"));
        QCOMPARE(cell(*planner, 1, 2), QStringLiteral("HB"));
        QCOMPARE(cell(*planner, 1, 3), QStringLiteral("B"));
        QCOMPARE(cell(*planner, 1, 4), QString());
        QCOMPARE(cell(*planner, 5, 1), QStringLiteral("#"));
        QCOMPARE(cell(*planner, 6, 1), QString());  // a single day
        QCOMPARE(cell(*planner, 6, 9), QString());  // a repeat
        QCOMPARE(cell(*planner, 2, 30), QString()); // no such day
        // The previous year holds the start of the winter period.
        planner->PreviousClick();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2025"));
        QCOMPARE(cell(*planner, 12, 30), QStringLiteral("H"));
        QCOMPARE(cell(*planner, 12, 31), QStringLiteral("H"));
        QCOMPARE(cell(*planner, 12, 29), QString());
        planner->NextClick();
        planner->NextClick();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2027"));
        QCOMPARE(cell(*planner, 1, 1), QString());
    }

    void anEmptyCalendarGivesABlankPlanner() {
        auto planner = openPlanner();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2026"));
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                QCOMPARE(cell(*planner, month, day), QString());
            }
        }
    }

    void nextYearFromTheTwentyNinthOfFebruaryIsTheTwentyEighth() {
        env->clock.set({2028, 2, 29}, {12, 0, 0, 0});
        auto planner = openPlanner();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2028"));
        planner->Next->click();
        QCOMPARE(planner->windowTitle(), QStringLiteral("2029"));
        QCOMPARE(planner->shownDate(), dayOf(2029, 2, 28));
        planner->Previous->click();
        QCOMPARE(planner->shownDate(), dayOf(2028, 2, 28));
    }

    void deletingTheItemOfADayDeletesItsLastPeriodAfterAsking() {
        addType({}, "Holiday");
        addType({}, "Business");
        const std::int32_t holiday = add("Holiday", dayOf(2026, 3, 1), dayOf(2026, 3, 10), 1);
        const std::int32_t trip = add("Trip", dayOf(2026, 3, 5), dayOf(2026, 3, 6), 2);
        auto planner = openPlanner();
        QCOMPARE(cell(*planner, 3, 5), QStringLiteral("HB"));
        rightClick(*planner, 3, 5);
        const QModelIndexList selected = planner->YearlyView->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0].row(), 2);
        QCOMPARE(selected[0].column(), 4);
        // Cancel keeps it.
        env->messages.answers = {MessageResult::Cancel};
        planner->DeletePlannerItem1->trigger();
        QCOMPARE(texts(), QStringList{QStringLiteral("Delete item 'Trip' ?")});
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Confirmation"));
        QVERIFY(env->messages.shown.back().buttons == MessageButtons::OkCancel);
        QVERIFY(loadEntry({}, trip).has_value());
        QVERIFY(!planner->deletedAny());
        // OK deletes the second period, the last in file order.
        planner->DeletePlannerItem1->trigger();
        QVERIFY(!loadEntry({}, trip).has_value());
        QVERIFY(loadEntry({}, holiday).has_value());
        QCOMPARE(cell(*planner, 3, 5), QStringLiteral("H"));
        QVERIFY(planner->deletedAny());
    }

    void theThreeMessagesOfADeletion() {
        const std::int32_t holiday = add("Holiday", dayOf(2026, 3, 1), dayOf(2026, 3, 10));
        add("Later", dayOf(2026, 4, 1), kNoDate); // so the file is not empty without the holiday
        auto planner = openPlanner();
        planner->DeletePlannerItem1Click();
        QCOMPARE(texts(), QStringList{QStringLiteral("No items selected")});
        QCOMPARE(env->messages.shown.back().caption, QString());
        rightClick(*planner, 4, 1); // an unmarked day
        planner->DeletePlannerItem1->trigger();
        QCOMPARE(texts().back(), QStringLiteral("Empty item selected fo deletion!"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        rightClick(*planner, 2, 31); // a day that does not exist
        planner->DeletePlannerItem1->trigger();
        QCOMPARE(texts().back(), QStringLiteral("Empty item selected fo deletion!"));
        // The period went while the planner showed it.
        rightClick(*planner, 3, 2);
        deleteEntry({}, holiday);
        planner->DeletePlannerItem1->trigger();
        QCOMPARE(texts().back(), QStringLiteral("Record not in database!"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Critical Error!"));
        QCOMPARE(texts().size(), 4);
    }

    void aScreenReaderReadsTheMarksOfEachDay() {
        addType({}, "Holiday");
        add("Holiday", dayOf(2026, 3, 1), dayOf(2026, 3, 2), 1);
        auto planner = openPlanner();
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(planner->YearlyView);
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Yearly planner"));
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 12);
        QCOMPARE(table->columnCount(), 31);
        QCOMPARE(table->cellAt(2, 0)->text(QAccessible::Name), QStringLiteral("H"));
        QCOMPARE(table->cellAt(2, 2)->text(QAccessible::Name), QString());
        QCOMPARE(table->rowDescription(2), QStringLiteral("March"));
        QCOMPARE(table->columnDescription(0), QStringLiteral("1"));
    }

    // A day's tip names each period covering it with its dates, in the desktop's format.
    void theTipOfADayNamesItsPeriods_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void theTipOfADayNamesItsPeriods() {
        QFETCH(QString, name);
        useLocale(name);
        add("Winter", dayOf(2025, 12, 30), dayOf(2026, 1, 2));
        add("Trip", dayOf(2026, 1, 2), dayOf(2026, 1, 3));
        auto planner = openPlanner();
        const QLocale system(name);
        const auto date = [&](int y, int m, int d) {
            return system.toString(QDate(y, m, d), QLocale::ShortFormat);
        };
        QCOMPARE(tip(*planner, 1, 2), QStringLiteral("Winter: %1 - %2\nTrip: %3 - %4")
                                          .arg(date(2025, 12, 30), date(2026, 1, 2),
                                               date(2026, 1, 2), date(2026, 1, 3)));
        QCOMPARE(tip(*planner, 1, 1),
                 QStringLiteral("Winter: %1 - %2").arg(date(2025, 12, 30), date(2026, 1, 2)));
        QCOMPARE(tip(*planner, 1, 4), QString());
    }

    void escapeAndCancelCloseThePlanner() {
        auto planner = openPlanner();
        planner->Button1->click();
        QVERIFY(!planner->isVisible());
        QCOMPARE(planner->result(), int(QDialog::Rejected));
        planner->show();
        QTest::keyClick(planner.get(), Qt::Key_Escape);
        QVERIFY(!planner->isVisible());
    }

    void theMenusTheToolbarAndTheViewMenuOpenThePlanner() {
        TMainForm main(*services, {});
        int opened = 0;
        for (QAction* command :
             {main.findChild<QAction*>(QStringLiteral("MainCalPlanner")),
              main.findChild<QAction*>(QStringLiteral("PlannerButton")),
              main.calendarPane->CalViewMenu->findChild<QAction*>(QStringLiteral("CalPlanner"))}) {
            QVERIFY(command != nullptr);
            QVERIFY(command->isEnabled());
            whenModal<TYearlyForm>([&](TYearlyForm* planner) {
                QCOMPARE(planner->windowTitle(), QStringLiteral("2026"));
                ++opened;
                planner->Button1->click();
            });
            command->trigger();
        }
        QCOMPARE(opened, 3);
    }

    void aPeriodDeletedInThePlannerLeavesTheCalendarPane() {
        add("Holiday", dayOf(2026, 12, 1), dayOf(2026, 12, 10));
        TMainForm main(*services, {});
        const auto shows = [&] {
            const CalendarRowList& rows = main.calendarPane->rows();
            for (int n = 1; n <= rows.count(); ++n) {
                if (rows.at(n)->comment == "Holiday") {
                    return true;
                }
            }
            return false;
        };
        QVERIFY(shows());
        whenModal<TYearlyForm>([&](TYearlyForm* planner) {
            rightClick(*planner, 12, 7);
            planner->DeletePlannerItem1->trigger();
            planner->Button1->click();
        });
        main.MainCalPlannerClick();
        QVERIFY(!shows());
    }
};

QTEST_MAIN(YearlyPlannerTest)
#include "YearlyPlannerTest.moc"
