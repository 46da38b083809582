// The report shown after importing a vCard or iCalendar file: the counts and every item that
// did not go in whole, with its UID and why.
#include "exchange/InterchangeReportForm.h"
#include "exchange/Prompter.h"
#include "interchange/Interchange.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

using namespace trevik;

namespace {

class Refuser final : public Prompter {
public:
    PromptAnswer ask(const Prompt&) override { return PromptAnswer::Cancel; }
};

} // namespace

class InterchangeReportFormTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCountsAndEachLossOfARealImport() {
        test::TempDir data;
        test::TempDir config;
        test::writeBytes(data / "in.vcf",
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:x-1\r\nFN:Ann\r\nTEL;TYPE=CELL:1\r\n"
                         "TEL;TYPE=CELL:2\r\nEND:VCARD\r\n"
                         "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:x-2\r\nTEL:3\r\nEND:VCARD\r\n");
        Refuser nobody;
        EnglishLocale locale;
        UpdateOptions options;
        options.newData = UpdateChoice::Update;
        InterchangeImporter importer(data.path(), SettingsFile(config / "Trevik.Ini"), nobody,
                                     locale);
        const ImportReport report = importer.importFile(data / "in.vcf", options);
        QStringList lines;
        for (const std::string& line : importReportLines(report)) {
            lines << QString::fromStdString(line);
        }
        TInterchangeReportForm form(QStringLiteral("in.vcf"), lines, nullptr);
        QCOMPARE(form.windowTitle(), QStringLiteral("Import report"));
        QCOMPARE(form.SummaryLabel->text(), QStringLiteral("Imported from in.vcf"));
        QCOMPARE(form.ReportMemo->toPlainText(),
                 QStringLiteral("contacts: 1 added, 0 replaced, 0 skipped (0 not newer, 0 by "
                                "choice)\n1 lossy, 1 not imported\n"
                                "lossy: x-1 (Ann): a second mobile phone was left out: 2\n"
                                "not imported: x-2: the card has no name"));
        QVERIFY(form.ReportMemo->isReadOnly());
        // For a look at it: TREVIK_SHOW_REPORT=seconds keeps it on screen that long.
        if (const int seconds = qEnvironmentVariableIntValue("TREVIK_SHOW_REPORT")) {
            QTimer::singleShot(seconds * 1000, &form, &QDialog::accept);
            form.exec();
        } else {
            QTimer::singleShot(0, &form, &QDialog::accept);
            QCOMPARE(form.exec(), int(QDialog::Accepted));
        }
    }
};

QTEST_MAIN(InterchangeReportFormTest)
#include "InterchangeReportFormTest.moc"
