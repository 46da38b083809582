#include "FakeServices.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "platform/StoredText.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QTreeView>

#include <functional>
#include <memory>

using namespace trevik;

// The window's own parts around the panes: how it lays them out with its bars, its help
// command and its status bar.
class MainWindowBarsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;

    void open() { form = std::make_unique<TMainForm>(env->services, QStringList{}); }

    QTreeView* addressView() { return form->addressPane->AddressView; }

    QAction* action(const char* name) {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }

    void cleanup() {
        form.reset();
        env.reset();
    }

    void theLayoutFollowsTheWindowAndTheBars() {
        open();
        form->resize(1000, 600);
        const int width = form->Client->width();
        const int height = form->Client->height();
        QCOMPARE(addressView()->geometry(), QRect(0, 92, width * 60 / 100, height - 140));
        QCOMPARE(form->calendarPane->CalendarView->x(), width * 60 / 100);
        action("MainToolbar")->trigger();
        QVERIFY(!action("MainToolbar")->isChecked());
        QCOMPARE(addressView()->geometry(), QRect(0, 62, width * 60 / 100, height - 110));
        action("MainButtonBar")->trigger();
        QCOMPARE(addressView()->height(), height - 70);
        QVERIFY(!form->ButtonBar->isVisible());
        action("MainToolbar")->trigger();
        action("MainButtonBar")->trigger();
        QCOMPARE(addressView()->geometry(), QRect(0, 92, width * 60 / 100, height - 140));
    }

    void helpOpensTheManual() {
        open();
        action("MainHelp")->trigger();
        QCOMPARE(env->shell.opened.size(), std::size_t(1));
        QVERIFY(env->shell.opened[0].isLocalFile());
        QVERIFY(env->shell.opened[0].toLocalFile().endsWith(QStringLiteral("manual/index.html")));
    }

    // The manual the Help command opens tells of every command a menu offers: each entry of the
    // menu bar stands in its table of commands, each of the right-click and tray menus in its
    // text as a word of its own.
    void theManualNamesEveryCommandOfTheMenus() {
        open();
        action("MainHelp")->trigger();
        QCOMPARE(env->shell.opened.size(), std::size_t(1));
        QFile manual(env->shell.opened[0].toLocalFile());
        QVERIFY(manual.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(manual.readAll())
                                 .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
        const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        QSet<QString> tabled;
        for (const QRegularExpressionMatch& cell :
             QRegularExpression(QStringLiteral("<td>(.*?)</td>")).globalMatch(html)) {
            const QString names = cell.captured(1).remove(tag);
            for (const QString& name : names.split(QRegularExpression(QStringLiteral(", | > ")))) {
                tabled.insert(name.trimmed());
            }
        }
        const QString text = QString(html).remove(tag).simplified();
        QStringList missing;
        std::function<void(const QMenu*, bool)> walk = [&](const QMenu* menu, bool inTable) {
            for (const QAction* command : menu->actions()) {
                if (command->menu() != nullptr) {
                    walk(command->menu(), inTable);
                    continue;
                }
                if (command->isSeparator()) {
                    continue;
                }
                const QString caption = command->text().remove(QLatin1Char('&'));
                const QRegularExpression word(QStringLiteral("(^|[^\\w])%1($|[^\\w])")
                                                  .arg(QRegularExpression::escape(caption)));
                if (inTable ? !tabled.contains(caption) : !text.contains(word)) {
                    missing << caption;
                }
            }
        };
        for (const QAction* top : form->menuBar()->actions()) {
            walk(top->menu(), true);
        }
        walk(form->RightContext, false);
        walk(form->TrayMenu, false);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    void statusBarShowsDateAndTime() {
        open();
        form->repaint();
        const QString december = fromStored(env->services.locale.shortMonthName(12));
        QCOMPARE(form->statusPanels[1]->text(), QStringLiteral("07. %1 26").arg(december));
        QCOMPARE(form->statusPanels[2]->text(), QStringLiteral("09:30"));
        QCOMPARE(form->statusPanels[3]->text(), QStringLiteral("Timer off"));
        QCOMPARE(form->statusPanels[4]->text(), QStringLiteral("Stopwatch off"));
    }
};

QTEST_MAIN(MainWindowBarsTest)
#include "MainWindowBarsTest.moc"
