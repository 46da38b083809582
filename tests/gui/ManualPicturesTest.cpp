// Every window and dialog as its command opens it over a sample diary: no caption is cut off,
// lies outside its window or covers another, in the test's locale. The English run leaves the
// manual's pictures of them in the build directory; scripts/take-screenshots copies them over.
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressDeletion.h"
#include "address/AddressPane.h"
#include "address/SearchForm.h"
#include "alarms/AlarmForm.h"
#include "app/AboutForm.h"
#include "app/CopySpecialForm.h"
#include "app/MainForm.h"
#include "editor/AddNewForm.h"
#include "exchange/InterchangeReportForm.h"
#include "exchange/RecycleBinForm.h"
#include "exchange/UpdateForm.h"
#include "options/OptionsForm.h"
#include "planner/YearlyForm.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/Records.h"
#include "tools/NotesFile.h"
#include "tools/NotesForm.h"
#include "tools/StopwatchForm.h"
#include "tools/TimerForm.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <fstream>
#include <memory>

using namespace trevik;

namespace {

QString plainCaption(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The size a caption needs to be read whole, or an empty size for a widget that shows none.
QSize neededSize(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    if (const auto* box = qobject_cast<const QCheckBox*>(widget)) {
        return box->text().isEmpty() ? QSize() : box->sizeHint();
    }
    if (const auto* radio = qobject_cast<const QRadioButton*>(widget)) {
        return radio->text().isEmpty() ? QSize() : radio->sizeHint();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        if (button->text().isEmpty()) {
            return {};
        }
        // The caption inside the style's frame and margins; the style's least width is no need.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.features = button->isDefault() || button->autoDefault()
                              ? QStyleOptionButton::AutoDefaultButton
                              : QStyleOptionButton::None;
        const QRect inside =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QSize frame = button->size() - inside.size();
        return QSize(metrics.horizontalAdvance(plainCaption(button->text())), metrics.height()) +
               frame;
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty()) {
            return {};
        }
        // A wrapped label needs the height of its lines at the width it has.
        return label->wordWrap() ? QSize(1, label->heightForWidth(label->width()))
                                 : label->sizeHint();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
        return group->title().isEmpty()
                   ? QSize()
                   : QSize(metrics.horizontalAdvance(plainCaption(group->title())) + 8, 1);
    }
    return {};
}

// Inside a scrolled area a caption may lie out of sight: the area scrolls to it.
bool isScrolled(const QWidget* widget, const QWidget* window) {
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) != nullptr) {
            return true;
        }
    }
    return false;
}

QRect inWindow(const QWidget* widget, const QWidget* window) {
    return {widget->mapTo(window, QPoint(0, 0)), widget->size()};
}

QString nameOf(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

bool isAncestor(const QWidget* up, const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w == up) {
            return true;
        }
    }
    return false;
}

struct Reading {
    QStringList faults;
    int captions = 0;
};

// What of `window` cannot be read whole, one line per fault, and how many captions it holds.
Reading cutOff(QWidget* window) {
    Reading reading;
    QStringList& faults = reading.faults;
    std::vector<const QWidget*> inSight;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QSize needed = neededSize(widget);
        if (needed.isEmpty() || !widget->isVisibleTo(window)) {
            continue;
        }
        ++reading.captions;
        const QString name = nameOf(widget);
        if (widget->width() < needed.width() || widget->height() < needed.height()) {
            faults << QStringLiteral("%1 is %2 x %3 px and needs %4 x %5")
                          .arg(name)
                          .arg(widget->width())
                          .arg(widget->height())
                          .arg(needed.width())
                          .arg(needed.height());
        }
        if (isScrolled(widget, window)) {
            continue;
        }
        for (const QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
            const QRect frame = up == window ? window->rect() : inWindow(up, window);
            if (!frame.contains(inWindow(widget, window))) {
                faults << QStringLiteral("%1 reaches outside %2").arg(name, nameOf(up));
                break;
            }
            if (up == window) {
                break;
            }
        }
        inSight.push_back(widget);
    }
    for (std::size_t i = 0; i < inSight.size(); ++i) {
        for (std::size_t j = i + 1; j < inSight.size(); ++j) {
            const QWidget* a = inSight[i];
            const QWidget* b = inSight[j];
            if (!isAncestor(a, b) && !isAncestor(b, a) &&
                inWindow(a, window).intersects(inWindow(b, window))) {
                faults << QStringLiteral("%1 covers %2").arg(nameOf(a), nameOf(b));
            }
        }
    }
    return reading;
}

bool takesPictures() {
    return qEnvironmentVariable("TREVIK_TEST_LOCALE").isEmpty();
}

} // namespace

class ManualPicturesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<TMainForm> form;

    QAction* action(const char* name) {
        auto* found = form->findChild<QAction*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no action %s", name);
        }
        return found;
    }

    // The faults of `window`, which fail the test, and its picture (if it has a name) in the
    // English run. A window with fewer captions than `leastCaptions` was not checked at all.
    static bool isWhole(QWidget* window, const char* picture, int leastCaptions = 1) {
        const Reading reading = cutOff(window);
        const QStringList& faults = reading.faults;
        if (reading.captions < leastCaptions) {
            qWarning("%s: only %d captions", qPrintable(window->windowTitle()), reading.captions);
            return false;
        }
        if (!faults.isEmpty()) {
            qWarning("%s: %s", qPrintable(window->windowTitle()),
                     qPrintable(faults.join(QStringLiteral("; "))));
            return false;
        }
        if (picture != nullptr && takesPictures()) {
            const QString path = QStringLiteral(TREVIK_SCREENSHOT_DIR "/") + QLatin1String(picture);
            if (!window->grab().save(path)) {
                qWarning("%s could not be saved", qPrintable(path));
                return false;
            }
        }
        return true;
    }

    // Opens the modal dialog of command `name` and checks it as `picture`.
    template <typename Dialog>
    void checkModal(const char* name, const char* picture, int leastCaptions = 1) {
        bool seen = false;
        bool whole = false;
        whenModal<Dialog>([&](Dialog* dialog) {
            seen = true;
            whole = QTest::qWaitForWindowExposed(dialog) && isWhole(dialog, picture, leastCaptions);
        });
        action(name)->trigger();
        QVERIFY2(seen, name);
        QVERIFY2(whole, name);
    }

    void addSampleDiary() {
        const std::int32_t meeting = addType({}, "Meeting").id;
        addType({}, "Holiday");
        Contact anna = test::contactRecord("Anna Berg", "anna.berg@example.org");
        anna.home = "0151 234 5678";
        anna.address = "Harbour Road 4\r\nKirkwall";
        anna.misc = "Met at the sailing club\r\nPrefers calls after six";
        const std::int32_t annaId = addContact({}, anna, env->clock, 1).id;
        Contact bruno = test::contactRecord("Bruno Costa", "bruno@example.com");
        bruno.work = "020 7946 0321";
        bruno.mobile = "07700 900123";
        addContact({}, bruno, env->clock, 1);
        addContact({}, test::contactRecord("Carla Dietz", {}, "www.example.net/carla"), env->clock,
                   1);
        CalendarEntry lunch =
            test::entryRecord("Lunch with Anna", dayNumberFromCivil({2026, 12, 9}), annaId);
        lunch.timeFrom = timeFraction({12, 30, 0, 0});
        lunch.type = static_cast<std::int16_t>(meeting);
        addEntry({}, lunch, env->clock, 1);
        CalendarEntry call =
            test::entryRecord("Call the plumber", dayNumberFromCivil({2026, 12, 7}));
        call.alarm = timeFraction({9, 31, 0, 0});
        addEntry({}, call, env->clock, 1);
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>();
        std::ofstream(env->configPath()) << "[Alarm]\nSound=/sounds/bell.wav\n";
        addSampleDiary();
        form = std::make_unique<TMainForm>(env->services, QStringList{});
        form->resize(1000, 600);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->addressPane->AddressView->setFocus();
        QTRY_COMPARE(form->viewState().activePane, Pane::Address);
    }

    void cleanup() {
        form.reset();
        env.reset();
    }

    void theDialogsOfTheMenusAreWhole() {
        checkModal<TCopySpecialForm>("MainSpecial", "copy-special.png");
        // The About box is one picture, its texts drawn into it.
        checkModal<TAboutForm>("MainAbout", "about.png", 0);
        QCOMPARE(SaveNotes(env->dataPath(), "Ring the garage about the MOT\r\nBooks for Bruno"),
                 std::string());
        checkModal<TNotesForm>("MainNotes", "notes-pad.png");

        // The editor, the planner and the Update dialog take their pictures in their own tests.
        checkModal<TAddNewForm>("MainNew", nullptr);
        checkModal<TYearlyForm>("MainCalPlanner", nullptr);
        checkModal<TUpdateForm>("MainUpdate", nullptr);
        bool everyPage = false;
        whenModal<TOptionsForm>([&](TOptionsForm* options) {
            QVERIFY(QTest::qWaitForWindowExposed(options));
            const char* pictures[] = {"options-display.png", "options-misc.png",
                                      "options-types.png"};
            QCOMPARE(options->OptionsPage->count(), 3);
            for (int page = 0; page < 3; ++page) {
                options->OptionsPage->setCurrentIndex(page);
                QVERIFY2(isWhole(options, pictures[page]),
                         qPrintable(options->OptionsPage->tabText(page)));
            }
            everyPage = true;
        });
        action("MainOptions")->trigger();
        QVERIFY(everyPage);

        QVERIFY(deleteAddress({}, 3).result.ok());
        checkModal<TRecycleBinForm>("MainRecycleBin", "recycle-bin.png");
    }

    void theImportReportIsWhole() {
        // New contacts are taken without a prompt, as Update chosen in the Update dialog does.
        std::ofstream(env->configPath(), std::ios::app) << "[Update]\nNewData=0\n";
        const QString file = QDir(QString::fromStdString(env->dataPath().string()))
                                 .filePath(QStringLiteral("phone-contacts.vcf"));
        std::ofstream(file.toStdString())
            << "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:phone-1\r\nFN:Dora Evans\r\n"
               "TEL;TYPE=CELL:07700 900777\r\nTEL;TYPE=CELL:07700 900778\r\nEND:VCARD\r\n"
               "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:phone-2\r\nFN:Emil Foss\r\n"
               "EMAIL:emil@example.org\r\nEND:VCARD\r\n";
        env->files.answers.push_back(file);
        bool shown = false;
        bool whole = false;
        whenModal<QDialog>([&](QDialog* dialog) {
            auto* report = dynamic_cast<TInterchangeReportForm*>(dialog);
            QVERIFY(report != nullptr);
            shown = report->ReportMemo->toPlainText().contains(QStringLiteral("2 added"));
            whole = QTest::qWaitForWindowExposed(report) && isWhole(report, "import-report.png");
        });
        action("MainImport")->trigger();
        QVERIFY(shown);
        QVERIFY(whole);
    }

    void theWindowsThatStayOpenAreWhole() {
        form->SearchForm->FindEdit->setText(QStringLiteral("0151"));
        action("MainSearch")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form->SearchForm));
        QVERIFY(isWhole(form->SearchForm, "search.png"));
        form->SearchForm->CancelClick();

        action("MainTimer")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form->TimerForm));
        form->TimerForm->TimeEdit->setText(QStringLiteral("00:25:00"));
        QVERIFY(isWhole(form->TimerForm, "timer.png"));
        form->TimerForm->CloseButtonClick();

        action("MainStopwatch")->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(form->StopwatchForm));
        QVERIFY(isWhole(form->StopwatchForm, "stopwatch.png"));
        form->StopwatchForm->CloseButtonClick();

        env->clock.advanceMinutes(1);
        form->MainAlarmTimerTimer();
        QVERIFY(QTest::qWaitForWindowExposed(form->AlarmForm));
        QVERIFY(form->AlarmForm->lines().contains(QStringLiteral("Call the plumber")));
        QVERIFY(isWhole(form->AlarmForm, "alarm.png"));
        form->AlarmForm->close();
    }

    void theFullViewOfAContactIsWhole() {
        form->FindEdit->setText(QStringLiteral("Anna"));
        action("MainAddrFull")->trigger();
        QTRY_VERIFY(form->addressPane->AddressFull->isVisible());
        // A card that fits has no scroll bar, once the delayed layout has run.
        auto* card =
            form->addressPane->AddressFull->findChild<QScrollArea*>(QStringLiteral("AddressCard"));
        QVERIFY(card != nullptr);
        QTRY_VERIFY(!card->verticalScrollBar()->isVisible());
        QVERIFY(isWhole(form.get(), "address-full-view.png"));
    }
};

QTEST_MAIN(ManualPicturesTest)
#include "ManualPicturesTest.moc"
