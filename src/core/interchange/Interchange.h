#pragma once

#include "common/Locale.h"
#include "exchange/Prompter.h"
#include "exchange/UpdateApplier.h"
#include "exchange/UpdateChoices.h"
#include "interchange/ICalendar.h"
#include "interchange/InterchangeNote.h"
#include "settings/SettingsFile.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace trevik {

// vCard and iCalendar files of a data directory's contacts and entries, and imports of them
// merged by identity with the rules of applying an exchange file.

enum class InterchangeFormat { VCard, ICalendar };

// The format a file's name says: ".vcf" / ".vcard" for vCard, ".ics" / ".ical" for iCalendar.
// Nothing for any other name.
std::optional<InterchangeFormat> formatOfFileName(const std::filesystem::path& file);

// The type names and contact UIDs that the entries of `dataDir` refer to. Throws FileError
// when a file exists but cannot be read.
EntryReferences loadEntryReferences(const std::filesystem::path& dataDir);

struct ExportResult {
    // Why it failed, naming the file; empty on success. Files are written whole or not at all.
    std::string error;
    std::size_t contacts = 0;
    std::size_t entries = 0;
    bool ok() const { return error.empty(); }
};

// Every contact into one vCard file, or every entry into one iCalendar file.
ExportResult exportFile(const std::filesystem::path& dataDir, InterchangeFormat format,
                        const std::filesystem::path& file);
// One file per record named by its UID, as vdirsyncer, khal and khard keep them: contacts as
// DIR/contacts/*.vcf, entries as DIR/calendar/*.ics. Files of records no longer here stay.
ExportResult exportVdir(const std::filesystem::path& dataDir, const std::filesystem::path& dir);

struct ImportReport {
    // Files that could not be read or written, each with its reason.
    std::vector<std::string> errors;
    // The counts of the merge: records new here and found here, and in the bin passes those
    // that this installation had deleted.
    UpdateReport merge;
    InterchangeNotes notes;
    // Nothing was cut, left out or skipped (records found here and not newer count as in).
    bool whole() const;
};

struct ImportSource {
    std::string text;
    InterchangeFormat format;
    std::string name; // the file's name, for the report
};

// The choices an import makes: the Update dialog's last ones for new, changed and deleted
// records. Its settings, address book and calendar ticks are for exchange files: an import takes
// what its file holds.
UpdateOptions importChoices(const SettingsFile& settings);

class InterchangeImporter {
public:
    InterchangeImporter(std::filesystem::path dataDir, SettingsFile settings, Prompter& prompter,
                        const Locale& locale);

    // Reads and merges one file.
    ImportReport importFile(const std::filesystem::path& file, const UpdateOptions& options);
    // Every .vcf and .ics of DIR, DIR/contacts and DIR/calendar: contacts first, so that
    // the entries' links find them.
    ImportReport importVdir(const std::filesystem::path& dir, const UpdateOptions& options);
    // Texts already in memory (the clipboard's, a test's).
    ImportReport importTexts(const std::vector<ImportSource>& sources,
                             const UpdateOptions& options);

private:
    std::filesystem::path dataDir_;
    SettingsFile settings_;
    Prompter& prompter_;
    const Locale& locale_;
};

// The one-line summary and the lines of the notes, as the window and trevik-cli show them.
std::vector<std::string> importReportLines(const ImportReport& report);

} // namespace trevik
