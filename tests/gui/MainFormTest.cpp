#include "app/MainForm.h"
#include "FakeServices.h"
#include "address/AddressPane.h"
#include "app/AboutForm.h"
#include "settings/Settings.h"
#include "storage/ContactRecords.h"
#include "support/Records.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <memory>

using namespace trevik;

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;

    QAction* action(TMainForm& form, const char* name) {
        auto* found = form.findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    void writeSettings(const std::string& text) { std::ofstream(env->configPath()) << text; }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }

    void cleanup() { env.reset(); }

    void theUidIsMadeAtTheFirstStartAndKeptAfterwards() {
        {
            TMainForm form(env->services, {});
            QCOMPARE(form.installationUid(), 1765100000);
        }
        QCOMPARE(env->services.settings.readInteger("Startup", "UID", 0), 1765100000);
        env->clock.setUnixSeconds(1900000000);
        TMainForm again(env->services, {});
        QCOMPARE(again.installationUid(), 1765100000);
        QCOMPARE(env->services.settings.readInteger("Startup", "UID", 0), 1765100000);
    }

    void aUidThatCannotBeStoredIsReportedOnceAndMakesNoRecord() {
        // A directory where the settings file should be: it can be neither read nor written.
        std::filesystem::create_directory(env->configPath());
        TMainForm form(env->services, {});
        QCOMPARE(form.installationUid(), 0);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("cannot be stored")));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("Trevik.Ini")));
        QVERIFY(!form.loadInstallationUid());
        QCOMPARE(env->messages.shown.size(), std::size_t(1)); // said once
        // No sample contact is written with a UID that is not stored.
        QVERIFY(!std::filesystem::exists(env->dataPath() / "ADDRESS.TVD") ||
                std::filesystem::file_size(env->dataPath() / "ADDRESS.TVD") == 0);
    }

    void aFileThatCannotBeReadIsShownWithRetryAndThePanesKeepTheirRows() {
        Contact ida;
        ida.name = "Ida";
        addContact(env->dataPath(), ida, env->clock, 1);
        TMainForm form(env->services, {});
        QCOMPARE(form.addressPane->rowCount(), 1);
        std::filesystem::rename(env->dataPath() / "ADDRESS.TVD", env->dataPath() / "saved");
        std::filesystem::create_directory(env->dataPath() / "ADDRESS.TVD");
        env->messages.shown.clear();
        env->messages.answers = {MessageResult::Retry, MessageResult::Cancel};
        form.FindEditChange();
        QCOMPARE(env->messages.shown.size(), std::size_t(2)); // asked again after Retry
        const auto& asked = env->messages.shown[0];
        QCOMPARE(asked.buttons, MessageButtons::RetryCancel);
        QVERIFY(asked.text.contains(QStringLiteral("ADDRESS.TVD")));
        QVERIFY(asked.text.contains(QStringLiteral("Is a directory")));
        QCOMPARE(form.addressPane->rowCount(), 1);

        // Mended before Retry: the read goes through.
        std::filesystem::remove(env->dataPath() / "ADDRESS.TVD");
        std::filesystem::rename(env->dataPath() / "saved", env->dataPath() / "ADDRESS.TVD");
        env->messages.shown.clear();
        form.FindEditChange();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(form.addressPane->rowCount(), 1);
    }

    void startUpRemovesLeftoversOfAnInterruptedSave() {
        std::ofstream(env->dataPath() / "$$$.$$$") << "half a rewrite";
        std::ofstream(env->configPath().string() + ".Ab12Cd") << "[Startup]\n";
        TMainForm form(env->services, {});
        QVERIFY(!std::filesystem::exists(env->dataPath() / "$$$.$$$"));
        QVERIFY(!std::filesystem::exists(env->configPath().string() + ".Ab12Cd"));
    }

    void startUpAppliesTheStoredSettings() {
        writeSettings("[Position]\nLeft=40\nTop=50\nHeight=300\nWidth=720\n"
                      "[Display]\nCalendarView=103\nAddresRatio=40\n");
        TMainForm form(env->services, {});
        QCOMPARE(form.windowTitle(), QStringLiteral("Trevik Diary"));
        QCOMPARE(form.viewState().calendarViewCode, 103);
        QCOMPARE(form.viewState().display.addressRatio, 40);
        QCOMPARE(form.width(), 720);
        QCOMPARE(form.height(), 300);
        QCOMPARE(form.viewState().calendarDate, dayNumberFromCivil({2026, 12, 7}));
        QVERIFY(form.isVisible());
        QCOMPARE(form.viewState().activePane, Pane::Calendar);
        QVERIFY(env->tray.installed);
        QVERIFY(env->tray.hasIcon);
        QVERIFY(env->tray.tip.endsWith(QStringLiteral("Trevik Diary")));
        QCOMPARE(env->tray.menu, form.TrayMenu);
    }

    void startUpEntersTheStoredDataDirectory() {
        QTemporaryDir elsewhere;
        writeSettings("[Startup]\nDir=" + elsewhere.path().toStdString() + "\n");
        trevik::addContact(elsewhere.path().toStdString(), test::contactRecord("Zed"), env->clock,
                           1);
        TMainForm form(env->services, {});
        QCOMPARE(QDir::currentPath(), QDir(elsewhere.path()).canonicalPath());
        QVERIFY(env->messages.shown.empty());
        // The records are read from the data directory, wherever the process works later.
        QDir::setCurrent(env->data.path());
        form.FindEdit->setText(QStringLiteral("z"));
        QCOMPARE(form.addressPane->rowCount(), 1);
    }

    void aDataDirectoryThatCannotBeEnteredIsReportedAndStartUpGoesOn() {
        writeSettings("[Startup]\nDir=/no/such/trevik/dir\n");
        const QString before = QDir::currentPath();
        TMainForm form(env->services, {});
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("Couldn't change dierctory!"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("System error"));
        QCOMPARE(env->messages.shown[0].icon, MessageIcon::Warning);
        QCOMPARE(env->messages.shown[0].buttons, MessageButtons::Ok);
        QCOMPARE(QDir::currentPath(), before);
        QVERIFY(form.isVisible());
    }

    void withoutOpenOnStartupOnlyTheTrayIconShows() {
        writeSettings("[Display]\nOpenOnStartup=0\n");
        TMainForm form(env->services, {});
        QVERIFY(!form.isVisible());
        QVERIFY(env->tray.installed);
        env->tray.doubleClick();
        QVERIFY(form.isVisible());
    }

    void closingAndMinimisingGoToTheTrayAndTheIconBringsItBack() {
        TMainForm form(env->services, {});
        QVERIFY(form.isVisible());
        QVERIFY(!form.close()); // the close box never ends the program
        QVERIFY(!form.isVisible());
        env->tray.doubleClick();
        QVERIFY(form.isVisible());
        QVERIFY(!form.isMinimized());

        form.showMinimized();
        QTRY_VERIFY(!form.isVisible());
        action(form, "TrayOpen")->trigger();
        QVERIFY(form.isVisible());
        QVERIFY(!form.isMinimized());

        action(form, "MainCloseTray")->trigger();
        QVERIFY(!form.isVisible());
        QVERIFY(env->tray.installed);
    }

    // The real icon, activated as each kind of tray activates it: the X11 tray sends a single
    // click before its double click; a StatusNotifierItem tray sends only the single one.
    void theTrayIconRestoresOnTheClickItsTraySends() {
        for (const bool statusNotifier : {false, true}) {
            SystemTrayIcon icon(statusNotifier);
            QSignalSpy restored(&icon, &TrayIcon::restoreRequested);
            auto* qtIcon = icon.findChild<QSystemTrayIcon*>();
            QVERIFY(qtIcon != nullptr);
            emit qtIcon->activated(QSystemTrayIcon::Trigger);
            QCOMPARE(restored.count(), statusNotifier ? 1 : 0);
            emit qtIcon->activated(QSystemTrayIcon::DoubleClick);
            QCOMPARE(restored.count(), statusNotifier ? 2 : 1);
            for (const auto other : {QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick,
                                     QSystemTrayIcon::Unknown}) {
                emit qtIcon->activated(other);
            }
            QCOMPARE(restored.count(), statusNotifier ? 2 : 1);
        }
    }

    void withoutANotificationAreaTheWindowMinimisesInstead() {
        env->tray.available = false;
        TMainForm form(env->services, {});
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QVERIFY(form.isMinimized());
        QTest::qWait(20);
        QVERIFY(form.isVisible());
    }

    void trayTodayShowsTheDayViewOfToday() {
        writeSettings("[Display]\nCalendarView=103\nOpenOnStartup=0\n");
        TMainForm form(env->services, {});
        form.viewState().calendarDate = dayNumberFromCivil({2020, 1, 1});
        action(form, "TrayToday")->trigger();
        QVERIFY(form.isVisible());
        QCOMPARE(form.viewState().calendarViewCode, 101);
        QCOMPARE(form.viewState().calendarDate, dayNumberFromCivil({2026, 12, 7}));
    }

    void exitWritesDirectoryViewAndLayoutAndEndsTheProgram() {
        writeSettings("[Display]\nCalendarView=104\n[Address]\nCol3=99\n");
        TMainForm form(env->services, {});
        form.move(33, 44);
        form.resize(740, 380);
        form.viewState().calendarViewCode = 102;
        QSignalSpy exitSpy(&form, &TMainForm::exitRequested);
        action(form, "MainExit")->trigger();
        QCOMPARE(exitSpy.count(), 1);

        const SettingsFile& settings = env->services.settings;
        QCOMPARE(QString::fromStdString(loadDataDir(settings)), QDir::currentPath());
        QCOMPARE(settings.readInteger("Display", "CalendarView", 0), 102);
        const WindowPosition position = LoadWindowPosition(settings);
        QCOMPARE(position.left, form.x());
        QCOMPARE(position.top, form.y());
        QCOMPARE(position.width, 740);
        QCOMPARE(position.height, 380);
        QCOMPARE(loadAddressColumnWidths(settings)[2], 99);
        QCOMPARE(loadCalendarColumnWidths(settings), kDefaultCalendarColumns);
        QVERIFY(form.close()); // once exiting, the window may close
    }

    void exitKeepsAStoredDirectoryAndWritesNoneWithoutLaunchAtLogon() {
        writeSettings("[Display]\nLaunchOnStartup=0\n");
        {
            TMainForm form(env->services, {});
            action(form, "TrayExit")->trigger();
        }
        QCOMPARE(loadDataDir(env->services.settings), std::string());
        writeSettings("[Startup]\nDir=" + QDir::currentPath().toStdString() + "\n");
        TMainForm form(env->services, {});
        QDir::setCurrent(QDir::tempPath());
        action(form, "MainExit")->trigger();
        QCOMPARE(QString::fromStdString(loadDataDir(env->services.settings)), env->data.path());
    }

    void destroyingTheWindowRemovesTheTrayIcon() {
        {
            TMainForm form(env->services, {});
            QVERIFY(env->tray.installed);
        }
        QVERIFY(!env->tray.installed);
    }

    void oneCommandLineFileWaitsForTheFirstActivation() {
        TMainForm form(env->services, {QStringLiteral("/tmp/from-laptop.tvx")});
        QSignalSpy spy(&form, &TMainForm::exchangeFileRequested);
        form.FormActivate();
        form.FormActivate();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/tmp/from-laptop.tvx"));

        TMainForm two(env->services, {QStringLiteral("a.tvx"), QStringLiteral("b.tvx")});
        QSignalSpy spyTwo(&two, &TMainForm::exchangeFileRequested);
        two.FormActivate();
        QCOMPARE(spyTwo.count(), 0);
    }

    void menusHoldEveryCommandAndEachCanBeChosen() {
        TMainForm form(env->services, {});
        for (const char* name :
             {"MainExit",      "MainUpdate", "MainRecycleBin", "MainCloseTray",  "MainAbout",
              "MainHelp",      "MainNew",    "MainEdit",       "MainNotes",      "MainTimer",
              "TrayOpen",      "TrayToday",  "TrayNew",        "TrayStopwatch",  "TrayTimer",
              "TrayNotes",     "TrayExit",   "MainOptions",    "MainCalPlanner", "PlannerButton",
              "OptionsButton", "MainCut",    "MainCopy",       "MainPaste",      "MainSearch",
              "MainFindNext"}) {
            QVERIFY2(action(form, name)->isEnabled(), name);
        }
        QVERIFY(action(form, "MainToolbar")->isChecked());
        QCOMPARE(action(form, "MainCut")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        QCOMPARE(action(form, "MainFindNext")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F3));
        QStringList captions;
        for (QAction* a : form.TrayMenu->actions()) {
            captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        QCOMPARE(captions, (QStringList{"Open", "Today", "New", "-", "Stopwatch", "Timer", "&Notes",
                                        "-", "Exit"}));
    }

    void aStoredWidthTooNarrowForTheFindBarsButtonsGrowsToTheLeastThatHoldsThem() {
        writeSettings("[Position]\nLeft=40\nTop=50\nHeight=300\nWidth=400\n");
        TMainForm form(env->services, {});
        QCOMPARE(form.width(), form.minimumSizeHint().width());
        QVERIFY(form.width() > 400);
        QVERIFY(form.MainClose->geometry().right() < form.Client->width());
    }

    void atEverySizeTheStatusPanelsAndFindBarButtonsAreWholeAndInside() {
        TMainForm form(env->services, {});
        form.show();
        const auto fitsItsText = [](const QLabel* panel) {
            const int needed = QFontMetrics(panel->font()).horizontalAdvance(panel->text()) +
                               2 * panel->frameWidth();
            return panel->width() >= needed;
        };
        for (const QSize size : {QSize(710, 417), QSize(1024, 768), QSize(1920, 1050),
                                 QSize(form.minimumSizeHint().width(), 417)}) {
            form.resize(size);
            QApplication::processEvents();
            const QByteArray where =
                QByteArray::number(form.width()) + "x" + QByteArray::number(form.height());
            for (std::size_t i = 1; i < form.statusPanels.size(); ++i) {
                QLabel* panel = form.statusPanels[i];
                QVERIFY2(fitsItsText(panel), where + " panel " + QByteArray::number(int(i)));
                QVERIFY2(panel->geometry().right() < form.statusBar()->width(), where);
            }
            // The timer and stopwatch texts while they run are as wide as any they show.
            for (const auto& [panel, text] : {std::pair{form.statusPanels[3], "T 08:59:58"},
                                              std::pair{form.statusPanels[4], "S 12:34:56"}}) {
                const QString kept = panel->text();
                panel->setText(QString::fromLatin1(text));
                QVERIFY2(fitsItsText(panel), where + " " + text);
                panel->setText(kept);
            }
            const QRect ok = form.MainOK->geometry();
            const QRect www = form.WWW->geometry();
            const QRect close = form.MainClose->geometry();
            QVERIFY2(!www.intersects(close) && !www.intersects(ok), where);
            QVERIFY2(form.Client->width() <= form.width(), where);
            QVERIFY2(close.right() < form.Client->width(), where);
            QVERIFY2(www.width() >= form.WWW->sizeHint().width(), where);
            QVERIFY2(close.width() >= form.MainClose->sizeHint().width(), where);
            // The geometry, for whoever reads the log.
            QString panels;
            for (const QLabel* panel : form.statusPanels) {
                panels += QStringLiteral(" %1@%2").arg(panel->width()).arg(panel->x());
            }
            qInfo("%s: WWW %d..%d, Close %d..%d, client %d; panels%s", where.constData(),
                  www.left(), www.right(), close.left(), close.right(), form.Client->width(),
                  qPrintable(panels));
        }
    }

    void theAboutBoxWaitsForAClick() {
        TMainForm form(env->services, {});
        bool timerWasRunning = true;
        bool closedByClick = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            timerWasRunning = about->Timer1->isActive();
            QTest::mouseClick(about->Image1, Qt::LeftButton);
            closedByClick = true;
        });
        action(form, "MainAbout")->trigger();
        QVERIFY(closedByClick);
        QVERIFY(!timerWasRunning);
    }

    void theSplashClosesByItselfOrAtAClick() {
        TAboutForm splash;
        QCOMPARE(splash.size(), QSize(403, 267));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(splash.Timer1->isActive());
        QCOMPARE(splash.Timer1->interval(), 4000);
        QCOMPARE(splash.Image1->pixmap().size(), QSize(400, 267));
        splash.Timer1->setInterval(10); // as if four seconds had passed
        splash.Timer1->start();
        QCOMPARE(splash.exec(), int(QDialog::Accepted));

        TAboutForm clicked;
        QTimer::singleShot(0, [&] { QTest::mouseClick(clicked.Image1, Qt::LeftButton); });
        QCOMPARE(clicked.exec(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
