// The main window's vCard and iCalendar commands: File > Import... and Export..., the format
// chosen by the file's type, the report shown after an import.
#include "app/MainForm.h"
#include "exchange/InterchangeReportForm.h"
#include "exchange/ReplaceForm.h"
#include "exchange/UpdateChoices.h"
#include "interchange/Interchange.h"
#include "platform/Services.h"

#include <QFileInfo>

using namespace trevik;

namespace {

const QString kInterchangeFilter =
    QStringLiteral("vCard or iCalendar files (*.vcf *.vcard *.ics *.ical);;vCard files (*.vcf);;"
                   "iCalendar files (*.ics)");
const QString kWrongType =
    QStringLiteral("The file's name must end in .vcf (vCard: the contacts) or .ics (iCalendar: "
                   "the calendar).");

QString fromLocal(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void TMainForm::MainImportClick() {
    OpenFileRequest request;
    request.caption = QStringLiteral("Import");
    request.filter = kInterchangeFilter;
    const std::optional<QString> chosen = services_.files.openFile(this, request);
    if (!chosen) {
        return;
    }
    const std::filesystem::path file = chosen->toStdString();
    if (!formatOfFileName(file)) {
        services_.messages.show(this, kWrongType, QStringLiteral("Import"), MessageButtons::Ok,
                                MessageIcon::Warning);
        return;
    }
    const UpdateOptions options = importChoices(services_.settings);
    ReplaceFormPrompter prompter(this);
    InterchangeImporter importer(services_.dataDir, services_.settings, prompter, services_.locale);
    const ImportReport report = importer.importFile(file, options);
    refresh(Change::Calendar | Change::CalendarFind | Change::Contacts);
    QStringList lines;
    for (const std::string& error : report.errors) {
        lines << fromLocal(error);
    }
    for (const std::string& error : report.merge.errors) {
        lines << fromLocal(error);
    }
    for (const std::string& line : importReportLines(report)) {
        lines << fromLocal(line);
    }
    TInterchangeReportForm form(*chosen, lines, this);
    form.exec();
}

void TMainForm::MainExportClick() {
    OpenFileRequest request;
    request.caption = QStringLiteral("Export");
    request.filter = kInterchangeFilter;
    request.fileMustExist = false;
    request.confirmCreate = true;
    const std::optional<QString> chosen = services_.files.openFile(this, request);
    if (!chosen) {
        return;
    }
    const std::filesystem::path file = chosen->toStdString();
    const std::optional<InterchangeFormat> format = formatOfFileName(file);
    if (!format) {
        services_.messages.show(this, kWrongType, QStringLiteral("Export"), MessageButtons::Ok,
                                MessageIcon::Warning);
        return;
    }
    const ExportResult result = exportFile(services_.dataDir, *format, file);
    if (!result.ok()) {
        services_.messages.show(this, fromLocal(result.error), QStringLiteral("IO Error"),
                                MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
    const QString what = *format == InterchangeFormat::VCard
                             ? QStringLiteral("%1 contacts").arg(result.contacts)
                             : QStringLiteral("%1 calendar entries").arg(result.entries);
    services_.messages.show(this, QStringLiteral("%1 written to\n%2").arg(what, *chosen),
                            QStringLiteral("Export"), MessageButtons::Ok, MessageIcon::Information);
}
