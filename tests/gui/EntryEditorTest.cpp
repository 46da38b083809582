#include "FakeServices.h"
#include "ModalDialogs.h"
#include "address/AddressDeletion.h"
#include "address/AddressList.h"
#include "address/AddressPane.h"
#include "app/MainForm.h"
#include "calendar/CalendarPane.h"
#include "calendar/DateForm.h"
#include "calendar/TimeForm.h"
#include "editor/AddNewForm.h"
#include "platform/QtSoundPlayer.h"
#include "platform/StoredText.h"
#include "storage/ContactRecords.h"
#include "storage/EntryRecords.h"
#include "storage/TypeRecords.h"
#include "support/TempDir.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>

using namespace trevik;

class EntryEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeEnvironment> env;

    std::unique_ptr<TAddNewForm> editor(const EditorSetup& setup = {}) {
        auto form =
            std::make_unique<TAddNewForm>(env->services, DisplaySettings{}, [] { return 4242; });
        form->Prepare(setup);
        form->show();
        return form;
    }

    static std::vector<unsigned char> fileBytes(const char* name) { return test::readBytes(name); }

    static void writeWav(const std::string& path, int milliseconds) {
        const std::uint32_t samples = std::uint32_t(8000 * milliseconds / 1000);
        std::ofstream out(path, std::ios::binary);
        const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
        const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
        out << "RIFF";
        u32(36 + samples);
        out << "WAVEfmt ";
        u32(16);
        u16(1);
        u16(1);
        u32(8000);
        u32(8000);
        u16(1);
        u16(8);
        out << "data";
        u32(samples);
        for (std::uint32_t i = 0; i < samples; ++i) {
            out.put(char(128 + ((i / 10) % 2 ? 40 : -40)));
        }
    }

private slots:
    void init() { env = std::make_unique<FakeEnvironment>(); }
    void cleanup() { env.reset(); }

    void withoutAStoredUidNothingNewIsSavedAndNothingTypedIsLost() {
        std::filesystem::create_directory(env->configPath()); // the settings cannot be written
        TMainForm main(env->services, {});
        QCOMPARE(main.installationUid(), 0);
        main.FindEdit->setText(QStringLiteral("Zoe"));
        env->messages.shown.clear();
        bool stayedOpen = false;
        whenModal<TAddNewForm>([&](TAddNewForm* form) {
            form->SaveAddrAsNew->click();
            stayedOpen = form->isVisible();
            QCOMPARE(form->NameEdit->text(), QStringLiteral("Zoe"));
        });
        main.MainOKClick();
        QVERIFY(stayedOpen);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("UID")));
        QVERIFY(listContacts({}, "").empty());
    }

    void aNewContactAndALinkedNewEntryInOneUse() {
        TMainForm main(env->services, {});
        main.FindEdit->setText(QStringLiteral("Zoe"));
        whenModal<TAddNewForm>([&](TAddNewForm* form) {
            QCOMPARE(form->NameEdit->text(), QStringLiteral("Zoe"));
            QCOMPARE(form->CommentEdit->toPlainText(), QStringLiteral("Zoe"));
            QVERIFY(!form->SaveAddr->isEnabled());
            QVERIFY(!form->SaveCal->isEnabled());
            form->CommentEdit->setPlainText(QStringLiteral("Coffee with Zoe"));
            form->SaveAddrAsNew->click();
            QVERIFY(form->isVisible()); // a comment waits to be saved
            QVERIFY(!form->SaveAddrAsNew->isEnabled());
            QVERIFY(!form->SaveAddr->isEnabled());
            form->Link->setChecked(true);
            form->TimeFromEdit->setText(QStringLiteral("10:30"));
            form->SaveCalAsNew->click();
        });
        main.MainOKClick();
        // The first start wrote the sample contact as id 1.
        const std::optional<Contact> zoe = loadContact({}, 2);
        QVERIFY(zoe.has_value());
        QCOMPARE(zoe->name, std::string("Zoe"));
        QCOMPARE(zoe->originUid, main.installationUid());
        const std::optional<CalendarEntry> coffee = loadEntry({}, 1);
        QVERIFY(coffee.has_value());
        QCOMPARE(coffee->comment, std::string("Coffee with Zoe"));
        QCOMPARE(coffee->addressLink, zoe->id);
        QCOMPARE(coffee->timeFrom, timeFraction({10, 30, 0, 0}));
        QCOMPARE(coffee->dateFrom, dayNumberFromCivil({2026, 12, 7})); // a time alone: today
        // Both panes show the new records: the list (still filtered by "Zoe") and today.
        QCOMPARE(main.addressPane->rowCount(), 1);
        QCOMPARE(main.addressPane->contactAt(0).name, std::string("Zoe"));
        QCOMPARE(main.calendarPane->rows().at(2)->comment, std::string("Coffee with Zoe"));
    }

    void editingAnEntryWhoseTypeIsGone() {
        addType({}, "Work");
        addType({}, "Home");
        CalendarEntry entry;
        entry.comment = "Old type";
        entry.type = 9;
        entry.dateFrom = dayNumberFromCivil({2026, 12, 24});
        const std::int32_t id = addEntry({}, entry, env->clock, 1).id;
        EditorSetup setup;
        setup.findCase = 3;
        setup.entry = loadEntry({}, id);
        auto form = editor(setup);
        QCOMPARE(form->TypeCombo->count(), 2);
        QCOMPARE(form->TypeCombo->currentIndex(), -1);
        QVERIFY(form->SaveCal->isEnabled());
        QCOMPARE(form->DateFromEdit->text(), QStringLiteral("24/12/2026"));
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Date Entry"));
        form->SaveCal->click();
        QCOMPARE(loadEntry({}, id)->type, std::int16_t(-1));
        QCOMPARE(loadEntry({}, id)->dateFrom, dayNumberFromCivil({2026, 12, 24}));
    }

    void aChosenTypeIsSavedAndSurvivesThePickers() {
        addType({}, "Work");
        addType({}, "Home");
        auto form = editor();
        form->CommentEdit->setPlainText(QStringLiteral("Typed"));
        form->TypeCombo->setCurrentIndex(1);
        emit form->TypeCombo->activated(1);
        form->FormActivate(); // as after a picker closes
        QCOMPARE(form->TypeCombo->currentIndex(), 1);
        form->SaveCalAsNew->click();
        QCOMPARE(loadEntry({}, 1)->type, std::int16_t(2));
    }

    void aTimeThatDoesNotConvertStopsTheSave() {
        CalendarEntry entry;
        entry.comment = "keep";
        addEntry({}, entry, env->clock, 1);
        const auto before = fileBytes("CALENDAR.TVD");
        auto form = editor();
        form->CommentEdit->setPlainText(QStringLiteral("Bad time"));
        form->TimeFromEdit->setText(QStringLiteral("25:99"));
        form->SaveCalAsNew->click();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("'25:99' is not a valid time"));
        QVERIFY(form->isVisible());
        QCOMPARE(fileBytes("CALENDAR.TVD"), before);
    }

    void savesNeedANameAndAComment() {
        auto form = editor();
        form->SaveAddrAsNew->click();
        form->SaveCalAsNew->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QCOMPARE(env->messages.shown[0].text, QStringLiteral("Enter all data"));
        QCOMPARE(env->messages.shown[0].caption, QStringLiteral("Warning"));
        QVERIFY(!QFile::exists(QStringLiteral("ADDRESS.TVD")) || fileBytes("ADDRESS.TVD").empty());
        QVERIFY(form->isVisible());
    }

    void thePlannerKindDisablesTimesAndAlarm() {
        auto form = editor();
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("To Do List"));
        form->DateFromEdit->setText(QStringLiteral("01/12/2026"));
        form->DateToEdit->setText(QStringLiteral("05/12/2026"));
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Planner"));
        QVERIFY(form->plannerMode);
        for (QWidget* input : std::initializer_list<QWidget*>{form->TimeFromEdit, form->TimeToEdit,
                                                              form->AlarmEdit, form->AlarmButton}) {
            QVERIFY(!input->isEnabled());
        }
        form->DateToEdit->clear();
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Date Entry"));
        QVERIFY(form->TimeFromEdit->isEnabled());
        QVERIFY(form->AlarmButton->isEnabled());
        form->TimeFromEdit->setText(QStringLiteral("9:00"));
        form->AlarmEdit->setText(QStringLiteral("8:45"));
        QCOMPARE(form->TypeOfData->text(), QStringLiteral("Date and Time with Alarm"));
    }

    void anAlarmAloneGetsTodayOrTomorrow() {
        auto form = editor(); // the clock reads 9:30
        form->CommentEdit->setPlainText(QStringLiteral("early"));
        form->AlarmEdit->setText(QStringLiteral("8:00"));
        form->SaveCalAsNew->click();
        QCOMPARE(loadEntry({}, 1)->dateFrom, dayNumberFromCivil({2026, 12, 8}));
        auto later = editor();
        later->CommentEdit->setPlainText(QStringLiteral("late"));
        later->AlarmEdit->setText(QStringLiteral("18:00"));
        later->SaveCalAsNew->click();
        QCOMPARE(loadEntry({}, 2)->dateFrom, dayNumberFromCivil({2026, 12, 7}));
        QCOMPARE(loadEntry({}, 2)->alarm, timeFraction({18, 0, 0, 0}));
    }

    void aWrongDateIsRefused() {
        auto form = editor();
        QTest::keyClicks(form->DateFromEdit, QStringLiteral("31/02/2026"));
        form->DateFromExit();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Wrong date format, enter again"));
        QCOMPARE(env->messages.shown.back().caption, QString());
        QCOMPARE(form->DateFromEdit->text(), QString());
    }

    // The box's text is read only when the user changed it, so an untouched save keeps even a
    // day whose text does not read back as a date.
    void anUntouchedSaveKeepsADayItCannotReadBack() {
        CalendarEntry far;
        far.comment = "Far ahead";
        far.dateFrom = dayNumberFromCivil({12026, 1, 1});
        const std::int32_t id = addEntry({}, far, env->clock, 1).id;
        EditorSetup setup;
        setup.findCase = 3;
        setup.entry = loadEntry({}, id);
        auto form = editor(setup);
        form->DateFromExit(); // leaving the box untouched
        form->SaveCal->click();
        QVERIFY(env->messages.shown.empty());
        QCOMPARE(loadEntry({}, id)->dateFrom, far.dateFrom);
    }

    void linkingNeedsASavedContact() {
        auto form = editor();
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(form->Link, &in);
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Save address first!"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Error"));
        form->Link->setChecked(true);
        QVERIFY(!form->Link->isChecked());
    }

    void closeWithChangesAsksAndNoWritesNothing() {
        auto form = editor();
        form->NameEdit->setText(QStringLiteral("Unsaved"));
        env->messages.answers = {MessageResult::Cancel};
        form->Cancel->click();
        QCOMPARE(env->messages.shown.back().text, QStringLiteral("Save changes?"));
        QCOMPARE(env->messages.shown.back().caption, QStringLiteral("Discard changes"));
        QCOMPARE(env->messages.shown.back().buttons, MessageButtons::YesNoCancel);
        QVERIFY(form->isVisible());
        env->messages.answers = {MessageResult::No};
        form->Cancel->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QVERIFY(!loadContact({}, 1).has_value());
    }

    void closeWithChangesAndYesSavesThem() {
        auto form = editor();
        form->NameEdit->setText(QStringLiteral("Kept"));
        env->messages.answers = {MessageResult::Yes};
        QTest::keyClick(form.get(), Qt::Key_Escape);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(loadContact({}, 1)->name, std::string("Kept"));
        QVERIFY(!loadEntry({}, 1).has_value());
    }

    void editingAContactSavesItInPlace() {
        Contact ann;
        ann.name = "Ann";
        ann.address = "1 Road\r\nTown";
        const std::int32_t id = addContact({}, ann, env->clock, 1).id;
        EditorSetup setup;
        setup.findCase = 2;
        setup.contact = loadContact({}, id);
        auto form = editor(setup);
        QCOMPARE(form->AddressEdit->toPlainText(), QStringLiteral("1 Road\nTown"));
        QVERIFY(form->SaveAddr->isEnabled());
        form->MobileEdit->setText(QStringLiteral("0170 1"));
        form->SaveAddr->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        const Contact saved = *loadContact({}, id);
        QCOMPARE(saved.mobile, std::string("0170 1"));
        QCOMPARE(saved.address, std::string("1 Road\r\nTown"));
    }

    void thePickersFillTheirBoxes() {
        auto form = editor();
        whenModal<TDateForm>([](TDateForm* picker) {
            picker->Kalendar->setSelectedDate(QDate(2027, 3, 14));
            picker->OKButton->click();
        });
        form->DateFromButton->click();
        QCOMPARE(form->DateFromEdit->text(), QStringLiteral("14/03/2027"));
        whenModal<TTimeForm>([](TTimeForm* picker) {
            picker->TimeBox->setCurrentRow(38); // 09:30 in quarter hours
            picker->OKButton->click();
        });
        form->TimeFromButton->click();
        QCOMPARE(form->TimeFromEdit->text(), QStringLiteral("09:30"));
        env->files.answers = {QStringLiteral("/home/me/plan.odt")};
        form->FileLinkButton->click();
        QCOMPARE(form->FileLinkEdit->text(), QStringLiteral("/home/me/plan.odt"));
        QVERIFY(env->files.requests.back().fileMustExist);
        QVERIFY(form->changed);
        form->CommentEdit->setPlainText(QStringLiteral("picked"));
        form->SaveCalAsNew->click();
        const CalendarEntry saved = *loadEntry({}, 1);
        QCOMPARE(saved.dateFrom, dayNumberFromCivil({2027, 3, 14}));
        QCOMPARE(saved.timeFrom, timeFraction({9, 30, 0, 0}));
        QCOMPARE(saved.fileLink, std::string("/home/me/plan.odt"));
    }

    // As a screen reader meets the editor: every control named, no shortcut key twice.
    void screenReadersTellTheControlsApart() {
        auto form = editor();
        const auto accessible = [](QObject* control) {
            return QAccessible::queryAccessibleInterface(control);
        };
        const auto name = [&](QObject* control) {
            return accessible(control)->text(QAccessible::Name);
        };
        QCOMPARE(name(form->DateFromButton), QStringLiteral("Pick start date"));
        QCOMPARE(name(form->DateToButton), QStringLiteral("Pick end date"));
        QCOMPARE(name(form->TimeFromButton), QStringLiteral("Pick start time"));
        QCOMPARE(name(form->TimeToButton), QStringLiteral("Pick end time"));
        QCOMPARE(name(form->AlarmButton), QStringLiteral("Pick alarm time"));
        QCOMPARE(name(form->FileLinkButton), QStringLiteral("Pick file link"));
        QCOMPARE(name(form->RepeatCombo), QStringLiteral("Repeat rate"));
        QCOMPARE(accessible(form->RepeatCombo)->text(QAccessible::Value), QStringLiteral("None"));
        form->RepeatCombo->setCurrentIndex(3);
        QCOMPARE(accessible(form->RepeatCombo)->text(QAccessible::Value),
                 QStringLiteral("Monthly"));
        QCOMPARE(accessible(form->RepeatCombo)->role(), QAccessible::ComboBox);
        QCOMPARE(name(form->TypeCombo), QStringLiteral("Type"));
        QCOMPARE(name(form->AlarmEdit), QStringLiteral("Alarm"));
        QCOMPARE(name(form->MiscEdit), QStringLiteral("Misc"));
        QCOMPARE(name(form->Link), QStringLiteral("Link"));
        // The list's items stay reachable below it.
        QCOMPARE(accessible(form->RepeatCombo)->childCount(), 1);
        QCOMPARE(accessible(form->RepeatCombo)->child(0)->childCount(), 5);

        // Every shortcut key in the tree, with the controls it reaches (labels only lend theirs).
        QMap<QString, QStringList> controlsByKey;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QString key = node->text(QAccessible::Accelerator);
            if (node->role() != QAccessible::StaticText && !key.isEmpty()) {
                controlsByKey[key.toLower()] << node->text(QAccessible::Name);
            }
            for (int i = 0; i < node->childCount(); ++i) {
                walk(node->child(i));
            }
        };
        walk(accessible(form.get()));
        for (auto it = controlsByKey.cbegin(); it != controlsByKey.cend(); ++it) {
            QVERIFY2(it.value().size() == 1,
                     qPrintable(it.key() + QStringLiteral(" reaches ") + it.value().join(", ")));
        }
        QCOMPARE(controlsByKey.size(), 16);
        QCOMPARE(controlsByKey.value(QStringLiteral("alt+l")), QStringList{"Link"});
        QCOMPARE(controlsByKey.value(QStringLiteral("alt+r")), QStringList{"Alarm"});

        // And each key takes the focus to its control.
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        const std::pair<Qt::Key, QWidget*> keys[] = {{Qt::Key_R, form->AlarmEdit},
                                                     {Qt::Key_P, form->RepeatCombo},
                                                     {Qt::Key_S, form->MiscEdit},
                                                     {Qt::Key_I, form->TimeFromEdit},
                                                     {Qt::Key_K, form->FileLinkEdit}};
        for (const auto& [key, control] : keys) {
            QTest::keyClick(form.get(), key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), control);
        }
    }

    void memosStayWithinTheirFields() {
        auto form = editor();
        form->CommentEdit->setPlainText(QString(40, QLatin1Char('x')));
        QCOMPARE(form->CommentEdit->toPlainText().size(), 30);
        form->AddressEdit->setPlainText(QString(30, QLatin1Char('a')) + "\n" +
                                        QString(30, QLatin1Char('b')));
        QCOMPARE(form->AddressEdit->toPlainText().size(), 49); // with CR LF: 50 bytes
        QCOMPARE(form->NameEdit->maxLength(), 30);
        QCOMPARE(form->WWWEdit->maxLength(), 50);
    }

    void anEditorClosedUntouchedAsksNothing() {
        auto empty = editor();
        empty->Cancel->click();
        QVERIFY(!empty->isVisible());
        Contact ann;
        ann.name = "Ann";
        ann.misc = "likes tea";
        CalendarEntry dentist;
        dentist.comment = "Dentist";
        dentist.dateFrom = dayNumberFromCivil({2026, 12, 9});
        dentist.timeFrom = timeFraction({9, 30, 0, 0});
        EditorSetup setup;
        setup.findCase = 4;
        setup.contact = loadContact({}, addContact({}, ann, env->clock, 1).id);
        setup.entry = loadEntry({}, addEntry({}, dentist, env->clock, 1).id);
        auto loaded = editor(setup);
        loaded->FormActivate();
        loaded->Cancel->click();
        QVERIFY(!loaded->isVisible());
        QVERIFY(env->messages.shown.empty());
    }

    // Each control marks its half changed, and "Save changes?" Yes saves what it holds.
    void yesSavesWhatEveryControlChanged() {
        addType({}, "Work");
        addType({}, "Home");
        Contact ann;
        ann.name = "Ann";
        const std::int32_t annId = addContact({}, ann, env->clock, 1).id;
        CalendarEntry dentist;
        dentist.comment = "Dentist";
        dentist.dateFrom = dayNumberFromCivil({2026, 12, 9});
        dentist.timeFrom = timeFraction({9, 30, 0, 0});
        const std::int32_t dentistId = addEntry({}, dentist, env->clock, 1).id;
        const auto typeOver = [](QLineEdit* edit, const QString& text) {
            edit->selectAll();
            QTest::keyClicks(edit, text);
        };
        const struct {
            const char* what;
            std::function<void(TAddNewForm*)> change;
            std::function<bool()> saved;
        } cases[] = {
            {"time", [&](TAddNewForm* f) { typeOver(f->TimeFromEdit, QStringLiteral("10:15")); },
             [&] {
                 return loadEntry({}, dentistId)->timeFrom == timeFraction({10, 15, 0, 0});
             }},
            {"end time", [&](TAddNewForm* f) { typeOver(f->TimeToEdit, QStringLiteral("11:00")); },
             [&] {
                 return loadEntry({}, dentistId)->timeTo == timeFraction({11, 0, 0, 0});
             }},
            {"alarm", [&](TAddNewForm* f) { typeOver(f->AlarmEdit, QStringLiteral("9:00")); },
             [&] {
                 return loadEntry({}, dentistId)->alarm == timeFraction({9, 0, 0, 0});
             }},
            {"date",
             [&](TAddNewForm* f) { typeOver(f->DateFromEdit, QStringLiteral("11/12/2026")); },
             [&] {
                 return loadEntry({}, dentistId)->dateFrom == dayNumberFromCivil({2026, 12, 11});
             }},
            {"end date",
             [&](TAddNewForm* f) { typeOver(f->DateToEdit, QStringLiteral("12/12/2026")); },
             [&] {
                 return loadEntry({}, dentistId)->dateTo == dayNumberFromCivil({2026, 12, 12});
             }},
            {"file link",
             [&](TAddNewForm* f) { typeOver(f->FileLinkEdit, QStringLiteral("/home/me/x.odt")); },
             [&] { return loadEntry({}, dentistId)->fileLink == "/home/me/x.odt"; }},
            {"link", [&](TAddNewForm* f) { f->Link->click(); },
             [&] { return loadEntry({}, dentistId)->addressLink == annId; }},
            {"type",
             [&](TAddNewForm* f) {
                 f->TypeCombo->setCurrentIndex(1);
                 emit f->TypeCombo->activated(1);
             },
             [&] { return loadEntry({}, dentistId)->type == 2; }},
            {"repeat",
             [&](TAddNewForm* f) {
                 f->RepeatCombo->setCurrentIndex(2);
                 emit f->RepeatCombo->activated(2);
             },
             [&] { return loadEntry({}, dentistId)->repeat == 2; }},
            {"comment",
             [&](TAddNewForm* f) {
                 f->CommentEdit->moveCursor(QTextCursor::End);
                 QTest::keyClicks(f->CommentEdit, "!");
             },
             [&] { return loadEntry({}, dentistId)->comment == "Dentist!"; }},
            {"misc", [&](TAddNewForm* f) { QTest::keyClicks(f->MiscEdit, "tea"); },
             [&] { return loadContact({}, annId)->misc == "tea"; }},
        };
        for (const auto& c : cases) {
            EditorSetup setup;
            setup.findCase = 4;
            setup.contact = loadContact({}, annId);
            setup.entry = loadEntry({}, dentistId);
            auto form = editor(setup);
            c.change(form.get());
            env->messages.shown.clear();
            form->Cancel->click();
            QVERIFY2(!env->messages.shown.empty(), c.what);
            QCOMPARE(env->messages.shown.front().text, QStringLiteral("Save changes?"));
            QVERIFY2(c.saved(), c.what);
            QCOMPARE(form->result(), int(QDialog::Accepted));
        }
    }

    void aFullMemoRefusesMoreAndKeepsItsEnd() {
        auto form = editor();
        form->CommentEdit->setPlainText(QStringLiteral("Lunch with Mary at the pub ok"));
        QTextCursor start = form->CommentEdit->textCursor();
        start.setPosition(0);
        form->CommentEdit->setTextCursor(start);
        QTest::keyClicks(form->CommentEdit, QStringLiteral("Big "));
        QCOMPARE(form->CommentEdit->toPlainText(),
                 QStringLiteral("BLunch with Mary at the pub ok"));
        QCOMPARE(form->CommentEdit->textCursor().position(), 1);
        // A line break takes two characters of the field: it does not fit either.
        QTest::keyClick(form->CommentEdit, Qt::Key_Return);
        QCOMPARE(form->CommentEdit->toPlainText(),
                 QStringLiteral("BLunch with Mary at the pub ok"));

        // A paste is cut to what fits, where the caret is.
        form->AddressEdit->setPlainText(QString(45, QLatin1Char('a')));
        QTextCursor middle = form->AddressEdit->textCursor();
        middle.setPosition(10);
        form->AddressEdit->setTextCursor(middle);
        QApplication::clipboard()->setText(QStringLiteral("0123456789"));
        form->AddressEdit->paste();
        QCOMPARE(form->AddressEdit->toPlainText(),
                 QString(10, QLatin1Char('a')) + "01234" + QString(35, QLatin1Char('a')));
        QCOMPARE(form->AddressEdit->textCursor().position(), 15);
    }

    void theMiscMemoHoldsFiftyCharacters() {
        auto form = editor();
        QTest::keyClicks(form->MiscEdit, QString(55, QLatin1Char('m')));
        QCOMPARE(form->MiscEdit->toPlainText(), QString(50, QLatin1Char('m')));
        form->NameEdit->setText(QStringLiteral("Mia"));
        form->SaveAddrAsNew->click();
        QCOMPARE(loadContact({}, 1)->misc, std::string(50, 'm'));
    }

    void aSaveWhoseContactIsGoneIsReported() {
        Contact ann;
        ann.name = "Ann";
        EditorSetup setup;
        setup.findCase = 2;
        setup.contact = loadContact({}, addContact({}, ann, env->clock, 1).id);
        auto form = editor(setup);
        deleteAddress({}, setup.contact->id); // by another program, while the editor is open
        form->MobileEdit->setText(QStringLiteral("0170 1"));
        env->messages.answers = {MessageResult::Cancel};
        form->SaveAddr->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("deleted")));
        QCOMPARE(env->messages.shown[0].buttons, MessageButtons::OkCancel);
        QVERIFY(form->isVisible());
        QVERIFY(!loadContact({}, setup.contact->id).has_value());
        QVERIFY(!form->SaveAddr->isEnabled()); // there is nothing left to save over
        form->SaveAddrAsNew->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(loadContact({}, form->editAddressId)->mobile, std::string("0170 1"));

        // OK to the offer saves it as a new contact at once.
        setup.contact = loadContact({}, form->editAddressId);
        auto again = editor(setup);
        deleteAddress({}, setup.contact->id);
        again->WorkEdit->setText(QStringLiteral("030 2"));
        env->messages.answers = {MessageResult::Ok};
        again->SaveAddr->click();
        QCOMPARE(again->result(), int(QDialog::Accepted));
        const std::optional<Contact> saved = loadContact({}, again->editAddressId);
        QVERIFY(saved.has_value());
        QCOMPARE(saved->work, std::string("030 2"));
        QCOMPARE(saved->mobile, std::string("0170 1"));
    }

    void aSaveWhoseEntryIsGoneIsReported() {
        CalendarEntry dentist;
        dentist.comment = "Dentist";
        const std::int32_t id = addEntry({}, dentist, env->clock, 1).id;
        EditorSetup setup;
        setup.findCase = 3;
        setup.entry = loadEntry({}, id);
        auto form = editor(setup);
        deleteEntry({}, id);
        form->CommentEdit->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->CommentEdit, QStringLiteral(" at 9"));
        env->messages.answers = {MessageResult::Cancel};
        form->SaveCal->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("deleted")));
        QVERIFY(form->isVisible());
        QVERIFY(!loadEntry({}, id).has_value());
        // "Save changes?" Yes, then OK to the offer: saved as a new entry.
        env->messages.answers = {MessageResult::Yes, MessageResult::Ok};
        form->Cancel->click();
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(loadEntry({}, form->editEntryId)->comment, std::string("Dentist at 9"));
    }

    void aFileLinkLongerThanItsFieldIsRefused() {
        const QString longPath = QStringLiteral("/home/me/") + QString(60, QLatin1Char('p'));
        auto form = editor();
        env->files.answers = {longPath};
        form->FileLinkButton->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QVERIFY(env->messages.shown[0].text.contains(QStringLiteral("65")));
        QCOMPARE(form->FileLinkEdit->text(), QString());
        // Pasted into the box, it is refused at the save.
        form->CommentEdit->setPlainText(QStringLiteral("Plan"));
        form->FileLinkEdit->setText(longPath);
        form->SaveCalAsNew->click();
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QVERIFY(env->messages.shown[1].text.contains(QStringLiteral("65")));
        QVERIFY(form->isVisible());
        QVERIFY(!loadEntry({}, 1).has_value());
        form->FileLinkEdit->setText(longPath.left(65));
        form->SaveCalAsNew->click();
        QCOMPARE(loadEntry({}, 1)->fileLink, toStored(longPath.left(65)));
    }

    void theFileDialogReturnsThePathAndLeavesTheCurrentDirectory() {
        test::TempDir dir;
        const std::string file = (dir / "agenda.odt").string();
        test::writeBytes(file, "x");
        const QString before = QDir::currentPath();
        QtFileDialogs dialogs;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            dialog->setDirectory(QString::fromStdString(dir.path().string()));
            dialog->selectFile(QString::fromStdString(file));
            static_cast<QDialog*>(dialog)->accept();
        });
        OpenFileRequest request;
        request.caption = QStringLiteral("File Link");
        const std::optional<QString> chosen = dialogs.openFile(nullptr, request);
        QVERIFY(chosen.has_value());
        QCOMPARE(*chosen, QString::fromStdString(file));
        QCOMPARE(QDir::currentPath(), before);

        whenModal<QFileDialog>(
            [](QFileDialog* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        QVERIFY(!dialogs.openFile(nullptr, request).has_value());
    }

    void theRealPlayerEndsWithOneNoticeAndNeverHangs() {
        test::TempDir dir;
        const std::string wav = (dir / "beep.wav").string();
        writeWav(wav, 300);
        QtSoundPlayer player;
        QSignalSpy notices(&player, &SoundPlayer::notified);
        player.setFileName(QString::fromStdString(wav));
        player.open();
        player.notifyAtEnd();
        player.play();
        QVERIFY(notices.wait(15000));
        QTest::qWait(300);
        QCOMPARE(notices.count(), 1);
        // Played again without asking for a notice: none comes.
        player.play();
        QTest::qWait(300);
        QCOMPARE(notices.count(), 1);
        player.close();

        QtSoundPlayer missing;
        QSignalSpy missingNotices(&missing, &SoundPlayer::notified);
        missing.setFileName(QStringLiteral("/no/such/sound.wav"));
        missing.open();
        missing.notifyAtEnd();
        missing.play();
        QVERIFY(missingNotices.wait(15000));
        QCOMPARE(missingNotices.count(), 1);
    }
};

QTEST_MAIN(EntryEditorTest)
#include "EntryEditorTest.moc"
