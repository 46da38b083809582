// The Update dialog, its prompt and the recycle bin window, driven as a user would: preparing
// a file, applying one with questions answered in the prompt, the messages of files that cannot
// be used, the stored choices, the window reloaded after settings came in, the command-line
// file, and restoring from the bin. Screenshots of the dialogs go to the build directory.
#include "exchange/UpdateForm.h"
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressDeletion.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "exchange/RecycleBin.h"
#include "exchange/RecycleBinForm.h"
#include "exchange/ReplaceForm.h"
#include "platform/StoredText.h"
#include "platform/SystemLocale.h"
#include "storage/EntryRecords.h"
#include "support/ExchangeData.h"
#include "support/TempDir.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace trevik;
using namespace trevik::test;

namespace {

// What one prompt showed.
struct Shown {
    QString caption;
    QStringList left;
    QStringList right;
    bool rightVisible = false;
};

// Answers every prompt that shows with the next scripted button, recording what it showed.
class PromptAnswerer : public QObject {
public:
    explicit PromptAnswerer(QStringList buttons, QString screenshot = {})
        : buttons_(std::move(buttons)), screenshot_(std::move(screenshot)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    std::vector<Shown> shown;

private:
    void poll() {
        auto* form = qobject_cast<TReplaceForm*>(QApplication::activeModalWidget());
        // Each prompt is a new dialog, possibly at the address of the last one: it is marked.
        if (form == nullptr || form->property("answered").toBool()) {
            return;
        }
        form->setProperty("answered", true);
        Shown s;
        s.caption = form->windowTitle();
        for (QLabel* label : form->LeftLines) {
            if (!label->isHidden()) {
                s.left << label->text();
            }
        }
        for (QLabel* label : form->RightLines) {
            if (!label->isHidden()) {
                s.right << label->text();
            }
        }
        s.rightVisible = !form->RightPanel->isHidden() && !form->Item2Label->isHidden();
        shown.push_back(s);
        if (!screenshot_.isEmpty()) {
            form->grab().save(QStringLiteral("%1-%2.png").arg(screenshot_).arg(shown.size()));
        }
        const QString button =
            buttons_.isEmpty() ? QStringLiteral("CancelButton") : buttons_.takeFirst();
        QTimer::singleShot(0, form,
                           [form, button] { form->findChild<QPushButton*>(button)->click(); });
    }

    QStringList buttons_;
    QString screenshot_;
    QTimer timer_;
};

// As whenModal, for a dialog that opens later than the next turn of the event loop: waits
// (up to ten seconds) until it shows, runs `body`, and closes it should the body not have.
template <typename T, typename Body> void whenModalShows(Body body) {
    auto* timer = new QTimer;
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, body] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr && ++*waited < 2000) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        delete waited;
        if (dialog != nullptr) {
            body(dialog);
            if (dialog->isVisible()) {
                static_cast<QDialog*>(dialog)->reject();
            }
        }
    });
    timer->start(5);
}

QString screenshotPath(const char* name) {
    return QStringLiteral(TREVIK_SCREENSHOT_DIR "/%1").arg(QLatin1String(name));
}

} // namespace

class UpdateFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    int reloads = 0;
    int refreshes = 0;

    UpdateWindowHooks hooks() {
        return {[this] { ++reloads; }, [this] { ++refreshes; }};
    }
    QString inData(const char* name) const { return env->data.path() + "/" + name; }
    void writeExchange(const char* name, const std::string& bytes) {
        writeBytes(env->dataPath() / name, bytes);
    }
    QRadioButton* radio(TUpdateForm& form, const char* group, int item) {
        return form.findChild<QRadioButton*>(QString::fromLatin1(group) + QString::number(item));
    }

private slots:
    void init() {
        env = std::make_unique<FakeEnvironment>();
        reloads = 0;
        refreshes = 0;
    }
    void cleanup() { env.reset(); }

    void theDialogShowsItsControlsWithTheStoredChoices() {
        env->services.settings.setValue("Update", "ChangedData", "0");
        env->services.settings.setValue("Update", "DeletedData", "2");
        env->services.settings.setValue("Update", "Calendar", "0");
        env->services.settings.setValue("Update", "ExchangeFile", "/media/usb/desk.tvx");
        TUpdateForm form(env->services, hooks());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Update Data"));
        QCOMPARE(form.PrepareButton->text(), QStringLiteral("Prepare for update"));
        QCOMPARE(form.SettingsCheck->text(), QStringLiteral("Update program settings"));
        QVERIFY(form.SettingsCheck->isChecked());
        QVERIFY(!form.CalendarCheck->isChecked());
        QCOMPARE(form.UpdateFile->text(), QStringLiteral("/media/usb/desk.tvx"));
        QVERIFY(radio(form, "NewDataGroup", 1)->isChecked());
        QVERIFY(radio(form, "ChangedGroup", 0)->isChecked());
        QVERIFY(radio(form, "DeletedGroup", 2)->isChecked());
        QCOMPARE(form.DeletedGroup->title(), QStringLiteral("Deleted data"));
        QCOMPARE(radio(form, "DeletedGroup", 2)->text(), QStringLiteral("No update"));
        QCOMPARE(form.Cancel->text(), QStringLiteral("Close"));
        form.grab().save(screenshotPath("update-dialog.png"));

        // Close stores the choices back; Escape presses Close.
        radio(form, "NewDataGroup", 0)->setChecked(true);
        form.AddressCheck->setChecked(false);
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        const UpdateDialogState stored = LoadDialogState(env->services.settings);
        QCOMPARE(int(stored.options.newData), 0);
        QCOMPARE(int(stored.options.deletedData), 2);
        QVERIFY(!stored.options.address);
        QCOMPARE(stored.exchangeFile, std::string("/media/usb/desk.tvx"));
    }

    void preparingWritesTheChosenFileAndSaysSo() {
        appendContacts(env->dataPath(), {contactOf("Ann", 1, 5, 2, 1)});
        env->files.answers = {inData("laptop")};
        TUpdateForm form(env->services, hooks());
        form.show();
        form.PrepareButton->click();
        QCOMPARE(env->files.requests.size(), std::size_t(1));
        QVERIFY(env->files.requests[0].filter.contains(QStringLiteral("*.tvx")));
        QVERIFY(env->files.requests[0].confirmCreate);
        QVERIFY(env->files.requests[0].initialDirectory.isEmpty());
        QCOMPARE(readBytes(env->dataPath() / "laptop.tvx").size(), std::size_t(144 + 360));
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        // The name as chosen, without the ".tvx" that was added.
        QCOMPARE(env->messages.shown[0].text,
                 QStringLiteral("Data succesfully prepared for Update\n") + inData("laptop"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Update result"));
        QCOMPARE(env->messages.shown[0].icon, MessageIcon::Information);
        // The directory is stored when the dialog closes, and the next preparing starts there.
        QCOMPARE(loadExchangeDir(env->services.settings), std::string());
        form.Cancel->click();
        QCOMPARE(QString::fromStdString(loadExchangeDir(env->services.settings)),
                 env->data.path() + "/");

        TUpdateForm again(env->services, hooks());
        again.show();
        env->files.answers = {inData("no/such/dir/x")};
        again.PrepareButton->click();
        QCOMPARE(env->files.requests[1].initialDirectory, env->data.path() + "/");
        QVERIFY(env->messages.shown[1].text.startsWith(
            QStringLiteral("Preparing data for update unsuccessfull!\n")));
        QCOMPARE(env->messages.shown[1].icon, MessageIcon::Warning);
        env->files.answers.clear();
        again.PrepareButton->click(); // cancelled: nothing more
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
    }

    void filesThatCannotBeUsedAreReportedAndChangeNothing() {
        TUpdateForm form(env->services, hooks());
        form.show();
        form.UpdateFile->clear();
        form.UpdateButton->click();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Choose file to update from"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Warning"));

        form.UpdateFile->setText(inData("missing.tvx"));
        form.UpdateButton->click();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Update file not existent!"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("IO Error"));
        // The choices were stored before the file was looked for.
        QCOMPARE(QString::fromStdString(LoadDialogState(env->services.settings).exchangeFile),
                 inData("missing.tvx"));

        writeExchange("short.tvx", std::string(100, 'x'));
        form.UpdateFile->setText(inData("short.tvx"));
        form.UpdateButton->click();
        QVERIFY(env->messages.shown.back().text.contains(
            QStringLiteral("100 bytes, fewer than the 144")));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("IO Error"));
        QCOMPARE(reloads, 0);
        QVERIFY(!std::filesystem::exists(env->dataPath() / "ADDRESS.TVD"));
    }

    void newRecordsAreOfferedInThePromptAndAnswersCount_data() {
        QTest::addColumn<QString>("localeName");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    void newRecordsAreOfferedInThePromptAndAnswersCount() {
        QFETCH(QString, localeName);
        QLocale::setDefault(QLocale(localeName));
        const SystemLocale locale;
        Services services{env->clock,    env->messages, env->tray, env->shell,
                          env->files,    env->sounds,   locale,    env->services.settings,
                          env->monotonic};
        writeExchange("desk.tvx",
                      exchangeOf({}, {contactOf("Ann", 1, 5, 2), contactOf("Bob", 3, 5, 4)},
                                 {entryOf("Dentist", 5, 5, 46363.5), entryOf("Gym", 7, 5, 8)}));
        TUpdateForm form(services, hooks());
        form.show();
        form.UpdateFile->setText(inData("desk.tvx"));
        radio(form, "NewDataGroup", 1)->setChecked(true);
        const bool c = localeName == QStringLiteral("C");
        PromptAnswerer answers({QStringLiteral("YesToAllButton"), QStringLiteral("NoButton"),
                                QStringLiteral("CancelButton")},
                               c ? screenshotPath("prompt-new") : QString());
        form.UpdateButton->click();
        QTRY_COMPARE(answers.shown.size(), std::size_t(3));
        QLocale::setDefault(QLocale::c());

        const Shown& first = answers.shown[0];
        QCOMPARE(first.caption, QStringLiteral("Add new item?"));
        QVERIFY(!first.rightVisible);
        QCOMPARE(first.left,
                 (QStringList{"Name: Ann", "Home: Ann home", "Work: Ann work", "Address: Ann road",
                              "Email: Ann@example.org", "Misc: Ann misc"}));
        // Yes to All took Bob without a question; the calendar pass asks afresh.
        const Shown& entry = answers.shown[1];
        QCOMPARE(entry.left.size(), 5); // the sixth line is hidden
        const QString december = fromStored(locale.shortMonthName(12));
        QCOMPARE(entry.left[0], QStringLiteral("Comment: Dentist"));
        QCOMPARE(entry.left[1], QStringLiteral("Date: 07/%1/2026").arg(december));
        QCOMPARE(entry.left[2], QStringLiteral("Time: 09:00"));
        QCOMPARE(entry.left[4], QStringLiteral("Last updated: 07/%1/2026, 12:00").arg(december));
        QCOMPARE(contactsIn(env->dataPath()).size(), std::size_t(2));
        QVERIFY(entriesIn(env->dataPath()).empty()); // No, then Cancel
        QCOMPARE(reloads, 1);
        QCOMPARE(refreshes, 1);
        QVERIFY(env->messages.shown.empty());
    }

    void changedRecordsShowBothItemsAndCancelKeepsWhatWasWritten() {
        appendContacts(env->dataPath(),
                       {contactOf("Ann", 1, 5, 2, 1), contactOf("Bob", 3, 5, 4, 2)});
        writeExchange(
            "desk.tvx",
            exchangeOf({}, {contactOf("Ann Lee", 1, 5, 9), contactOf("Bob Ray", 3, 5, 9)}, {}));
        TUpdateForm form(env->services, hooks());
        form.show();
        form.UpdateFile->setText(inData("desk.tvx"));
        form.SettingsCheck->setChecked(false);
        radio(form, "ChangedGroup", 1)->setChecked(true);
        PromptAnswerer answers({QStringLiteral("YesButton"), QStringLiteral("CancelButton")},
                               screenshotPath("prompt-replace"));
        form.UpdateButton->click();
        QTRY_COMPARE(answers.shown.size(), std::size_t(2));
        QCOMPARE(answers.shown[0].caption, QStringLiteral("Replace Item 1 with Item 2?"));
        QVERIFY(answers.shown[0].rightVisible);
        QCOMPARE(answers.shown[0].left[0], QStringLiteral("Name: Ann"));
        QCOMPARE(answers.shown[0].right[0], QStringLiteral("Name: Ann Lee"));
        const auto contacts = contactsIn(env->dataPath());
        QCOMPARE(contacts[0].name, std::string("Ann Lee"));
        QCOMPARE(contacts[0].id, 1);
        QCOMPARE(contacts[1].name, std::string("Bob"));
        QCOMPARE(reloads, 0); // settings were not ticked
        QCOMPARE(refreshes, 1);
    }

    void anUpdateWithSettingsReloadsTheWindowAndTheCommandLineFileOpensTheDialog() {
        ExchangeHeader header;
        header.addressRatio = 40;
        header.left = 50;
        header.top = 60;
        header.width = 800;
        header.height = 500;
        header.addressColumns[0] = 200;
        const QString file = inData("desk.tvx");
        writeExchange("desk.tvx", exchangeOf(header, {contactOf("Zoe", 1, 5, 2)}, {}));
        TMainForm main(env->services, {file});
        bool opened = false;
        whenModalShows<TUpdateForm>([&](TUpdateForm* form) {
            opened = true;
            QCOMPARE(form->UpdateFile->text(), file);
            radio(*form, "NewDataGroup", 0)->setChecked(true);
            form->UpdateButton->click();
            form->Cancel->click();
        });
        main.FormActivate();
        QTRY_VERIFY(opened);
        QCOMPARE(main.viewState().display.addressRatio, 40);
        QCOMPARE(main.pos(), QPoint(50, 60));
        QCOMPARE(main.size(), QSize(800, 500));
        QCOMPARE(main.addressPane->columnWidths()[0], 200);
        QCOMPARE(main.addressPane->rowCount(), 2); // the sample contact, and the new one
        main.FormActivate();                       // only the first activation opens it
        QTest::qWait(20);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void theRecycleBinWindowListsAndRestores() {
        appendContacts(env->dataPath(), {contactOf("Ann", 1, 5, 2, 1)});
        appendEntries(env->dataPath(), {entryOf("Dentist", 3, 5, 4, 1)});
        QVERIFY(deleteAddress({}, 1).result.ok());
        QVERIFY(deleteEntry({}, 1).ok());
        int restoredCalls = 0;
        TRecycleBinForm form(env->services, [&] { ++restoredCalls; });
        QVERIFY(form.Load());
        form.show();
        QCOMPARE(form.BinList->count(), 2);
        QCOMPARE(form.BinList->item(0)->text(), QStringLiteral("Contact: Ann, Ann@example.org"));
        QVERIFY(form.BinList->item(1)->text().startsWith(QStringLiteral("Entry: Dentist, ")));
        form.BinList->selectAll();
        form.RestoreButton->click();
        QCOMPARE(restoredCalls, 1);
        QCOMPARE(contactsIn(env->dataPath()).size(), std::size_t(1));
        QCOMPARE(entriesIn(env->dataPath()).size(), std::size_t(1));
        QVERIFY(env->messages.shown.empty());
        form.RestoreButton->click(); // they are back already: nothing twice
        QCOMPARE(contactsIn(env->dataPath()).size(), std::size_t(1));
        QVERIFY(env->messages.shown.back().text.contains(QStringLiteral("2 of the chosen")));
        QCOMPARE(readRecycleBin({}).entries.size(), std::size_t(2)); // the copies stay

        TMainForm main(env->services, {});
        bool shown = false;
        whenModal<TRecycleBinForm>([&](TRecycleBinForm* bin) {
            shown = true;
            QCOMPARE(bin->BinList->count(), 2);
            bin->CloseButton->click();
        });
        main.findChild<QAction*>(QStringLiteral("MainRecycleBin"))->trigger();
        QVERIFY(shown);
    }
};

QTEST_MAIN(UpdateFormTest)
#include "UpdateFormTest.moc"
