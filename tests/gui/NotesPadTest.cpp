// The notes pad from the main window: its file, its context menu and the clipboard, and notes
// files that cannot be read or written, in the desktop's own locales.
#include "FakeServices.h"
#include "ModalDialogs.h"
#include "app/MainForm.h"
#include "platform/SystemLocale.h"
#include "tools/NotesForm.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>

#include <fstream>
#include <iterator>
#include <memory>

using namespace trevik;
using namespace std::string_literals;

class NotesPadTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;
    std::unique_ptr<SystemLocale> locale;
    std::unique_ptr<Services> services;
    std::unique_ptr<TMainForm> form;

    void start(const QString& name) {
        QLocale::setDefault(QLocale(name));
        locale = std::make_unique<SystemLocale>();
        services = std::make_unique<Services>(
            Services{env->clock, env->messages, env->tray, env->shell, env->files, env->sounds,
                     *locale, SettingsFile(env->configPath()), env->monotonic, env->clipboard});
        form = std::make_unique<TMainForm>(*services, QStringList{});
    }

    std::filesystem::path notesPath() const { return env->dataPath() / "Notes.Txt"; }
    std::string notesBytes() const {
        std::ifstream in(notesPath(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void writeNotes(const std::string& bytes) {
        std::ofstream(notesPath(), std::ios::binary) << bytes;
    }

    // Opens the pad through View > Notes and runs `body` on it while it shows.
    template <typename Body> void withPad(Body body) {
        whenModal<TNotesForm>(body);
        form->findChild<QAction*>(QStringLiteral("MainNotes"))->trigger();
    }

    static void selectAll(QPlainTextEdit* edit) {
        QTextCursor cursor = edit->textCursor();
        cursor.select(QTextCursor::Document);
        edit->setTextCursor(cursor);
    }

    static void locales() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"C", "de_DE", "tr_TR", "hr_HR"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
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

    void firstUseOpensEmptyAndClosingStoresOneZeroByte_data() { locales(); }
    void firstUseOpensEmptyAndClosingStoresOneZeroByte() {
        QFETCH(QString, name);
        start(name);
        QVERIFY(!std::filesystem::exists(notesPath()));
        QString shown = QStringLiteral("not opened");
        withPad([&](TNotesForm* pad) {
            shown = pad->NotesEdit->toPlainText();
            QCOMPARE(pad->windowTitle(), QStringLiteral("Notes"));
            QCOMPARE(pad->size(), QSize(544, 240));
            QCOMPARE(pad->NotesEdit->size(), QSize(531, 161));
            QCOMPARE(pad->Cancel->text(), QStringLiteral("Close"));
            QVERIFY(!(pad->windowFlags() & Qt::WindowCloseButtonHint));
            QStringList captions;
            for (QAction* entry : pad->NotesContext->actions()) {
                captions << entry->text();
            }
            QCOMPARE(captions, (QStringList{"C&ut", "&Copy", "&Paste", "C&lear All"}));
            pad->Cancel->click();
        });
        QCOMPARE(shown, QString());
        QCOMPARE(notesBytes(), "\0"s);
        QVERIFY(env->messages.shown.empty());
    }

    void twoLinesAreStoredWithCrLfAndShowAgainAlike_data() { locales(); }
    void twoLinesAreStoredWithCrLfAndShowAgainAlike() {
        QFETCH(QString, name);
        start(name);
        withPad([](TNotesForm* pad) {
            QTest::keyClicks(pad->NotesEdit, QStringLiteral("Einkauf: Äpfel"));
            QTest::keyClick(pad->NotesEdit, Qt::Key_Return);
            QTest::keyClicks(pad->NotesEdit, QStringLiteral("line 2"));
            QTest::keyClick(pad, Qt::Key_Escape); // Escape is "Close": the note is kept
        });
        QCOMPARE(notesBytes(), "Einkauf: \xC4pfel\r\nline 2\0"s);
        QString shown;
        withPad([&](TNotesForm* pad) {
            shown = pad->NotesEdit->toPlainText();
            pad->Cancel->click();
        });
        QCOMPARE(shown, QStringLiteral("Einkauf: Äpfel\nline 2"));
        QCOMPARE(notesBytes(), "Einkauf: \xC4pfel\r\nline 2\0"s);
    }

    void closingTheWindowAnyOtherWayLeavesTheFileAsItWas() {
        start(QStringLiteral("C"));
        writeNotes("kept\0"s);
        withPad([](TNotesForm* pad) {
            pad->NotesEdit->setPlainText(QStringLiteral("changed"));
            pad->reject(); // the window frame's close
        });
        QCOMPARE(notesBytes(), "kept\0"s);
    }

    void copyAndCutPutTheSelectionOnTheClipboardAndEmptyItWithoutOne() {
        start(QStringLiteral("tr_TR"));
        writeNotes("first\r\nsecond\0"s);
        FakeClipboard& clipboard = env->clipboard;
        withPad([&](TNotesForm* pad) {
            clipboard.setText(QStringLiteral("earlier"));
            pad->CopyNotes->trigger(); // nothing selected
            QCOMPARE(clipboard.text(), QString());
            selectAll(pad->NotesEdit);
            pad->CopyNotes->trigger();
            QCOMPARE(clipboard.text(), QStringLiteral("first\nsecond"));
            QTextCursor cursor = pad->NotesEdit->textCursor();
            cursor.setPosition(0);
            cursor.setPosition(6, QTextCursor::KeepAnchor);
            pad->NotesEdit->setTextCursor(cursor);
            pad->CutNotes->trigger();
            QCOMPARE(clipboard.text(), QStringLiteral("first\n"));
            QCOMPARE(pad->NotesEdit->toPlainText(), QStringLiteral("second"));
            clipboard.setText(QStringLiteral("earlier"));
            pad->CutNotes->trigger();
            QCOMPARE(clipboard.text(), QString());
            QCOMPARE(pad->NotesEdit->toPlainText(), QStringLiteral("second"));
            pad->Cancel->click();
        });
        QCOMPARE(notesBytes(), "second\0"s);
    }

    void aPasteBringsAtMost10239CharactersAndReplacesTheSelection() {
        start(QStringLiteral("hr_HR"));
        writeNotes("keep this\0"s);
        FakeClipboard& clipboard = env->clipboard;
        withPad([&](TNotesForm* pad) {
            QTextCursor cursor = pad->NotesEdit->textCursor();
            cursor.setPosition(5);
            cursor.setPosition(9, QTextCursor::KeepAnchor); // "this"
            pad->NotesEdit->setTextCursor(cursor);
            clipboard.setText(QStringLiteral("that"));
            pad->PasteNotes->trigger();
            QCOMPARE(pad->NotesEdit->toPlainText(), QStringLiteral("keep that"));
            pad->ClearAllNotes->trigger();
            clipboard.setText(QString(10000, QLatin1Char('x')) + QString(300, QLatin1Char('y')));
            pad->PasteNotes->trigger();
            const QString text = pad->NotesEdit->toPlainText();
            QCOMPARE(text.size(), 10239);
            QCOMPARE(text.count(QLatin1Char('y')), 239);
            pad->Cancel->click();
        });
        QCOMPARE(notesBytes().size(), std::size_t(10240));
    }

    void clearAllAndCloseStoresAnEmptyNote() {
        start(QStringLiteral("de_DE"));
        writeNotes("a long note\r\nof two lines\0"s);
        withPad([](TNotesForm* pad) {
            pad->ClearAllNotes->trigger();
            QCOMPARE(pad->NotesEdit->toPlainText(), QString());
            pad->Cancel->click();
        });
        QCOMPARE(notesBytes(), "\0"s);
    }

    void aNotesFileThatCannotBeReadIsReportedAndNeverOverwritten() {
        start(QStringLiteral("C"));
        std::filesystem::create_directory(notesPath());
        // Fires only should the pad open and run its loop; gone with the test.
        bool opened = false;
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [&] {
            if (auto* pad = qobject_cast<TNotesForm*>(QApplication::activeModalWidget())) {
                opened = true;
                pad->Cancel->click();
            }
        });
        guard.start(0);
        env->messages.answers = {MessageResult::Retry, MessageResult::Cancel};
        form->findChild<QAction*>(QStringLiteral("TrayNotes"))->trigger();
        QCOMPARE(env->messages.shown.size(), std::size_t(2)); // asked again after Retry
        QVERIFY2(env->messages.shown[0].text.contains(QStringLiteral("Is a directory")),
                 qPrintable(env->messages.shown[0].text));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("Notes.Txt")));
        QCOMPARE(env->messages.shown[0].buttons, MessageButtons::RetryCancel);
        QVERIFY(!opened);
        QVERIFY(std::filesystem::is_directory(notesPath()));
    }

    void aSaveThatFailsIsReportedAndCanBeTriedAgain() {
        start(QStringLiteral("C"));
        writeNotes("old\0"s);
        env->messages.answers = {MessageResult::Retry, MessageResult::Cancel};
        withPad([&](TNotesForm* pad) {
            pad->NotesEdit->setPlainText(QStringLiteral("new"));
            // The file's place is taken while the pad is open: nothing can be renamed over it.
            std::filesystem::remove(notesPath());
            std::filesystem::create_directory(notesPath());
            std::filesystem::create_directory(notesPath() / "busy");
            pad->Cancel->click();
        });
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QVERIFY2(env->messages.shown[0].text.contains(QStringLiteral("could not be stored")),
                 qPrintable(env->messages.shown[0].text));
        QVERIFY2(env->messages.shown[1].text.contains(QStringLiteral("Notes.Txt")),
                 qPrintable(env->messages.shown[1].text));
        QVERIFY(std::filesystem::is_directory(notesPath() / "busy"));

        // Retried after the cause is gone, the note is stored.
        std::filesystem::remove_all(notesPath());
        env->messages.shown.clear();
        withPad([](TNotesForm* pad) {
            pad->NotesEdit->setPlainText(QStringLiteral("new"));
            pad->Cancel->click();
        });
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(notesBytes(), "new\0"s);
    }
};

QTEST_MAIN(NotesPadTest)
#include "NotesPadTest.moc"
